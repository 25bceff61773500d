#include "command_line.h"

#include <answer_history.h>
#include <course_history.h>
#include <history_export.h>
#include <history_statistics.h>

#include <instance_guard.h>
#include <pitchtest/report_text.h>
#include <pitchtest/test_store.h>
#include <pitchtest/tests_export.h>
#include <learners_language.h>
#include <translations.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#ifndef ORVELLE_VERSION
#define ORVELLE_VERSION "0"
#endif

namespace {

// Options that Qt's application object reads from the command line; they
// must not count as unknown.
const char *const kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
                                       "style", "stylesheet", "session", "display", "geometry", "title",
                                       "qwindowgeometry", "qwindowicon", "qwindowtitle", "name", "dialogs"};
const char *const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addHidden(QCommandLineParser &parser, const QString &name, const QString &valueName = QString())
{
    QCommandLineOption option(name, QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

CommandLineRequest print(const QString &text, int exitCode = 0, bool toStandardError = false)
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Print;
    request.text = text;
    request.exitCode = exitCode;
    request.toStandardError = toStandardError;
    return request;
}

} // namespace

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Brandmoor"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("brandmoor.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVELLE_VERSION));
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

namespace {

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and exit.")};
    QCommandLineOption exportHistory{QStringLiteral("export-history"),
                                     QStringLiteral("Write every answer given so far to FILE as CSV, and exit."),
                                     QStringLiteral("FILE")};
    QCommandLineOption statistics{QStringLiteral("stats"),
                                  QStringLiteral("Print a summary of every answer given so far, and exit.")};
    QCommandLineOption tests{QStringLiteral("tests"),
                             QStringLiteral("Print the scores of every finished pitch test, and exit.")};
};

void addOptions(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
        QStringLiteral("Orvelle trains absolute pitch: it plays a note and you find its key."));
    // Qt's options are written with one dash ("-platform xcb").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addOption(options.exportHistory);
    parser.addOption(options.statistics);
    parser.addOption(options.tests);
    for (const char *name : kQtValueOptions)
        addHidden(parser, QString::fromLatin1(name), QStringLiteral("value"));
    for (const char *name : kQtFlagOptions)
        addHidden(parser, QString::fromLatin1(name));
}

} // namespace

namespace {

// The parser names an unknown option without its dashes; the user gets it
// back as written.
QString parseError(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty())
        return parser.errorText();
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        QString name = argument;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (argument.startsWith(QLatin1Char('-')) && name.section(QLatin1Char('='), 0, 0) == unknown.first())
            return QCoreApplication::translate("CommandLine", "Unknown option '%1'.").arg(argument.section(QLatin1Char('='), 0, 0));
    }
    return parser.errorText();
}

} // namespace

QString missingDisplayInLearnersLanguage(const QStringList &arguments, int &argc, char **argv)
{
    if (missingDisplay(arguments).isEmpty())
        return QString();
    QCoreApplication app(argc, argv);
    setApplicationNames();
    const Translations translations(SetUpLearnersLanguageFromStore().translation);
    return missingDisplay(arguments);
}

