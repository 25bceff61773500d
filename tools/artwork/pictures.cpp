// The level strips, the speaker, the help pictures and the title.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const char *const kNoteNames[12] = {"C", "D", "E", "F", "G", "A", "B", "C♯", "D♯", "F♯", "G♯", "A♯"};
const char *const kHintColours[12] = {"#0010FF", "#FFCC00", "#FF0000", "#009A00", "#7305E3", "#E17800",
                                      "#FF8695", "#00A2FF", "#FFE26F", "#59E559", "#CF6BF0", "#FFAC62"};

// A trophy cup standing on its base, fitted into r.
void drawTrophy(QPainter &p, const QRectF &r)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 100.0);
    QLinearGradient gold(0, 0, 100, 0);
    gold.setColorAt(0, Palette::goldDark);
    gold.setColorAt(0.4, QColor("#ffe08a"));
    gold.setColorAt(1, Palette::goldDark);
    const QPen outline(QColor("#9c6f10"), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Handles behind the bowl.
    p.setPen(QPen(Palette::goldDark, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 12, 26, 30), 90 * 16, 180 * 16);
    p.drawArc(QRectF(68, 12, 26, 30), -90 * 16, 180 * 16);

    QPainterPath bowl;
    bowl.moveTo(20, 6);
    bowl.lineTo(80, 6);
    bowl.cubicTo(80, 40, 68, 58, 50, 60);
    bowl.cubicTo(32, 58, 20, 40, 20, 6);
    bowl.closeSubpath();
    p.setPen(outline);
    p.setBrush(gold);
    p.drawPath(bowl);
    p.drawRect(QRectF(45, 60, 10, 14));
    p.drawRoundedRect(QRectF(30, 74, 40, 9), 2, 2);
    p.drawRoundedRect(QRectF(24, 83, 52, 11), 2, 2);

    // A star on the bowl.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal rad = i % 2 ? 5.5 : 13;
        const QPointF pt(50 + rad * std::cos(a), 29 + rad * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawPath(star);
    p.restore();
}

// Twelve level cells followed by the goal picture; levels up to n are reached.
QImage levelStrip(int n)
{
    QImage image = blankImage(2434, 102);
    QPainter p(&image);
    preparePainter(p);
    const qreal cellWidth = 2171.0 / 12;
    for (int level = 1; level <= 12; ++level) {
        const QRectF cell(std::round((level - 1) * cellWidth) + 5.5, 6.5, std::round(cellWidth) - 11, 89);
        QColor fill = Palette::white, border("#b5cbd8"), caption = Palette::greyBlue, number = Palette::muted;
        if (level < n) {
            fill = Palette::slate;
            border = Palette::slate.darker(120);
            caption = Palette::greyBlue;
            number = Palette::text;
        } else if (level == n) {
            fill = Palette::green;
            border = Palette::greenDark;
            caption = QColor("#dff5e7");
            number = Palette::white;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x42, 0x4c, 0x53, 30));
        p.drawRoundedRect(cell.translated(0, 2), 12, 12);
        p.setPen(QPen(border, level > n ? 2 : 1));
        p.setBrush(fill);
        p.drawRoundedRect(cell, 12, 12);
        QFont small = uiFont(19, QFont::Bold);
        small.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        drawCentredText(p, QRectF(cell.left(), 11, cell.width(), 24), "LEVEL", small, caption);
        drawCentredText(p, QRectF(cell.left(), 33, cell.width(), 58), QString::number(level),
                        uiFont(46, QFont::Bold), number);
    }

    // The goal: a trophy for perfect pitch.
    const QRectF goal(2171 + 6.5, 6.5, 263 - 13, 89);
    p.setPen(QPen(QColor("#e3c46f"), 2));
    p.setBrush(QColor("#fff6dc"));
    p.drawRoundedRect(goal, 12, 12);
    drawTrophy(p, QRectF(goal.left() + 10, 14, 72, 74));
    QFont words = uiFont(23, QFont::Bold);
    drawCentredText(p, QRectF(goal.left() + 84, 18, 160, 34), "PERFECT", words, QColor("#8a6310"));
    drawCentredText(p, QRectF(goal.left() + 84, 50, 160, 34), "PITCH", words, QColor("#8a6310"));
    return image;
}

void drawSpeakerGlyph(QPainter &p, const QPointF &c, const QColor &colour)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(c.x() - 52, c.y() - 20, 26, 40), 4, 4);
    QPainterPath cone;
    cone.moveTo(c.x() - 30, c.y() - 20);
    cone.lineTo(c.x() + 2, c.y() - 46);
    cone.quadTo(c.x() + 8, c.y() - 49, c.x() + 8, c.y() - 42);
    cone.lineTo(c.x() + 8, c.y() + 42);
    cone.quadTo(c.x() + 8, c.y() + 49, c.x() + 2, c.y() + 46);
    cone.lineTo(c.x() - 30, c.y() + 20);
    cone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(body.united(cone));
}

