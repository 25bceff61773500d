#pragma once

// A small tmpfs of its own for tests that need a full disk or a read-only
// file system; it needs root (mount), and isAvailable() says whether it
// could be made. Without root a test falls back to permissions where they
// stop the user, or skips.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <unistd.h>

class SmallDisk {
public:
    SmallDisk(const QString &where, int kilobytes) : path(where)
    {
        QDir().mkpath(path);
        mounted = ::geteuid() == 0 &&
                  QProcess::execute("mount", {"-t", "tmpfs", "-o", QString("size=%1k").arg(kilobytes), "tmpfs", path}) == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute("umount", {"-l", path});
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isAvailable() const { return mounted; }
    bool setReadOnly(bool readOnly)
    {
        return mounted &&
               QProcess::execute("mount", {"-o", readOnly ? "remount,ro" : "remount,rw", path}) == 0;
    }
    // Fills what is left with one file; removing it frees the space.
    void fill()
    {
        QFile filler(path + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    void unfill() { QFile::remove(path + "/filler"); }

    const QString path;

private:
    bool mounted = false;
};