QString missingDisplay(const QStringList &arguments)
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const int at = std::max(arguments.indexOf(QStringLiteral("-platform")), arguments.indexOf(QStringLiteral("--platform")));
    if (at >= 0 && at + 1 < arguments.size())
        platform = arguments.at(at + 1);
    // Only the desktop platforms need a display server; offscreen, eglfs,
    // vnc and the like do not.
    bool needsDisplay = true;
    for (const QString &name : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString plugin = name.section(QLatin1Char(':'), 0, 0);
        if (plugin != QLatin1String("xcb") && !plugin.startsWith(QLatin1String("wayland")))
            needsDisplay = false;
    }
    if (!needsDisplay || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QString();
    return QCoreApplication::translate("CommandLine", "Orvelle needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)");
}

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    const QCommandLineOption &help = options.help;
    const QCommandLineOption &version = options.version;
    const QCommandLineOption &exportHistory = options.exportHistory;
    addOptions(parser, options);

    if (!parser.parse(arguments))
        return print(QCoreApplication::translate("CommandLine", "orvelle: %1\nTry 'orvelle --help'.\n").arg(parseError(parser, arguments)),
                     kUsageExitCode, true);
    if (parser.isSet(help)) {
        CommandLineRequest request;
        request.action = CommandLineRequest::Action::Help;
        return request;
    }
    if (parser.isSet(version))
        return print(QStringLiteral("Orvelle %1\n").arg(QStringLiteral(ORVELLE_VERSION)));
    if (!parser.positionalArguments().isEmpty()) {
        return print(QCoreApplication::translate("CommandLine", "orvelle: unexpected argument '%1'\nTry 'orvelle --help'.\n")
                         .arg(parser.positionalArguments().first()),
                     kUsageExitCode, true);
    }
    if (parser.isSet(options.statistics)) {
        CommandLineRequest request;
        request.action = CommandLineRequest::Action::Statistics;
        return request;
    }
    if (parser.isSet(options.tests)) {
        CommandLineRequest request;
        request.action = CommandLineRequest::Action::Tests;
        return request;
    }
    if (parser.isSet(exportHistory)) {
        CommandLineRequest request;
        request.action = CommandLineRequest::Action::ExportHistory;
        request.exportFile = parser.value(exportHistory);
        return request;
    }
    return CommandLineRequest();
}

namespace {

// Every file the program keeps: an export never writes over one of them.
QStringList ownFiles()
{
    // The store's path as the settings object would make it, without
    // opening it.
    const QString store = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                              .filePath(QCoreApplication::organizationName() + QLatin1Char('/') +
                                        QCoreApplication::applicationName() + QStringLiteral(".conf"));
    return QStringList{AnswerHistory::defaultPath(), store} + InstanceGuard::files();
}

// Whether `file` is what standard output writes to (/dev/stdout, say).
bool isStandardOutput(const QString &file)
{
    struct stat target;
    struct stat output;
    return ::stat(QFile::encodeName(file).constData(), &target) == 0 && ::fstat(STDOUT_FILENO, &output) == 0 &&
           target.st_dev == output.st_dev && target.st_ino == output.st_ino;
}

int exportHistoryTo(const QString &file)
{
    const QString refusal = exportTargetRefusal(file, ownFiles());
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(refusal));
        return kUsageExitCode;
    }
    const AnswerHistory history(AnswerHistory::defaultPath(), AnswerHistory::Mode::ReadOnly);
    QString error;
    int written = 0;
    if (!exportHistoryCsv(history, file, error, &written)) {
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(error));
        return kUsageExitCode;
    }
    // When standard output carries the rows, the note goes to stderr.
    const bool toStandardOutput = file == QLatin1String("-");
    const QString note = toStandardOutput
                             ? QCoreApplication::translate("CommandLine", "Wrote %n answers to standard output", "", written)
                             : QCoreApplication::translate("CommandLine", "Wrote %n answers to %1", "", written).arg(file);
    std::fprintf(toStandardOutput || isStandardOutput(file) ? stderr : stdout, "%s\n", qUtf8Printable(note));
    return 0;
}

int printTests()
{
    const QString path = AnswerHistory::defaultPath();
    if (!QFileInfo::exists(path)) {
        std::fputs(qUtf8Printable(PitchTest::TestsListText({})), stdout);
        return 0;
    }
    PitchTest::TestStore store(path, AnswerHistory::kSchemaVersion);
    if (!store.usable() && !store.problem().isEmpty()) {
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(store.problem()));
        return kUsageExitCode;
    }
    std::fputs(qUtf8Printable(PitchTest::TestsListText(store.finished())), stdout);
    // Tests that could not be read are left out and named here.
    if (!store.problem().isEmpty())
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(store.problem()));
    return 0;
}

