// Buttons, header icons, the device selector, the colour switch, the help
// window's arrows and the progress strip with its marker.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

enum class State { Normal, Hovered, Pressed };

const char *suffix(State s)
{
    switch (s) {
    case State::Normal: return "n";
    case State::Hovered: return "h";
    case State::Pressed: return "p";
    }
    return "n";
}

constexpr State kStates[] = {State::Normal, State::Hovered, State::Pressed};

// 129 x 40 button background; the label is drawn by the window.
QImage buttonBackground(QColor base, State s)
{
    QImage image = blankImage(129, 40);
    QPainter p(&image);
    preparePainter(p);
    if (s == State::Hovered)
        base = base.lighter(112);
    if (s == State::Pressed)
        base = base.darker(118);
    const QRectF outer(0.5, 0.5, 128, 39);
    // A soft drop shadow, gone while pressed.
    if (s != State::Pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(outer.adjusted(0, 1.5, 0, 0), 7, 7);
    }
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, s == State::Pressed ? base.darker(108) : base.lighter(110));
    g.setColorAt(1, s == State::Pressed ? base.lighter(104) : base.darker(108));
    p.setBrush(g);
    p.setPen(QPen(base.darker(130), 1));
    p.drawRoundedRect(outer.adjusted(0, 0, 0, -1.5), 7, 7);
    // A thin highlight along the top edge.
    if (s != State::Pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(7, 1.5), QPointF(122, 1.5));
    }
    return image;
}

// Header icons, 37 x 37 on the dark header.
void iconBackdrop(QPainter &p, State s)
{
    if (s == State::Normal)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(s == State::Hovered ? QColor(255, 255, 255, 34) : QColor(0, 0, 0, 60));
    p.drawEllipse(QRectF(2.5, 2.5, 32, 32));
}

QColor iconColour(State s)
{
    if (s == State::Hovered)
        return Palette::white;
    if (s == State::Pressed)
        return Palette::greyBlue;
    return Palette::text;
}

QImage closeIcon(State s)
{
    QImage image = blankImage(37, 37);
    QPainter p(&image);
    preparePainter(p);
    iconBackdrop(p, s);
    p.setPen(QPen(iconColour(s), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 12.5), QPointF(24.5, 24.5));
    p.drawLine(QPointF(24.5, 12.5), QPointF(12.5, 24.5));
    return image;
}

QImage minimiseIcon(State s)
{
    QImage image = blankImage(37, 37);
    QPainter p(&image);
    preparePainter(p);
    iconBackdrop(p, s);
    p.setPen(QPen(iconColour(s), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 24), QPointF(24.5, 24));
    return image;
}

