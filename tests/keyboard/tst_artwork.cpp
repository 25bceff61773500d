// Every image the keyboard and the window documents ask for is compiled in,
// under the exact name and at the size their layout relies on.
#include <key_layout.h>

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace KeyLayout;

class TestArtwork : public QObject {
    Q_OBJECT
private slots:
    void keyImagesLoadAtLayoutSize();
    void keyboardIsFullyCoveredAboveTheFrontEdge();
    void documentImagesLoad_data();
    void documentImagesLoad();
};

namespace {
// Whether the keys using an image index are white; every index is used by some key.
bool imageIsWhite(int imageIndex)
{
    for (const KeyGeometry &g : geometries())
        if (g.imageIndex == imageIndex)
            return g.isWhite;
    return false;
}
}  // namespace

void TestArtwork::keyImagesLoadAtLayoutSize()
{
    for (int s = 0; s < ImageSetCount; ++s) {
        for (int i = 0; i < kImagesPerSet; ++i) {
            const QString path = imagePath(ImageSet(s), i);
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path));
            const QSize expected = imageIsWhite(i) ? QSize(35, 180) : QSize(19, 108);
            QVERIFY2(image.size() == expected, qPrintable(path));
        }
    }
    QCOMPARE(imagePath(Hover, 2), QString(":/res/GKC/hover/C_sharp_hover.png"));
    QCOMPARE(imagePath(Normal, 2), QString(":/res/GKC/normal/C_sharp.png"));
}

// White images are cut out where black keys go; the cut-outs must not leave
// holes: drawn together, the keys cover the whole width above the rounded
// front corners, in every image set.
void TestArtwork::keyboardIsFullyCoveredAboveTheFrontEdge()
{
    for (int s = 0; s < ImageSetCount; ++s) {
        QImage canvas(1820, 180, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter p(&canvas);
        for (bool white : {true, false})
            for (const KeyGeometry &g : geometries())
                if (g.isWhite == white)
                    p.drawImage(g.origin, QImage(imagePath(ImageSet(s), g.imageIndex)));
        p.end();
        for (int y : {0, 50, 107, 108, 150, 170}) {
            for (int x = 0; x < 1820; ++x) {
                if (qAlpha(canvas.pixel(x, y)) != 255)
                    QFAIL(qPrintable(QString("hole at %1,%2 in set %3").arg(x).arg(y).arg(s)));
            }
        }
    }
}

void TestArtwork::documentImagesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (int n = 1; n <= 12; ++n)
        QTest::newRow(qPrintable(QString("level%1").arg(n))) << QString("level%1.png").arg(n) << QSize(2434, 102);
    const struct {
        const char *name;
        QSize size;
    } fixed[] = {
        {"timelinestrip.png", {2432, 16}}, {"total_bg.png", {48, 24}},
        {"speaker.png", {243, 243}},       {"waitingspeaker.png", {243, 243}},
        {"slider_bg_color.png", {72, 37}}, {"slider_bg_dark.png", {72, 37}},
        {"slider_grip.png", {31, 31}},     {"title.png", {500, 80}},
        {"wizard_pic_about.png", {800, 200}},     {"wizard_pic_pitch.png", {800, 200}},
        {"wizard_pic_colorhint.png", {800, 200}}, {"wizard_pic_midi.png", {800, 200}},
    };
    for (const auto &f : fixed)
        QTest::newRow(f.name) << QString(f.name) << f.size;
    for (const char *state : {"n", "h", "p"}) {
        for (const char *button : {"btn_green", "btn_gray"})
            QTest::newRow(qPrintable(QString("%1_%2").arg(button, state)))
                << QString("%1_%2.png").arg(button, state) << QSize(129, 40);
        for (const char *icon : {"btn_close", "btn_min", "btn_help"})
            QTest::newRow(qPrintable(QString("%1_%2").arg(icon, state)))
                << QString("%1_%2.png").arg(icon, state) << QSize(37, 37);
        QTest::newRow(qPrintable(QString("dropdown_%1").arg(state)))
            << QString("dropdown_%1.png").arg(state) << QSize(212, 37);
    }
    for (const char *side : {"left", "right"})
        for (const char *state : {"nomal", "hover", "pressed"})
            QTest::newRow(qPrintable(QString("arrow_%1_%2").arg(side, state)))
                << QString("arrow_%1_%2.png").arg(side, state) << QSize(25, 41);
}

void TestArtwork::documentImagesLoad()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(":/res/" + name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
