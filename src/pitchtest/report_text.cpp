#include "report_text.h"

#include <QCoreApplication>

namespace PitchTest {

namespace {

QString PercentText(double value) { return QString::number(value, 'f', 1) + QStringLiteral(" %"); }

QString PointsText(const Figures &f)
{
    return QStringLiteral("%1 / %2").arg(QString::number(f.points, 'f', 2)).arg(f.trials);
}

QString SignedText(double value)
{
    return (value > 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 2);
}

QString SecondsText(qint64 ms) { return QString::number(ms / 1000.0, 'f', 2) + QStringLiteral(" s"); }

ReportRow Row(const QString &label, const TestReport &r, QString (*text)(const Figures &))
{
    return {label, text(r.piano), text(r.pureTone), text(r.overall)};
}

} // namespace

std::vector<ReportRow> ReportRows(const TestReport &report)
{
    return {
        Row(QCoreApplication::translate("PitchTest", "Pitch class right"), report,
            [](const Figures &f) { return PercentText(f.classPercent); }),
        Row(QCoreApplication::translate("PitchTest", "Exact key (octave too)"), report,
            [](const Figures &f) { return PercentText(f.keyPercent); }),
        Row(QCoreApplication::translate("PitchTest", "Points (1 right, 0.75 a semitone off)"), report, PointsText),
        Row(QCoreApplication::translate("PitchTest", "Mean error (semitones, 0-6)"), report,
            [](const Figures &f) { return QString::number(f.meanCircularError, 'f', 2); }),
        Row(QCoreApplication::translate("PitchTest", "Bias (+ sharp, - flat)"), report,
            [](const Figures &f) { return SignedText(f.bias); }),
        Row(QCoreApplication::translate("PitchTest", "Median reaction time"), report,
            [](const Figures &f) { return SecondsText(f.medianReactionMs); }),
        Row(QCoreApplication::translate("PitchTest", "Right answers within 2.0 s"), report,
            [](const Figures &f) { return PercentText(f.fastRightPercent); }),
    };
}

QString ApLineText(const TestReport &report)
{
    return report.ApLineReached()
               ? QCoreApplication::translate("PitchTest", "Absolute pitch line (24.5 of 36 on pure tones): reached")
               : QCoreApplication::translate("PitchTest",
                                             "Absolute pitch line (24.5 of 36 on pure tones): not reached");
}

QString TestsListText(const std::vector<FinishedTest> &tests)
{
    if (tests.empty())
        return QCoreApplication::translate("PitchTest", "No pitch test finished yet.") + QLatin1Char('\n');
    QString text = QCoreApplication::translate(
                       "PitchTest", "Finished            Pure tone  Piano   Pitch class  Exact key  AP line") +
                   QLatin1Char('\n');
    for (const FinishedTest &t : tests) {
        const TestReport &r = t.report;
        text += QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                    .arg(t.finishedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")), -16)
                    .arg(QString::number(r.pureTone.points, 'f', 2), 9)
                    .arg(QString::number(r.piano.points, 'f', 2), 6)
                    .arg(PercentText(r.overall.classPercent), 11)
                    .arg(PercentText(r.overall.keyPercent), 9)
                    .arg(r.ApLineReached() ? QCoreApplication::translate("PitchTest", "reached")
                                           : QCoreApplication::translate("PitchTest", "not reached"));
    }
    return text;
}

} // namespace PitchTest
