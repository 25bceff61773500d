#include "command_line.h"

#include "answer_history.h"
#include "history_statistics.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

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
    for (const char *name : kQtValueOptions)
        addHidden(parser, QString::fromLatin1(name), QStringLiteral("value"));
    for (const char *name : kQtFlagOptions)
        addHidden(parser, QString::fromLatin1(name));
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    const QCommandLineOption &help = options.help;
    const QCommandLineOption &version = options.version;
    const QCommandLineOption &exportHistory = options.exportHistory;
    addOptions(parser, options);

    if (!parser.parse(arguments))
        return print(QStringLiteral("orvelle: %1\nTry 'orvelle --help'.\n").arg(parser.errorText()), kUsageExitCode, true);
    if (parser.isSet(help)) {
        CommandLineRequest request;
        request.action = CommandLineRequest::Action::Help;
        return request;
    }
    if (parser.isSet(version))
        return print(QStringLiteral("Orvelle %1\n").arg(QStringLiteral(ORVELLE_VERSION)));
    if (!parser.positionalArguments().isEmpty()) {
        return print(QStringLiteral("orvelle: unexpected argument '%1'\nTry 'orvelle --help'.\n")
                         .arg(parser.positionalArguments().first()),
                     kUsageExitCode, true);
    }
    if (parser.isSet(options.statistics)) {
        CommandLineRequest request;
        request.action = CommandLineRequest::Action::Statistics;
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

int exportHistoryTo(const QString &file)
{
    const AnswerHistory history(AnswerHistory::defaultPath(), AnswerHistory::Mode::ReadOnly);
    QString error;
    if (!exportHistoryCsv(history, file, error)) {
        std::fprintf(stderr, "orvelle: %s\n", qUtf8Printable(error));
        return kUsageExitCode;
    }
    return 0;
}

int printStatistics()
{
    const AnswerHistory history(AnswerHistory::defaultPath(), AnswerHistory::Mode::ReadOnly);
    std::vector<AnswerRecord> answers;
    if (!history.problem().isEmpty() || !history.forEach([&answers](const AnswerRecord &r) { answers.push_back(r); })) {
        std::fprintf(stderr, "orvelle: the answer history %s cannot be read\n", qUtf8Printable(history.path()));
        return kUsageExitCode;
    }
    std::fputs(qUtf8Printable(statisticsReport(computeStatistics(answers, StatisticsFilter()))), stdout);
    return 0;
}

} // namespace

int runWithoutWindow(const CommandLineRequest &request, int &argc, char **argv)
{
    switch (request.action) {
    case CommandLineRequest::Action::Help: {
        // The help names the program as it was called, which only an
        // application object knows.
        QCoreApplication app(argc, argv);
        setApplicationNames();
        QCommandLineParser parser;
        addOptions(parser, Options());
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    case CommandLineRequest::Action::Print:
        std::fputs(qUtf8Printable(request.text), request.toStandardError ? stderr : stdout);
        return request.exitCode;
    case CommandLineRequest::Action::ExportHistory: {
        // No display needed: a core application only finds the files.
        QCoreApplication app(argc, argv);
        setApplicationNames();
        return exportHistoryTo(request.exportFile);
    }
    case CommandLineRequest::Action::Statistics: {
        QCoreApplication app(argc, argv);
        setApplicationNames();
        return printStatistics();
    }
    case CommandLineRequest::Action::OpenWindow:
        break;
    }
    return 0;
}
