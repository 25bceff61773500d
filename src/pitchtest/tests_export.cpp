#include "tests_export.h"

#include "test_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSaveFile>
#include <QTextStream>

namespace PitchTest {

namespace {

const char kHeader[] = "test_id,test_finished_utc,trial_index,block,timbre,level_db,question_note,question_name,"
                       "answer_note,answer_name,class_right,key_right,points,reaction_ms,time_utc,source\r\n";

QString Time(qint64 utcMs)
{
    return utcMs > 0 ? QDateTime::fromMSecsSinceEpoch(utcMs, Qt::UTC).toString(Qt::ISODateWithMs) : QString();
}

QString PlainNoteName(int note) { return ClassName(note) + QString::number(note / 12 - 1); }

// Quoted where RFC 4180 asks; text a spreadsheet would run as a formula
// is made plain text first.
QString Field(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
        field.prepend(QLatin1Char('\''));
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString Row(const StoredTrial &t)
{
    const int asked = t.trial.note, answered = t.answer.answerNote;
    return QStringList {QString::number(t.testId),
                        Time(t.testFinishedUtcMs),
                        QString::number(t.index),
                        QString::number(BlockOfTrial(t.index) + 1),
                        TimbreName(t.trial.timbre),
                        QString::number(t.trial.levelDecibels),
                        QString::number(asked),
                        PlainNoteName(asked),
                        QString::number(answered),
                        PlainNoteName(answered),
                        ClassError(asked, answered) == 0 ? QStringLiteral("1") : QStringLiteral("0"),
                        asked == answered ? QStringLiteral("1") : QStringLiteral("0"),
                        QString::number(PointsFor(asked, answered)),
                        QString::number(t.answer.reactionMs),
                        Time(t.timeUtcMs),
                        Field(t.source)}
               .join(QLatin1Char(','))
           + QStringLiteral("\r\n");
}

} // namespace

QString TestsCsvPath(const QString &answersFile)
{
    QString base = answersFile;
    if (base.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral("-tests.csv");
}

bool ExportTestsCsv(TestStore &store, const QString &target, QString &error, int *written)
{
    int rows = 0;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        error = QCoreApplication::translate("PitchTest", "%1 cannot be written: %2").arg(target, out.errorString());
        return false;
    }
    QTextStream text(&out);
    text.setCodec("UTF-8");
    text << kHeader;
    const bool read = store.forEachTrial([&](const StoredTrial &t) {
        text << Row(t);
        ++rows;
    });
    text.flush();
    if (!read) {
        out.cancelWriting();
        error = store.problem().isEmpty() ? QCoreApplication::translate("PitchTest", "The pitch tests cannot be read")
                                          : store.problem();
        return false;
    }
    if (text.status() != QTextStream::Ok || !out.commit()) {
        error = QCoreApplication::translate("PitchTest", "%1 cannot be written: %2").arg(target, out.errorString());
        return false;
    }
    if (written)
        *written = rows;
    return true;
}

} // namespace PitchTest
