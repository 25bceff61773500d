#include "report_pdf.h"

#include <theory/note_naming.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace PitchTest {

namespace {

// The pitch classes as the learner names them everywhere else.
QString LearnersClassName(int pitchClass) { return Theory::PitchClassName(pitchClass, Theory::CurrentNoteNaming()); }

// The page is drawn in points (1/72 inch): A4 is 595 × 842 with margins of 40.
constexpr int kPageWidth = 595 - 2 * 40;

class Page {
public:
    explicit Page(QPainter &painter) : p(painter) {}

    void Title(const QString &text, const QString &subtitle)
    {
        Font(16, true);
        p.drawText(0, y + 16, text);
        y += 24;
        Font(9, false);
        p.drawText(0, y + 10, subtitle);
        y += 24;
    }

    void Table(const std::vector<ReportRow> &rows)
    {
        const int columns[] = {0, 250, 340, 430};
        Font(9, true);
        const QString heads[] = {QString(), QCoreApplication::translate("PitchTest", "Piano"),
                                 QCoreApplication::translate("PitchTest", "Pure tone"),
                                 QCoreApplication::translate("PitchTest", "Overall")};
        for (int c = 0; c < 4; ++c)
            p.drawText(columns[c], y + 10, heads[c]);
        y += 15;
        Font(9, false);
        for (const ReportRow &row : rows) {
            const QString cells[] = {row.label, row.piano, row.pureTone, row.overall};
            for (int c = 0; c < 4; ++c)
                p.drawText(columns[c], y + 10, cells[c]);
            y += 14;
        }
        y += 8;
    }

    void Line(const QString &text, bool bold = false)
    {
        Font(10, bold);
        p.drawText(0, y + 11, text);
        y += 18;
    }

    // The overall pitch-class score on a 0–100 % bar with the reference means.
    void ReferenceBar(double percent)
    {
        const int height = 14;
        p.setPen(Qt::black);
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(0, y, kPageWidth, height);
        p.setBrush(QColor(60, 120, 200));
        p.drawRect(0, y, static_cast<int>(kPageWidth * std::clamp(percent, 0.0, 100.0) / 100.0), height);
        Font(8, false);
        const struct {
            double percent;
            QString name;
        } marks[] = {{kChancePercent, QCoreApplication::translate("PitchTest", "chance")},
                     {kNonPossessorPercent, QCoreApplication::translate("PitchTest", "non-possessors")},
                     {kPossessorPercent, QCoreApplication::translate("PitchTest", "possessors")}};
        int row = 0;
        for (const auto &mark : marks) {
            const int x = static_cast<int>(kPageWidth * mark.percent / 100.0);
            p.drawLine(x, y - 3, x, y + height + 3);
            p.drawText(x + 2, y + height + 12 + 10 * row++,
                       QStringLiteral("%1 %2 %").arg(mark.name, QString::number(mark.percent, 'f', 1)));
        }
        y += height + 48;
    }

    void ClassAccuracy(const Figures &f)
    {
        Font(9, true);
        p.drawText(0, y + 10, QCoreApplication::translate("PitchTest", "Right per pitch class (all tones)"));
        y += 16;
        Font(8, false);
        const int cell = kPageWidth / 12;
        for (int c = 0; c < 12; ++c) {
            const auto i = static_cast<std::size_t>(c);
            const QString value = f.trialsOfClass[i] ? QStringLiteral("%1/%2").arg(f.rightOfClass[i]).arg(f.trialsOfClass[i])
                                                     : QStringLiteral("-");
            p.drawText(QRect(c * cell, y, cell, 12), Qt::AlignCenter, LearnersClassName(c));
            p.drawText(QRect(c * cell, y + 12, cell, 12), Qt::AlignCenter, value);
        }
        y += 32;
    }

    void Confusion(const Figures &f)
    {
        Font(9, true);
        p.drawText(0, y + 10,
                   QCoreApplication::translate("PitchTest", "Confusions (rows: tone played; columns: key answered)"));
        y += 16;
        Font(7, false);
        const int cell = kPageWidth / 13;
        for (int c = 0; c < 12; ++c)
            p.drawText(QRect((c + 1) * cell, y, cell, 11), Qt::AlignCenter, LearnersClassName(c));
        y += 11;
        for (int r = 0; r < 12; ++r) {
            p.drawText(QRect(0, y, cell, 11), Qt::AlignCenter, LearnersClassName(r));
            for (int c = 0; c < 12; ++c) {
                const int count = f.confusion[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                if (r == c)
                    p.fillRect(QRect((c + 1) * cell, y, cell, 11), QColor(215, 235, 215));
                if (count)
                    p.drawText(QRect((c + 1) * cell, y, cell, 11), Qt::AlignCenter, QString::number(count));
            }
            y += 11;
        }
        y += 10;
    }

private:
    void Font(int points, bool bold)
    {
        QFont font = p.font();
        font.setPointSize(points);
        font.setBold(bold);
        p.setFont(font);
        p.setPen(Qt::black);
    }

    QPainter &p;
    int y = 0;
};

} // namespace

QString WriteReportPdf(const FinishedTest &test, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QCoreApplication::translate("PitchTest", "Cannot write %1: %2")
            .arg(QFileInfo(path).fileName(), file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(40, 40, 40, 40), QPageLayout::Point);
        writer.setResolution(72);
        writer.setTitle(QCoreApplication::translate("PitchTest", "Pitch test"));
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&writer))
            return QCoreApplication::translate("PitchTest", "Cannot write %1").arg(QFileInfo(path).fileName());
        Page page(painter);
        const TestReport &r = test.report;
        page.Title(QCoreApplication::translate("PitchTest", "Pitch test"),
                   QCoreApplication::translate("PitchTest", "Finished %1; order seed %2")
                       .arg(test.finishedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm")))
                       .arg(test.seed));
        page.Table(ReportRows(r));
        page.Line(ApLineText(r), true);
        page.Line(QCoreApplication::translate("PitchTest", "Pitch class right, all tones: %1 %")
                      .arg(QString::number(r.overall.classPercent, 'f', 1)));
        page.ReferenceBar(r.overall.classPercent);
        page.ClassAccuracy(r.overall);
        page.Confusion(r.overall);
        painter.end();
    }
    file.flush();
    if (file.error() != QFileDevice::NoError) {
        const QString problem = QCoreApplication::translate("PitchTest", "Cannot write %1: %2")
                                    .arg(QFileInfo(path).fileName(), file.errorString());
        file.close();
        file.remove();
        return problem;
    }
    return QString();
}

} // namespace PitchTest
