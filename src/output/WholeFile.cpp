#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlenza {

namespace {

/// A path as the user reads it; a NUL, which no file name may hold, shows as a replacement mark.
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path).replace(QChar(0), QChar(QChar::ReplacementCharacter));
}

/// The longest file name the folder of `path` takes, in bytes.
qsizetype longestName(const QString& path)
{
#ifdef Q_OS_UNIX
    const long max = pathconf(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), _PC_NAME_MAX);
    if (max > 0)
        return max;
#else
    Q_UNUSED(path)
#endif
    return 255;
}

} // namespace

QString pathProblem(const QString& path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("WholeFile", "no file name was given");
    if (path.contains(QChar(0)))
        return QCoreApplication::translate("WholeFile",
                                           "the name contains a character that is not allowed in file names");

    const QFileInfo target(path);
    if (QFile::encodeName(target.fileName()).size() > longestName(path))
        return QCoreApplication::translate("WholeFile", "the file name is too long");
    if (QFile::encodeName(target.absoluteFilePath()).size() >= 4096)
        return QCoreApplication::translate("WholeFile", "the path is too long");
    if (target.isDir())
        return QCoreApplication::translate("WholeFile", "“%1” is a folder, not a file").arg(shown(path));

    const QString folderPath = target.absolutePath();
    const QFileInfo folder(folderPath);
    if (!folder.exists()) {
        // Walk up to the part of the path that exists: a file in the way reads differently.
        QFileInfo step(folderPath);
        while (!step.exists() && !step.isRoot() && step.absoluteFilePath() != step.absolutePath())
            step = QFileInfo(step.absolutePath());
        if (step.exists() && !step.isDir())
            return QCoreApplication::translate("WholeFile", "“%1” is a file, not a folder")
                .arg(shown(step.absoluteFilePath()));
        return QCoreApplication::translate("WholeFile", "the folder “%1” does not exist").arg(shown(folderPath));
    }
    if (!folder.isDir())
        return QCoreApplication::translate("WholeFile", "“%1” is a file, not a folder").arg(shown(folderPath));
    if (!folder.isWritable())
        return QCoreApplication::translate("WholeFile", "you may not write in the folder “%1” (no permission)")
            .arg(shown(folderPath));
    if (target.exists() && !target.isWritable())
        return QCoreApplication::translate("WholeFile", "the file is read-only");
    return {};
}

QString sizeLimitProblem(qint64 size)
{
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur)
        return QCoreApplication::translate("WholeFile",
                                           "it would be larger than the file size limit of this account (%1 bytes)")
            .arg(static_cast<qulonglong>(limit.rlim_cur));
#else
    Q_UNUSED(size)
#endif
    return {};
}

QString diskFullProblem()
{
    return QCoreApplication::translate("WholeFile", "not all of it could be written, perhaps because the disk is full");
}

QString earlierFileUnchanged()
{
    return QCoreApplication::translate("WholeFile", "; any earlier file of that name is unchanged");
}

namespace {

/// Writes all of `bytes`; after a short write the next one tells why (a full disk, a file too large).
bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    // A short write sets no error at all, and the commit alone does not always see a failed one.
    return written == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
}

/// Why writing `file` to `path` stopped part way; an earlier file is always left as it was.
QString writeProblem(const QFileDevice& file, const QString& path, qint64 size)
{
    QString reason = pathProblem(path);
    if (reason.isEmpty())
        reason = sizeLimitProblem(size);
    if (reason.isEmpty()) {
        reason = diskFullProblem();
        // A short write may leave only the device's "unknown error" behind.
        if (file.error() != QFileDevice::NoError && file.errorString() != QFile().errorString())
            reason += QStringLiteral(" (%1)").arg(file.errorString());
    }
    return reason + earlierFileUnchanged();
}

/// Whether QSaveFile's temporary name (the file name and 7 characters more) fits in the folder.
bool temporaryNameFits(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).fileName()).size() + 7 <= longestName(path);
}

#ifdef Q_OS_UNIX
/// The permissions a new file gets from the process's umask, as QSaveFile gives them.
QFileDevice::Permissions newFilePermissions()
{
    const mode_t mask = umask(0);
    umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions p;
    const struct {
        mode_t bit;
        QFileDevice::Permissions as;
    } bits[] = {{S_IRUSR, QFileDevice::ReadOwner | QFileDevice::ReadUser},
                {S_IWUSR, QFileDevice::WriteOwner | QFileDevice::WriteUser},
                {S_IRGRP, QFileDevice::ReadGroup},
                {S_IWGRP, QFileDevice::WriteGroup},
                {S_IROTH, QFileDevice::ReadOther},
                {S_IWOTH, QFileDevice::WriteOther}};
    for (const auto& b : bits)
        if (mode & b.bit)
            p |= b.as;
    return p;
}

/// For a name too long for QSaveFile's temporary name: the same whole-or-nothing write through a
/// short temporary name in the same folder, renamed over the target only once all is written.
Outcome writeThroughShortName(const QString& path, const QByteArray& bytes)
{
    QTemporaryFile file(QFileInfo(path).absoluteDir().filePath(QStringLiteral(".vorlenza-XXXXXX")));
    if (!file.open())
        return {false, fileFailure(path, QCoreApplication::translate("WholeFile", "the file could not be created (%1)")
                                             .arg(file.errorString()))};
    if (!writeAll(file, bytes))
        return {false, fileFailure(path, writeProblem(file, path, bytes.size()))};
    const QFileInfo earlier(path);
    file.setPermissions(earlier.exists() ? earlier.permissions() : newFilePermissions());
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return {false,
                fileFailure(path, QCoreApplication::translate(
                                      "WholeFile", "the new file could not take the place of the earlier one; the "
                                                   "earlier file is unchanged"))};
    file.setAutoRemove(false);
    return {true, {}};
}
#endif

} // namespace

QString fileFailure(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("WholeFile", "The file “%1” could not be saved: %2.").arg(shown(path), reason);
}

Outcome writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QString problem = pathProblem(path);
    if (problem.isEmpty())
        problem = sizeLimitProblem(bytes.size());
    if (!problem.isEmpty())
        return {false, fileFailure(path, problem)};
#ifdef Q_OS_UNIX
    if (!temporaryNameFits(path))
        return writeThroughShortName(path, bytes);
#endif

    QSaveFile file(path);
    // Unbuffered: a buffered QSaveFile flushes only at commit() and there a short write (a full
    // disk, a file size limit) is not noticed, so commit() would put a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        problem = pathProblem(path);
        if (problem.isEmpty())
            problem =
                QCoreApplication::translate("WholeFile", "the file could not be created (%1)").arg(file.errorString());
        return {false, fileFailure(path, problem)};
    }
    if (!writeAll(file, bytes)) {
        problem = writeProblem(file, path, bytes.size());
        file.cancelWriting();
        return {false, fileFailure(path, problem)};
    }
    if (!file.commit())
        return {false, fileFailure(path, writeProblem(file, path, bytes.size()))};
    return {true, {}};
}

void surviveFileSizeLimit()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace vorlenza