// The pitch test trials beside an export to a file; nothing for standard
// output, a FIFO or a device, which take one stream only.
int exportTestsBeside(const QString &file)
{
    const QFileInfo info(file);
    if (file == QLatin1String("-") || (info.exists() && !info.isFile()) || !QFileInfo::exists(AnswerHistory::defaultPath()))
        return 0;
    PitchTest::TestStore store(AnswerHistory::defaultPath(), AnswerHistory::kSchemaVersion);
    int kept = 0;
    if (!store.usable() || !store.forEachTrial([&kept](const PitchTest::StoredTrial &) { ++kept; }) || kept == 0)
        return 0;
    const QString target = PitchTest::TestsCsvPath(file);
    const QString refusal = exportTargetRefusal(target, ownFiles());
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(refusal));
        return kUsageExitCode;
    }
    QString error;
    int written = 0;
    if (!PitchTest::ExportTestsCsv(store, target, error, &written)) {
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(error));
        return 1;
    }
    const QString note =
        QCoreApplication::translate("CommandLine", "Wrote %n pitch test trials to %1", "", written).arg(target);
    std::fprintf(isStandardOutput(target) ? stderr : stdout, "%s\n", qUtf8Printable(note));
    return 0;
}

// The classes the adaptive course began with, as the store keeps them
// (read only; the store is the running program's to write).
int storedStartClasses()
{
    const QSettings store(ownFiles().at(1), QSettings::IniFormat);
    return std::max(2, store.value(QStringLiteral("Adaptive/StartClasses"), 2).toInt());
}

int printStatistics()
{
    const AnswerHistory history(AnswerHistory::defaultPath(), AnswerHistory::Mode::ReadOnly);
    std::vector<AnswerRecord> answers;
    if (!history.problem().isEmpty() || !history.forEach([&answers](const AnswerRecord &r) { answers.push_back(r); })) {
        std::fprintf(stderr, "orvelle: %s\n",
                     qUtf8Printable(QCoreApplication::translate("CommandLine", "the answer history %1 cannot be read")
                                        .arg(history.path())));
        return kUsageExitCode;
    }
    std::fputs(qUtf8Printable(statisticsReport(computeStatistics(answers, StatisticsFilter()))), stdout);
    const QString course = courseReport(answers, storedStartClasses());
    if (!course.isEmpty())
        std::fputs(qUtf8Printable(QLatin1Char('\n') + course), stdout);
    return 0;
}

} // namespace

int runWithoutWindow(const CommandLineRequest &request, int &argc, char **argv)
{
    switch (request.action) {
    case CommandLineRequest::Action::Help: {
        // The parser's usage line names the program by the application
        // object's first argument: the installed name, not the path it was
        // started by.
        int nameOnly = 1;
        char name[] = "orvelle";
        char *arguments[] = {name, nullptr};
        QCoreApplication app(nameOnly, arguments);
        setApplicationNames();
        QCommandLineParser parser;
        addOptions(parser, Options());
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    case CommandLineRequest::Action::Print: {
        if (!request.toStandardError) {
            std::fputs(qUtf8Printable(request.text), stdout);
            return request.exitCode;
        }
        // An error speaks the learner's language: read again now that the
        // translation is loaded, which it cannot be before an application.
        const QStringList arguments = argumentsOf(argc, argv);
        QCoreApplication app(argc, argv);
        setApplicationNames();
        const Translations translations(SetUpLearnersLanguageFromStore().translation);
        std::fputs(qUtf8Printable(parseCommandLine(arguments).text), stderr);
        return request.exitCode;
    }
    case CommandLineRequest::Action::ExportHistory: {
        // No display needed: a core application only finds the files.
        QCoreApplication app(argc, argv);
        setApplicationNames();
        const Translations translations(SetUpLearnersLanguageFromStore().translation);
        const int answers = exportHistoryTo(request.exportFile);
        return answers != 0 ? answers : exportTestsBeside(request.exportFile);
    }
    case CommandLineRequest::Action::Tests: {
        QCoreApplication app(argc, argv);
        setApplicationNames();
        const Translations translations(SetUpLearnersLanguageFromStore().translation);
        return printTests();
    }
    case CommandLineRequest::Action::Statistics: {
        QCoreApplication app(argc, argv);
        setApplicationNames();
        const Translations translations(SetUpLearnersLanguageFromStore().translation);
        return printStatistics();
    }
    case CommandLineRequest::Action::OpenWindow:
        break;
    }
    return 0;
}
