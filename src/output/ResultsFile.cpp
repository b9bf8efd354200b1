#include "ResultsFile.h"

#include "ModelState.h"
#include "NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <string>

namespace vorlenza {

namespace {

const char* const Header = "t, N1, dN1, N2, dN2, x of isocline A, y of isocline A, "
                           "x of isocline B, y of isocline B";
const char* const LineEnd = "\r\n";
const QString DerivedSuffix = QStringLiteral("-N1N2dN.txt");

/// One species' quoted parameter line, e.g. "N1(0) =10, r1 =0.2, alpha = 1, K1 = 200" in quotes:
/// no blank after the first two "=", one after the last two.
void appendParameterLine(std::string& out, char species, double start, double rate,
                         const char* coefficientName, double coefficient, double capacity)
{
    out += "\"N";
    out += species;
    out += "(0) =";
    out += formatNumber(start);
    out += ", r";
    out += species;
    out += " =";
    out += formatNumber(rate);
    out += ", ";
    out += coefficientName;
    out += " = ";
    out += formatNumber(coefficient);
    out += ", K";
    out += species;
    out += " = ";
    out += formatNumber(capacity);
    out += '"';
    out += LineEnd;
}

bool isFolderSeparator(QChar c)
{
#ifdef Q_OS_WIN
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
#else
    return c == QLatin1Char('/');
#endif
}

/// A path as the user reads it; a NUL, which no file name may hold, shows as a replacement mark.
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path).replace(QChar(0), QChar(QChar::ReplacementCharacter));
}

/// What is wrong with `path` as a place for a new file, in words a student understands; empty
/// when nothing can be seen from outside (then the system's own words are all there is).
QString pathProblem(const QString& path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("ResultsFile", "no file name was given");
    if (path.contains(QChar(0)))
        return QCoreApplication::translate("ResultsFile",
                                           "the name contains a character that is not allowed in file names");

    const QFileInfo target(path);
    if (QFile::encodeName(target.fileName()).size() > 255)
        return QCoreApplication::translate("ResultsFile", "the file name is too long");
    if (QFile::encodeName(target.absoluteFilePath()).size() >= 4096)
        return QCoreApplication::translate("ResultsFile", "the path is too long");
    if (target.isDir())
        return QCoreApplication::translate("ResultsFile", "“%1” is a folder, not a file").arg(shown(path));

    const QString folderPath = target.absolutePath();
    const QFileInfo folder(folderPath);
    if (!folder.exists()) {
        // Walk up to the part of the path that exists: a file in the way reads differently.
        QFileInfo step(folderPath);
        while (!step.exists() && !step.isRoot() && step.absoluteFilePath() != step.absolutePath())
            step = QFileInfo(step.absolutePath());
        if (step.exists() && !step.isDir())
            return QCoreApplication::translate("ResultsFile", "“%1” is a file, not a folder")
                .arg(shown(step.absoluteFilePath()));
        return QCoreApplication::translate("ResultsFile", "the folder “%1” does not exist")
            .arg(shown(folderPath));
    }
    if (!folder.isDir())
        return QCoreApplication::translate("ResultsFile", "“%1” is a file, not a folder")
            .arg(shown(folderPath));
    if (!folder.isWritable())
        return QCoreApplication::translate("ResultsFile", "you may not write in the folder “%1”")
            .arg(shown(folderPath));
    if (target.exists() && !target.isWritable())
        return QCoreApplication::translate("ResultsFile", "the file is read-only");
    return {};
}

} // namespace

QByteArray resultsFileContents(const ModelState& state)
{
    const int lastDay = std::clamp<int>(state.simTime, 0, ModelState::MaxDay);

    std::string head;
    appendParameterLine(head, '1', state.N1[0], state.r1, "alpha", state.alpha, state.K1);
    appendParameterLine(head, '2', state.N2[0], state.r2, "beta", state.beta, state.K2);
    head += '"';
    head += Header;
    head += '"';
    head += LineEnd;

    // A day line holds at most 5 digits of day, 8 numbers of at most MaxNumberText characters
    // with their commas, and CR LF.
    constexpr qsizetype MaxDayLine = 5 + 8 * (1 + MaxNumberText) + 2;
    QByteArray out;
    out.resize(static_cast<qsizetype>(head.size()) + (lastDay + 1) * MaxDayLine);
    char* const begin = out.data();
    char* p = std::copy(head.begin(), head.end(), begin);

    for (int day = 0; day <= lastDay; ++day) {
        const auto i = static_cast<std::size_t>(day);
        p = std::to_chars(p, p + 5, day).ptr;
        for (const double value : {state.N1[i], state.dN1[i], state.N2[i], state.dN2[i],
                                   state.isoclineAX[i], state.isoclineAY[i], state.isoclineBX[i],
                                   state.isoclineBY[i]}) {
            *p++ = ',';
            p = writeNumberText(p, value);
        }
        *p++ = '\r';
        *p++ = '\n';
    }
    out.truncate(p - begin);
    return out;
}

QString derivedResultsName(const QString& chosen)
{
    qsizetype nameStart = chosen.size();
    while (nameStart > 0 && !isFolderSeparator(chosen.at(nameStart - 1)))
        --nameStart;

    // Drop four characters (not four UTF-16 units: a character outside the basic plane is two).
    qsizetype cut = chosen.size();
    for (int dropped = 0; dropped < 4; ++dropped) {
        if (cut <= nameStart)
            return {};
        --cut;
        if (cut > nameStart && chosen.at(cut).isLowSurrogate() && chosen.at(cut - 1).isHighSurrogate())
            --cut;
    }
    return chosen.left(cut) + DerivedSuffix;
}

WriteOutcome writeResultsFile(const QString& path, const ModelState& state)
{
    return writeResultsBytes(path, resultsFileContents(state));
}

WriteOutcome writeResultsBytes(const QString& path, const QByteArray& contents)
{
    const QString failedTo =
        QCoreApplication::translate("ResultsFile", "The results could not be saved to “%1”: %2.");
    QString problem = pathProblem(path);
    if (!problem.isEmpty())
        return {false, failedTo.arg(shown(path), problem)};

    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile flushes only at commit() and there a short write (a full
    // disk, a file size limit) is not noticed, so commit() would put a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        problem = pathProblem(path);
        if (problem.isEmpty())
            problem = QCoreApplication::translate("ResultsFile", "the file could not be created (%1)")
                          .arg(file.errorString());
        return {false, failedTo.arg(shown(path), problem)};
    }

    const bool allWritten = file.write(contents) == contents.size() && file.size() == contents.size();
    if (!allWritten || !file.commit()) {
        const QFileDevice::FileError error = file.error();
        const QString systemText = file.errorString();
        file.cancelWriting();
        problem = pathProblem(path);
        if (problem.isEmpty()) {
            problem = QCoreApplication::translate(
                "ResultsFile", "not all of it could be written, perhaps because the disk is full");
            if (error != QFileDevice::NoError && error != QFileDevice::UnspecifiedError)
                problem += QStringLiteral(" (%1)").arg(systemText);
        }
        problem += QCoreApplication::translate("ResultsFile", "; any earlier file of that name is unchanged");
        return {false, failedTo.arg(shown(path), problem)};
    }
    return {true, {}};
}

} // namespace vorlenza
