#pragma once

// What both fuzz targets share: a Qt core application without a display, a
// private settings folder, and the way a broken invariant is reported.

#include "question_bank.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace Fuzz {

// An invariant that does not hold is a fault like a crash: libFuzzer keeps
// the input that caused it.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

inline void require(bool condition, const char *what)
{
    if (!condition)
        fail(what);
}

// Starts Qt once per process, with XDG_CONFIG_HOME in a new temporary folder
// (removed at exit), so no run touches a real training history. The folder is
// in memory where the system has /dev/shm: every save syncs the file to disk,
// which would otherwise be most of the time an input takes.
inline void startQt(int *argc, char ***argv)
{
    static char folderTemplate[] = "/dev/shm/orvelle-fuzz-XXXXXX";
    if (!QDir("/dev/shm").exists())
        std::memcpy(folderTemplate, "/tmp/orvelle-fuzz-XXXXXX", sizeof "/tmp/orvelle-fuzz-XXXXXX");
    const char *folder = mkdtemp(folderTemplate);
    if (!folder)
        fail("no temporary folder for the settings store");
    setenv("XDG_CONFIG_HOME", folder, 1);
    std::atexit([] { QDir(QString::fromLocal8Bit(folderTemplate)).removeRecursively(); });
    // Never destroyed: libFuzzer ends the process with exit(), when Qt's own
    // globals may already be gone.
    new QCoreApplication(*argc, *argv);
    QCoreApplication::setOrganizationName("Brandmoor");
}

inline QString storePath()
{
    return QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/" + QCoreApplication::organizationName() + "/" +
           QCoreApplication::applicationName() + ".conf";
}

// The state a bank must have after it has loaded, whatever the store held.
inline void checkBankInvariants(const QuestionBank &bank)
{
    const unsigned level = bank.maturityLevel;
    require(level >= 1 && level <= QuestionBank::kMaxLevel, "level within 1..12");
    require(bank.questions.size() == QuestionBank::kRepsPerNote * level, "seven questions per note of the level");
    require(bank.questionCount == bank.questions.size(), "question count matches the list");
    require(bank.currentQuestion < bank.questions.size(), "current question within the list");
    require(bank.noteStats.size() == level, "one statistic per note of the level");
    for (std::uint32_t q : bank.questions) {
        require(q >= 24 && q <= 107, "question within 24..107");
        require(noteIndexOf(q) < level, "question is a note of the level");
    }
}

} // namespace Fuzz
