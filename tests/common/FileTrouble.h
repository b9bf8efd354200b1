#pragma once

// Ways for a file to fail to be written, and the tools that read exported files back.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

/// While it lives, no file of this process may grow beyond `bytes`: a write past that fails
/// (EFBIG) as it would on a full disk. The signal such a write raises is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return m_active; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

/// How a target file is made unwritable.
enum class Trouble {
    NameIsFolder,   ///< the chosen name is an existing folder
    NoSuchFolder,   ///< the folder of the chosen name does not exist
    ParentIsFile,   ///< the "folder" of the chosen name is a file
    ReadOnlyFolder, ///< an earlier file in a folder that may not be written
    DiskFull,       ///< an earlier file, and every write fails as on a full disk
};

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

/// Every name in `folder` and in its sub-folders, hidden ones included, sorted.
inline QStringList Listing(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        names << info.fileName();
        if (info.isDir())
            for (const QString& inner : Listing(info.filePath()))
                names << info.fileName() + QLatin1Char('/') + inner;
    }
    return names;
}

/// Whether an external program is on the PATH.
inline bool HaveTool(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

/// Runs `program` and returns its standard output; `ok` tells whether it ran and exited with 0.
inline QByteArray RunTool(const QString& program, const QStringList& arguments, bool* ok)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

/// Whether the first page of the PDF bytes `pdf` has the size `paper` (in points), read from its
/// MediaBox as Qt writes it.
inline bool PdfPageIs(const QByteArray& pdf, const QSizeF& paper)
{
    static const QRegularExpression box(QStringLiteral(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])"));
    const QRegularExpressionMatch m = box.match(QString::fromLatin1(pdf));
    return m.hasMatch() && qAbs(m.captured(1).toDouble() - paper.width()) < 0.5 &&
           qAbs(m.captured(2).toDouble() - paper.height()) < 0.5;
}

/// A target prepared in `root` for one kind of trouble.
struct TroubleSpot {
    QString path;         ///< the name to write to
    QByteArray earlier;   ///< what is at `path` before, empty when nothing is
    QString lockedFolder; ///< a folder made read-only, to unlock afterwards
    QString skip;         ///< why this trouble cannot be made here, empty when it can
};

inline TroubleSpot PrepareTrouble(const QString& root, Trouble trouble, const QString& fileName)
{
    TroubleSpot spot;
    const QDir dir(root);
    const QByteArray earlier("earlier contents, to be kept as they are\n");
    switch (trouble) {
    case Trouble::NameIsFolder:
        dir.mkdir(fileName);
        spot.path = dir.filePath(fileName);
        break;
    case Trouble::NoSuchFolder: spot.path = dir.filePath(QStringLiteral("missing/") + fileName); break;
    case Trouble::ParentIsFile:
        WriteBytes(dir.filePath(QStringLiteral("plain")), earlier);
        spot.path = dir.filePath(QStringLiteral("plain/") + fileName);
        break;
    case Trouble::ReadOnlyFolder:
        if (geteuid() == 0) {
            spot.skip = QStringLiteral("permissions do not stop the superuser from writing");
            break;
        }
        dir.mkdir(QStringLiteral("locked"));
        spot.path = dir.filePath(QStringLiteral("locked/") + fileName);
        WriteBytes(spot.path, earlier);
        spot.earlier = earlier;
        spot.lockedFolder = dir.filePath(QStringLiteral("locked"));
        QFile::setPermissions(spot.lockedFolder, QFile::ReadOwner | QFile::ExeOwner);
        break;
    case Trouble::DiskFull:
        spot.path = dir.filePath(fileName);
        WriteBytes(spot.path, earlier);
        spot.earlier = earlier;
        break;
    }
    return spot;
}

/// Gives a locked folder its permissions back, so that the temporary folder can be removed.
inline void Unlock(const TroubleSpot& spot)
{
    if (!spot.lockedFolder.isEmpty())
        QFile::setPermissions(spot.lockedFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
