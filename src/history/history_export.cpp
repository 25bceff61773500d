#include "history_export.h"

#include "answer_history.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kHeader[] = "time_utc,level,question_index,question_note,question_name,answer_note,answer_name,correct,"
                       "source,reaction_ms,during_note,replays\r\n";
// Leading characters that make a spreadsheet read a cell as a formula.
const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
// Links followed at most when a target's final name is looked for.
constexpr int kMostLinks = 40;

// The path a write to `path` reaches: symbolic links resolved, also a link
// whose target does not exist yet, and a file still to be made named in its
// folder's resolved path.
QString reachedPath(const QString &path, int links = 0)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink() && links < kMostLinks)
        return reachedPath(info.symLinkTarget(), links + 1);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

bool sameInode(const QString &a, const QString &b)
{
    struct stat first;
    struct stat second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

bool inFamilyOf(const QString &reached, const QString &own)
{
    const QFileInfo target(reached);
    const QFileInfo file(reachedPath(own));
    return target.absolutePath() == file.absolutePath() && target.fileName().startsWith(file.fileName());
}

// Scientific pitch notation in plain ASCII, middle C (60) being C4.
QString csvNoteName(unsigned note)
{
    static const char *const names[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    return QString::fromLatin1(names[note % 12]) + QString::number(static_cast<int>(note / 12) - 1);
}

// RFC 4180: a field with a comma, a quote or a line break goes in quotes,
// its quotes doubled. Text that a spreadsheet would run as a formula is
// turned into plain text first.
QString csvText(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && kFormulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')) &&
        !field.contains(QLatin1Char('\r')))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvRow(const AnswerRecord &r)
{
    const QStringList fields = {
        csvText(QDateTime::fromMSecsSinceEpoch(r.timeUtcMs, Qt::UTC).toString(Qt::ISODateWithMs)),
        QString::number(r.level),
        QString::number(r.questionIndex),
        QString::number(r.questionNote),
        csvText(csvNoteName(r.questionNote)),
        QString::number(r.answerNote),
        csvText(csvNoteName(r.answerNote)),
        r.correct ? QStringLiteral("1") : QStringLiteral("0"),
        csvText(r.source),
        r.reactionMs >= 0 ? QString::number(r.reactionMs) : QString(),
        r.duringNote ? QStringLiteral("1") : QStringLiteral("0"),
        QString::number(r.replays),
    };
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// Header and rows into `out`; false when the history cannot be read or the
// device takes no more.
bool writeCsv(const AnswerHistory &history, QIODevice &out, const QString &name, QString &error, int &rows)
{
    QTextStream text(&out);
    text.setCodec("UTF-8");
    text << kHeader;
    rows = 0;
    const bool read = history.forEach([&text, &rows](const AnswerRecord &r) {
        text << csvRow(r);
        ++rows;
    });
    text.flush();
    if (!read) {
        error = QStringLiteral("The answer history %1 cannot be read").arg(history.path());
        return false;
    }
    if (text.status() != QTextStream::Ok) {
        error = QStringLiteral("%1 cannot be written: %2").arg(name, out.errorString());
        return false;
    }
    return true;
}

// Standard output, a FIFO or a device: there is nothing to replace, so the
// rows go in as they are read.
bool exportStraightInto(const AnswerHistory &history, QFile &out, const QString &name, QString &error, int &rows)
{
    const bool ok = writeCsv(history, out, name, error, rows);
    if (ok && !out.flush()) {
        error = QStringLiteral("%1 cannot be written: %2").arg(name, out.errorString());
        return false;
    }
    return ok;
}

} // namespace

QString exportTargetRefusal(const QString &target, const QStringList &ownFiles)
{
    if (target == QLatin1String("-"))
        return QString();
    const QString reached = reachedPath(target);
    for (const QString &own : ownFiles) {
        if (inFamilyOf(reached, own) || sameInode(target, own))
            return QStringLiteral("%1 is one of Orvelle's own files; the export does not write over it").arg(target);
    }
    return QString();
}

bool exportHistoryCsv(const AnswerHistory &history, const QString &target, QString &error, int *written)
{
    int rows = 0;
    int &count = written ? *written : rows;
    count = 0;
    if (!history.problem().isEmpty()) {
        error = history.problem();
        return false;
    }
    if (target == QLatin1String("-")) {
        QFile out;
        if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            error = QStringLiteral("Standard output cannot be written: %1").arg(out.errorString());
            return false;
        }
        return exportStraightInto(history, out, QStringLiteral("Standard output"), error, count);
    }
    const QFileInfo info(target);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("%1 cannot be written: %2").arg(target, out.errorString());
            return false;
        }
        return exportStraightInto(history, out, target, error, count);
    }
    // A link, even one to a file still to be made: the file it leads to is
    // written, the link stays.
    QSaveFile out(reachedPath(target));
    if (!out.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("%1 cannot be written: %2").arg(target, out.errorString());
        return false;
    }
    if (!writeCsv(history, out, target, error, count)) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        error = QStringLiteral("%1 cannot be written: %2").arg(target, out.errorString());
        return false;
    }
    return true;
}