QImage speaker(bool waiting)
{
    QImage image = blankImage(243, 243);
    QPainter p(&image);
    preparePainter(p);
    const QPointF centre(121.5, 121.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(centre + QPointF(0, 3), 116, 116);
    QRadialGradient disc(centre - QPointF(30, 40), 190);
    disc.setColorAt(0, QColor("#56636c"));
    disc.setColorAt(1, Palette::slateDeep);
    p.setBrush(disc);
    p.setPen(QPen(waiting ? Palette::green : Palette::white, 6));
    p.drawEllipse(centre, 113, 113);

    const QPointF glyph = centre + QPointF(-6, 0);
    drawSpeakerGlyph(p, glyph, Palette::text);
    if (waiting) {
        // The note has been played: the speaker waits for the answer.
        drawCentredText(p, QRectF(glyph.x() + 14, glyph.y() - 50, 64, 100), "?", uiFont(84, QFont::Bold),
                        Palette::white);
    } else {
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            const qreal r = 26 + i * 20;
            p.setPen(QPen(QColor(208, 239, 255, 255 - i * 60), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(glyph.x() + 8 - r, glyph.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        }
    }
    return image;
}

// A small keyboard of `whites` white keys in r; white key `mark` (or -1) is coloured.
void drawMiniKeyboard(QPainter &p, const QRectF &r, int whites, int mark, const QColor &markColour)
{
    const qreal w = r.width() / whites;
    p.save();
    p.setPen(QPen(QColor("#9aa8b2"), 1.5));
    for (int i = 0; i < whites; ++i) {
        p.setBrush(i == mark ? markColour : Palette::white);
        p.drawRoundedRect(QRectF(r.left() + i * w, r.top(), w, r.height()), 3, 3);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::slateDeep);
    for (int i = 0; i < whites - 1; ++i) {
        const int inOctave = i % 7;
        if (inOctave == 2 || inOctave == 6)
            continue;
        p.drawRoundedRect(QRectF(r.left() + (i + 1) * w - w * 0.3, r.top(), w * 0.6, r.height() * 0.6), 2, 2);
    }
    p.restore();
}

QImage aboutPicture()
{
    QImage image = blankImage(800, 200);
    QPainter p(&image);
    preparePainter(p);
    // A tone heard ...
    QPainterPath wave;
    for (int x = 0; x <= 260; ++x) {
        const qreal fade = std::sin(M_PI * x / 260.0);
        const QPointF pt(90 + x, 100 + 46 * fade * std::sin(x / 260.0 * 6 * M_PI));
        x ? wave.lineTo(pt) : wave.moveTo(pt);
    }
    p.setPen(QPen(Palette::text, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    // ... is named at once ...
    p.setPen(QPen(Palette::greyBlue, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(380, 100), QPointF(430, 100));
    const QPointF head[] = {{416, 84}, {434, 100}, {416, 116}};
    p.drawPolyline(head, 3);
    // ... as the key on the instrument.
    drawMiniKeyboard(p, QRectF(462, 30, 252, 140), 7, 4, Palette::green);
    drawCentredText(p, QRectF(462 + 4 * 36, 120, 36, 44), "G", uiFont(24, QFont::Bold), Palette::white);
    return image;
}

QImage pitchPicture()
{
    QImage image = blankImage(800, 200);
    QPainter p(&image);
    preparePainter(p);
    // Twelve steps, one new note each, up to the trophy.
    const qreal stepW = 52, stepH = 12.5, baseY = 190;
    for (int i = 0; i < 12; ++i) {
        const qreal h = 28 + i * stepH;
        const QRectF step(40 + i * stepW, baseY - h, stepW - 4, h);
        QColor c = Palette::greyBlue;
        c = QColor::fromRgbF(c.redF() + (Palette::green.redF() - c.redF()) * i / 11.0,
                             c.greenF() + (Palette::green.greenF() - c.greenF()) * i / 11.0,
                             c.blueF() + (Palette::green.blueF() - c.blueF()) * i / 11.0);
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(step, 5, 5);
        drawCentredText(p, QRectF(step.left(), step.top() + 2, step.width(), 30), kNoteNames[i],
                        uiFont(19, QFont::Bold), Palette::white);
    }
    drawTrophy(p, QRectF(672, 10, 100, 100));
    return image;
}

QImage colourHintPicture()
{
    QImage image = blankImage(800, 200);
    QPainter p(&image);
    preparePainter(p);
    for (int i = 0; i < 12; ++i) {
        const QColor c(kHintColours[i]);
        const QRectF circle(22 + i * 64, 70, 52, 52);
        p.setPen(QPen(QColor(255, 255, 255, 200), 3));
        p.setBrush(c);
        p.drawEllipse(circle);
        const bool light = c.lightnessF() > 0.6 || (c.hue() > 40 && c.hue() < 70);
        drawCentredText(p, circle, kNoteNames[i], uiFont(18, QFont::Bold),
                        light ? Palette::slateDeep : Palette::white);
    }
    return image;
}

// A mouse arrow with its tip at `tip`.
void drawPointer(QPainter &p, const QPointF &tip, qreal size)
{
    QPainterPath arrow;
    const QPointF pts[] = {{0, 0}, {0, 17}, {4.2, 13}, {7, 19.5}, {9.6, 18.4}, {6.9, 12}, {12, 12}};
    arrow.moveTo(tip);
    for (const QPointF &pt : pts)
        arrow.lineTo(tip + pt * size / 20.0);
    arrow.closeSubpath();
    p.setPen(QPen(Palette::slateDeep, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Palette::white);
    p.drawPath(arrow);
}

QImage midiPicture()
{
    QImage image = blankImage(800, 200);
    QPainter p(&image);
    preparePainter(p);
    // The built-in keyboard, answered with the mouse.
    drawMiniKeyboard(p, QRectF(30, 40, 280, 130), 8, 2, Palette::green);
    drawPointer(p, QPointF(104, 128), 58);

    drawCentredText(p, QRectF(330, 70, 120, 60), "or", uiFont(34, QFont::Bold), Palette::greyBlue);

    // A MIDI keyboard on a USB cable.
    const QRectF body(470, 50, 300, 130);
    p.setPen(QPen(QColor("#5d6a73"), 2));
    p.setBrush(Palette::slateDeep);
    p.drawRoundedRect(body, 10, 10);
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(Palette::greyBlue, 2));
        p.setBrush(QColor("#56636c"));
        p.drawEllipse(QPointF(500 + i * 32, 72), 9, 9);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::green);
    p.drawRoundedRect(QRectF(650, 64, 90, 16), 4, 4);
    drawMiniKeyboard(p, QRectF(484, 94, 272, 76), 10, 5, Palette::green);
    p.setPen(QPen(Palette::text, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(620, 50);
    cable.cubicTo(620, 10, 700, 30, 730, 14);
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::text);
    p.drawRoundedRect(QRectF(726, 4, 34, 20), 3, 3);
    p.setBrush(Palette::slate);
    p.drawRect(QRectF(742, 9, 12, 4));
    p.drawRect(QRectF(742, 15, 12, 4));
    return image;
}

// The product name on the dark header, with a small keyboard mark.
QImage title()
{
    QImage image = blankImage(500, 80);
    QPainter p(&image);
    preparePainter(p);
    const QRectF mark(4, 8, 64, 64);
    QLinearGradient g(0, mark.top(), 0, mark.bottom());
    g.setColorAt(0, QColor("#a9c3d2"));
    g.setColorAt(1, Palette::greyBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(mark, 14, 14);
    // Three white keys and two black keys.
    const QRectF keys(mark.left() + 12, mark.top() + 12, 40, 40);
    p.setBrush(Palette::white);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(keys.left() + i * 13.5, keys.top(), 12.5, keys.height()), 2.5, 2.5);
    p.setBrush(Palette::slate);
    for (int i = 1; i < 3; ++i)
        p.drawRoundedRect(QRectF(keys.left() + i * 13.5 - 4.5, keys.top(), 8, 24), 1.5, 1.5);

    QFont f = uiFont(54, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(f);
    p.setPen(Palette::white);
    p.drawText(QRectF(86, 0, 414, 80), Qt::AlignLeft | Qt::AlignVCenter, "Orvelle");
    return image;
}

}  // namespace

void writePictures(ImageWriter &out)
{
    for (int n = 1; n <= 12; ++n)
        out.save(levelStrip(n), QString("level%1.png").arg(n));
    out.save(speaker(false), "speaker.png");
    out.save(speaker(true), "waitingspeaker.png");
    out.save(aboutPicture(), "wizard_pic_about.png");
    out.save(pitchPicture(), "wizard_pic_pitch.png");
    out.save(colourHintPicture(), "wizard_pic_colorhint.png");
    out.save(midiPicture(), "wizard_pic_midi.png");
    out.save(title(), "title.png");
}
