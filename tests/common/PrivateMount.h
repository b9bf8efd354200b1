#pragma once

// A folder that is full or read-only for one piece of work, without root and without touching what
// any other process sees: a child process with a mount namespace of its own mounts a small tmpfs
// over the folder and does the work there.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

/// What came back from the child.
struct PrivateMountRun {
    QByteArray result; ///< what the work returned
    QString skip;      ///< why the folder could not be mounted here; empty when the work ran
};

/// Runs `work` in a child process that sees `folder` as an empty tmpfs of `kilobytes`, read-only when
/// `readOnly`, and hands back what it returned. The child maps its user to root in a user namespace
/// of its own, which Debian allows every user; where that is not allowed the run says why in `skip`.
inline PrivateMountRun InPrivateTmpfs(const QString& folder, int kilobytes, bool readOnly,
                                      const std::function<QByteArray()>& work)
{
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {{}, QStringLiteral("no pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const auto say = [&](char kind, const QByteArray& text) {
            const QByteArray message = kind + text;
            for (qsizetype done = 0; done < message.size();) {
                const ssize_t n = write(pipeEnds[1], message.constData() + done, size_t(message.size() - done));
                if (n <= 0)
                    break;
                done += n;
            }
        };
        const auto cannot = [&](const char* step) {
            say('S', QByteArray(step) + ": " + std::strerror(errno));
            _exit(0);
        };
        const auto writeOnce = [](const char* path, const QByteArray& text) {
            QFile file(QString::fromLatin1(path));
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        if (unshare(uid == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0)
            cannot("unshare");
        if (uid != 0 && (!writeOnce("/proc/self/setgroups", "deny") ||
                         !writeOnce("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1") ||
                         !writeOnce("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")))
            cannot("user mapping");
        // Nothing mounted here reaches the parent's namespace.
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            cannot("private mounts");
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
        if (mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", readOnly ? MS_RDONLY : 0,
                  options.constData()) != 0)
            cannot("mount");
        say('R', work());
        _exit(0);
    }
    close(pipeEnds[1]);
    if (child < 0) {
        close(pipeEnds[0]);
        return {{}, QStringLiteral("no child process: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))};
    }
    QByteArray message;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (message.startsWith('S'))
        return {{}, QString::fromLocal8Bit(message.mid(1))};
    return {message.mid(1), {}};
}
