#pragma once

// Gives each test its own settings store: XDG_CONFIG_HOME points into a
// temporary folder for the whole test program, and every call of freshStore()
// selects a new, empty store file there by changing the application name.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace TestStore {

inline QString configHome()
{
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
}

inline QString storePath()
{
    return configHome() + "/" + QCoreApplication::organizationName() + "/" + QCoreApplication::applicationName() + ".conf";
}

// Selects a new store file, optionally pre-filled with INI text, and returns its path.
inline QString freshStore(const QByteArray &contents = QByteArray())
{
    static int serial = 0;
    QCoreApplication::setOrganizationName("Brandmoor");
    QCoreApplication::setApplicationName(QString("Orvelle-test-%1").arg(++serial));
    const QString path = storePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    if (!contents.isNull()) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
    }
    return path;
}

// The file as it is on disk, bypassing any settings object's cache.
inline QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// For a whole program run inside the test process: XDG_CONFIG_HOME in
// `configDir` (and XDG_DATA_HOME, the answer history, below it), the
// program's own store names, and a store holding `contents`.
inline bool prepareProgramStore(const QTemporaryDir &configDir, const QByteArray &contents)
{
    qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (configDir.path() + "/data").toLocal8Bit());
    QCoreApplication::setOrganizationName("Brandmoor");
    QCoreApplication::setApplicationName("Orvelle");
    QDir().mkpath(configDir.path() + "/Brandmoor");
    QFile store(storePath());
    return store.open(QIODevice::WriteOnly) && store.write(contents) == contents.size();
}

} // namespace TestStore

// Like QTEST_GUILESS_MAIN, with XDG_CONFIG_HOME and XDG_DATA_HOME in a
// temporary folder set before Qt reads them.
#define ORVELLE_TEST_MAIN(TestClass, AppClass)                                                                     \
    int main(int argc, char **argv)                                                                                \
    {                                                                                                              \
        QTemporaryDir configDir;                                                                                   \
        qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());                                                \
        qputenv("XDG_DATA_HOME", (configDir.path() + "/data").toLocal8Bit());                                      \
        AppClass app(argc, argv);                                                                                  \
        TestClass test;                                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                 \
        return QTest::qExec(&test, argc, argv);                                                                    \
    }