QImage helpIcon(State s)
{
    QImage image = blankImage(37, 37);
    QPainter p(&image);
    preparePainter(p);
    iconBackdrop(p, s);
    p.setPen(QPen(iconColour(s), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(8.5, 8.5, 20, 20));
    drawCentredText(p, QRectF(8.5, 8.5, 20, 20.5), "?", uiFont(15, QFont::Bold), iconColour(s));
    return image;
}

// 212 x 37 device selector; the window writes the device name over the left part.
QImage dropdown(State s)
{
    QImage image = blankImage(212, 37);
    QPainter p(&image);
    preparePainter(p);
    QColor fill = Palette::lightBlue;
    if (s == State::Hovered)
        fill = QColor("#eaf4fa");
    if (s == State::Pressed)
        fill = QColor("#b9d3e3");
    const QRectF r(0.5, 0.5, 211, 36);
    p.setPen(QPen(s == State::Pressed ? Palette::muted : Palette::greyBlue, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 5, 5);
    p.setPen(QPen(QColor(0x42, 0x4c, 0x53, 60), 1));
    p.drawLine(QPointF(177.5, 7), QPointF(177.5, 30));
    // The chevron points down, or up while the list is open.
    p.setPen(QPen(Palette::slate, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal cx = 194.5, cy = 18.5;
    const qreal dir = s == State::Pressed ? -1 : 1;
    const QPointF chevron[] = {{cx - 5, cy - 2.5 * dir}, {cx, cy + 2.5 * dir}, {cx + 5, cy - 2.5 * dir}};
    p.drawPolyline(chevron, 3);
    return image;
}

// The colour switch: a 72 x 37 groove and a round grip.
QImage sliderGroove(bool on)
{
    QImage image = blankImage(72, 37);
    QPainter p(&image);
    preparePainter(p);
    const QRectF r(1, 4.5, 70, 28);
    if (on) {
        // The groove shows the colours of the hint itself.
        QLinearGradient g(r.left(), 0, r.right(), 0);
        const char *colours[] = {"#0010FF", "#00A2FF", "#009A00", "#FFCC00", "#E17800", "#FF0000", "#7305E3"};
        for (int i = 0; i < 7; ++i)
            g.setColorAt(i / 6.0, QColor(colours[i]));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(r, 14, 14);
        QLinearGradient sheen(0, r.top(), 0, r.bottom());
        sheen.setColorAt(0, QColor(255, 255, 255, 90));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.setBrush(sheen);
        p.drawRoundedRect(r, 14, 14);
        p.setPen(QPen(QColor(255, 255, 255, 120), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 13.5, 13.5);
    } else {
        p.setPen(QPen(QColor("#5d6a73"), 1));
        p.setBrush(Palette::slateDeep);
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 13.5, 13.5);
    }
    return image;
}

QImage sliderGrip()
{
    QImage image = blankImage(31, 31);
    QPainter p(&image);
    preparePainter(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QRectF(2, 3, 27, 27));
    QRadialGradient g(QPointF(13, 11), 16);
    g.setColorAt(0, Palette::white);
    g.setColorAt(1, QColor("#dce6ec"));
    p.setBrush(g);
    p.setPen(QPen(QColor("#9fb1bc"), 1));
    p.drawEllipse(QRectF(2.5, 1.5, 26, 26));
    return image;
}

// 25 x 41 paging arrows for the help window.
QImage arrow(bool left, State s)
{
    QImage image = blankImage(25, 41);
    QPainter p(&image);
    preparePainter(p);
    QColor c = QColor(208, 239, 255, 170);
    if (s == State::Hovered)
        c = Palette::white;
    if (s == State::Pressed)
        c = Palette::greyBlue;
    p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal tip = left ? 5 : 20, back = left ? 19 : 6;
    const qreal shift = s == State::Pressed ? (left ? -1 : 1) : 0;
    const QPointF chevron[] = {{back + shift, 6}, {tip + shift, 20.5}, {back + shift, 35}};
    p.drawPolyline(chevron, 3);
    return image;
}

// 2432 x 16 progress track; the window lays the answer cells over it, 4 in from each end.
QImage timelineStrip()
{
    QImage image = blankImage(2432, 16);
    QPainter p(&image);
    preparePainter(p);
    const QRectF r(0.5, 0.5, 2431, 15);
    p.setPen(QPen(QColor("#a9bdc9"), 1));
    p.setBrush(Palette::white);
    p.drawRoundedRect(r, 7.5, 7.5);
    QLinearGradient inner(0, 0, 0, 16);
    inner.setColorAt(0, QColor(0x42, 0x4c, 0x53, 28));
    inner.setColorAt(0.5, QColor(0x42, 0x4c, 0x53, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(inner);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6.5, 6.5);
    return image;
}

// 48 x 24 marker that points up at the strip; the window writes a number in it
// and turns the second one over to point down.
QImage marker()
{
    QImage image = blankImage(48, 24);
    QPainter p(&image);
    preparePainter(p);
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 6.5, 47, 17), 5, 5);
    QPainterPath pointer;
    pointer.moveTo(16, 7.5);
    pointer.lineTo(24, 0);
    pointer.lineTo(32, 7.5);
    pointer.closeSubpath();
    path = path.united(pointer);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::slate);
    p.drawPath(path);
    return image;
}

}  // namespace

void writeControls(ImageWriter &out)
{
    for (State s : kStates) {
        const QString sfx = suffix(s);
        out.save(buttonBackground(Palette::green, s), "btn_green_" + sfx + ".png");
        out.save(buttonBackground(QColor("#6f8694"), s), "btn_gray_" + sfx + ".png");
        out.save(closeIcon(s), "btn_close_" + sfx + ".png");
        out.save(minimiseIcon(s), "btn_min_" + sfx + ".png");
        out.save(helpIcon(s), "btn_help_" + sfx + ".png");
        out.save(dropdown(s), "dropdown_" + sfx + ".png");
    }
    out.save(sliderGroove(true), "slider_bg_color.png");
    out.save(sliderGroove(false), "slider_bg_dark.png");
    out.save(sliderGrip(), "slider_grip.png");
    // "nomal" is the name the help window asks for.
    out.save(arrow(true, State::Normal), "arrow_left_nomal.png");
    out.save(arrow(false, State::Normal), "arrow_right_nomal.png");
    out.save(arrow(true, State::Hovered), "arrow_left_hover.png");
    out.save(arrow(false, State::Hovered), "arrow_right_hover.png");
    out.save(arrow(true, State::Pressed), "arrow_left_pressed.png");
    out.save(arrow(false, State::Pressed), "arrow_right_pressed.png");
    out.save(timelineStrip(), "timelinestrip.png");
    out.save(marker(), "total_bg.png");
}
