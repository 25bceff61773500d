// The keyboard item in a real window: hit test, image choice, feedback
// colours and the press / hover / release signals, driven by real mouse and
// hover events.
#include <computer_keys.h>
#include <keyboard.h>

#include <QApplication>
#include <QHoverEvent>
#include <QQuickView>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QtTest>

#include <climits>
#include <memory>

using KeyLayout::ImageSet;

// Stands in for the application object's cursor slot, which the keyboard
// calls by name, and records the shapes asked for.
class CursorRecordingApp : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;
    QList<int> cursors;
public slots:
    void onChangeCursor(QVariant cursor) { cursors << cursor.toInt(); }
};

namespace {
// Octave k's left edge in design units (k = 0..6), and its first key index.
int octaveBase(int k) { return 70 + 245 * k; }
int octaveC(int k) { return 3 + 12 * k; }

KeyState stateWith(int keyColor, bool clicked)
{
    KeyState s;
    s.keyColor = keyColor;
    s.clicked = clicked;
    return s;
}
}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void hitTest_data();
    void hitTest();
    void hitTestFollowsTheItemsSize();
    void noExtentReportsNoKey();

    void clickReportsTheKeyUnderTheMouse();
    void pressOutsideEveryKeyIsAcceptedAndSilent();
    void releaseReportsTheHeldKeyOnce();

    void imageChoice_data();
    void imageChoice();

    void markKeysAccumulatesAndRedWins();
    void clearKeysStateClearsColoursClicksAndHover();
    void updateKeysState();
    void outOfRangeIndicesAreIgnored();

    void hoverMoveToAnotherKeyReleasesTheHeldKey();
    void hoverLeaveReleasesTheHeldKeyAndRestoresTheArrow();
    void hoverEnterWritesItsWarning();
    void hoverWithRealMouseMoves();

    void colorPropertyAndFingersMode();
    void computerKeysPlayOncePerPressWithinTheKeyboard();

private:
    // Window coordinates of the middle of a key's upper part.
    QPoint windowPointOf(int key) const;
    void press(int key);
    void release(int key);
    void hoverTo(int key);
    void hoverTo(const QPoint &itemPoint);
    void setKeysState(const KeysStateMap &map);

    std::unique_ptr<QQuickView> view;
    Keyboard *keyboard = nullptr;  // owned by the view's scene
    CursorRecordingApp *app() const { return static_cast<CursorRecordingApp *>(qApp); }
};

// A window a little larger than the keyboard, which sits at (20, 30) at one
// pixel per design unit.
void TestKeyboard::init()
{
    view = std::make_unique<QQuickView>();
    view->resize(1860, 260);
    keyboard = new Keyboard(view->contentItem());
    keyboard->setPosition(QPointF(20, 30));
    keyboard->setSize(QSizeF(1820, 180));
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    app()->cursors.clear();
}

void TestKeyboard::cleanup()
{
    view.reset();
    keyboard = nullptr;
}

QPoint TestKeyboard::windowPointOf(int key) const
{
    const QRectF upper = KeyLayout::geometries()[key].upperRect;
    const QPointF design(upper.center().x(), 60);
    return keyboard->mapToScene(QPointF(design.x() * keyboard->designScale().x(),
                                        design.y() * keyboard->designScale().y()))
        .toPoint();
}

void TestKeyboard::press(int key)
{
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, windowPointOf(key));
}

void TestKeyboard::release(int key)
{
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, windowPointOf(key));
}

void TestKeyboard::hoverTo(const QPoint &itemPoint)
{
    QHoverEvent move(QEvent::HoverMove, itemPoint, itemPoint);
    QCoreApplication::sendEvent(keyboard, &move);
}

void TestKeyboard::hoverTo(int key)
{
    hoverTo(keyboard->mapFromScene(windowPointOf(key)).toPoint());
}

void TestKeyboard::setKeysState(const KeysStateMap &map)
{
    QVERIFY(QMetaObject::invokeMethod(keyboard, "updateKeysState", Q_ARG(KeysStateMap, map)));
}

void TestKeyboard::hitTest_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("key");
    for (int k : {0, 3, 6}) {
        const int b = octaveBase(k), c = octaveC(k);
        const QString o = QString::number(k);
        // C and C sharp share x = b + 21: the lower index wins.
        QTest::newRow(qPrintable("C/C# edge, octave " + o)) << b + 21 << 50 << c;
        QTest::newRow(qPrintable("C# past the edge, octave " + o)) << b + 22 << 50 << c + 1;
        // A sharp overlaps B's upper part at b + 224 and b + 225.
        QTest::newRow(qPrintable("A#/B overlap 224, octave " + o)) << b + 224 << 100 << c + 10;
        QTest::newRow(qPrintable("A#/B overlap 225, octave " + o)) << b + 225 << 108 << c + 10;
        QTest::newRow(qPrintable("B after the overlap, octave " + o)) << b + 226 << 100 << c + 11;
        QTest::newRow(qPrintable("below A# is B, octave " + o)) << b + 224 << 109 << c + 11;
        // The B/C edge between octaves goes to the B.
        QTest::newRow(qPrintable("B/C edge, octave " + o)) << b + 245 << 50 << c + 11;
        // Under C sharp the C's full-width front part answers.
        QTest::newRow(qPrintable("C front under C#, octave " + o)) << b + 30 << 150 << c;
        QTest::newRow(qPrintable("C/D front edge, octave " + o)) << b + 35 << 150 << c;
        QTest::newRow(qPrintable("A's upper part ends, octave " + o)) << b + 205 << 50 << c + 9;
        QTest::newRow(qPrintable("G# is one unit wider, octave " + o)) << b + 185 << 50 << c + 8;
    }
    QTest::newRow("top left") << 0 << 0 << 0;
    QTest::newRow("A0/A#0 edge") << 30 << 50 << 0;
    QTest::newRow("A#0/B0 edge") << 49 << 50 << 1;
    QTest::newRow("B6/C8 edge") << 1785 << 50 << 86;
    QTest::newRow("right edge") << 1820 << 0 << 87;
    QTest::newRow("bottom edge") << 50 << 180 << 2;
    QTest::newRow("bottom right corner") << 1820 << 180 << 87;
    QTest::newRow("below the bottom") << 50 << 181 << -1;
    QTest::newRow("right of the right edge") << 1821 << 50 << -1;
    QTest::newRow("far away") << INT_MAX << INT_MAX << -1;
}

// Before any geometry change one item pixel is one design unit.
void TestKeyboard::hitTest()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, key);
    Keyboard fresh;
    QCOMPARE(fresh.designScale(), QPointF(1, 1));
    QCOMPARE(fresh.keyAt(x, y), key);
    QCOMPARE(keyboard->keyAt(x, y), key);
}

void TestKeyboard::hitTestFollowsTheItemsSize()
{
    keyboard->setSize(QSizeF(910, 360));  // half as wide, twice as high
    QCOMPARE(keyboard->designScale(), QPointF(0.5, 2));
    const int b = octaveBase(3);
    QCOMPARE(keyboard->keyAt((b + 23) / 2, 100), octaveC(3) + 1);  // C sharp at design (b + 23, 50)
    QCOMPARE(keyboard->keyAt((b + 23) / 2, 230), octaveC(3));      // below it, the C
    QCOMPARE(keyboard->keyAt(910, 360), 87);
    QCOMPARE(keyboard->keyAt(910, 362), -1);

    // A real click lands on the key drawn under it.
    QSignalSpy pressed(keyboard, SIGNAL(keyPressed(int)));
    press(48);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), 48);
    release(48);
}

void TestKeyboard::noExtentReportsNoKey()
{
    keyboard->setSize(QSizeF(0, 180));
    for (int x : {0, 1, 100, 2000})
        QCOMPARE(keyboard->keyAt(x, 50), -1);
    keyboard->setSize(QSizeF(1820, 0));
    for (int y : {0, 1, 100})
        QCOMPARE(keyboard->keyAt(100, y), -1);
    keyboard->setSize(QSizeF(1820, 180));
    QCOMPARE(keyboard->keyAt(50, 50), 2);
}

void TestKeyboard::clickReportsTheKeyUnderTheMouse()
{
    QSignalSpy pressed(keyboard, SIGNAL(keyPressed(int)));
    // The signal goes out before the key counts as held, so a receiver that
    // acts at once sees no held key yet.
    int heldDuringSignal = -2;
    connect(keyboard, &Keyboard::keyPressed, this, [&] { heldDuringSignal = keyboard->pressedKey(); });
    for (int key : {0, 1, 39, 40, 48, 86, 87}) {
        press(key);
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.takeFirst().at(0).toInt(), key);
        QCOMPARE(heldDuringSignal, -1);
        QCOMPARE(keyboard->pressedKey(), key);
        QCOMPARE(keyboard->imageSetOf(key), ImageSet::Pressed);
        release(key);
    }
}

void TestKeyboard::pressOutsideEveryKeyIsAcceptedAndSilent()
{
    QSignalSpy pressed(keyboard, SIGNAL(keyPressed(int)));
    QMouseEvent outside(QEvent::MouseButtonPress, QPointF(100, 400), QPointF(100, 400), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    outside.setAccepted(false);
    QCoreApplication::sendEvent(keyboard, &outside);
    QVERIFY(outside.isAccepted());
    QCOMPARE(pressed.count(), 0);
    QCOMPARE(keyboard->pressedKey(), -1);
}

void TestKeyboard::releaseReportsTheHeldKeyOnce()
{
    QSignalSpy released(keyboard, SIGNAL(keyReleased(int)));
    press(50);
    QCOMPARE(released.count(), 0);
    release(50);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toInt(), 50);
    QCOMPARE(keyboard->pressedKey(), -1);
    // The key stays marked as clicked: normal image, not pressed, not hover.
    QCOMPARE(keyboard->imageSetOf(50), ImageSet::Normal);

    // A release with nothing held says nothing.
    QMouseEvent stray(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(keyboard, &stray);
    QCOMPARE(released.count(), 1);
}

void TestKeyboard::imageChoice_data()
{
    QTest::addColumn<int>("keyColor");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("clicked");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<int>("expected");
    //                                        colour pressed clicked hovered
    QTest::newRow("plain") << 0 << false << false << false << int(ImageSet::Normal);
    QTest::newRow("hovered") << 0 << false << false << true << int(ImageSet::Hover);
    QTest::newRow("clicked") << 0 << false << true << false << int(ImageSet::Normal);
    QTest::newRow("clicked, hovered") << 0 << false << true << true << int(ImageSet::Normal);
    QTest::newRow("held, clicked") << 0 << true << true << false << int(ImageSet::Pressed);
    QTest::newRow("held, clicked, hovered") << 0 << true << true << true << int(ImageSet::Pressed);
    QTest::newRow("held, not clicked") << 0 << true << false << false << int(ImageSet::Normal);
    QTest::newRow("held, not clicked, hovered") << 0 << true << false << true << int(ImageSet::Hover);
    for (bool all : {false, true}) {
        const QString tag = all ? ", held, clicked, hovered" : "";
        QTest::newRow(qPrintable("green" + tag)) << 1 << all << all << all << int(ImageSet::Green);
        QTest::newRow(qPrintable("blue" + tag)) << 2 << all << all << all << int(ImageSet::Blue);
        QTest::newRow(qPrintable("red" + tag)) << 3 << all << all << all << int(ImageSet::Red);
        QTest::newRow(qPrintable("colour 7" + tag)) << 7 << all << all << all << int(ImageSet::Red);
        QTest::newRow(qPrintable("colour -1" + tag)) << -1 << all << all << all << int(ImageSet::Red);
    }
}

void TestKeyboard::imageChoice()
{
    QFETCH(int, keyColor);
    QFETCH(bool, pressed);
    QFETCH(bool, clicked);
    QFETCH(bool, hovered);
    QFETCH(int, expected);
    const int key = 41;  // D4, a white key
    if (pressed)
        press(key);
    if (hovered)
        hoverTo(key);
    setKeysState({{key, stateWith(keyColor, clicked)}});
    QCOMPARE(keyboard->pressedKey(), pressed ? key : -1);
    QCOMPARE(keyboard->hoveredKey(), hovered ? key : -1);
    QCOMPARE(int(keyboard->imageSetOf(key)), expected);
    QCOMPARE(keyboard->imageSetOf(key + 1), ImageSet::Normal);
    if (pressed)
        release(key);
}

void TestKeyboard::markKeysAccumulatesAndRedWins()
{
    keyboard->markKeys({48}, {50});
    QCOMPARE(keyboard->imageSetOf(48), ImageSet::Green);
    QCOMPARE(keyboard->imageSetOf(50), ImageSet::Red);
    keyboard->markKeys({39}, {});
    QCOMPARE(keyboard->imageSetOf(48), ImageSet::Green);
    QCOMPARE(keyboard->imageSetOf(50), ImageSet::Red);
    QCOMPARE(keyboard->imageSetOf(39), ImageSet::Green);
    keyboard->markKeys({60}, {60});
    QCOMPARE(keyboard->imageSetOf(60), ImageSet::Red);
    // A colour shows over the held key's pressed image.
    press(70);
    keyboard->markKeys({70}, {});
    QCOMPARE(keyboard->imageSetOf(70), ImageSet::Green);
    release(70);
    for (int k : {0, 40, 49, 87})
        QCOMPARE(keyboard->imageSetOf(k), ImageSet::Normal);
}

void TestKeyboard::clearKeysStateClearsColoursClicksAndHover()
{
    press(30);
    keyboard->markKeys({48}, {50});
    hoverTo(31);  // releases 30
    QCOMPARE(keyboard->hoveredKey(), 31);
    press(31);    // held, clicked, hovered
    keyboard->clearKeysState();
    QCOMPARE(keyboard->hoveredKey(), -1);
    QCOMPARE(keyboard->pressedKey(), 31);  // the held key is still held
    for (int k = 0; k < KeyLayout::kKeyCount; ++k)
        QCOMPARE(keyboard->imageSetOf(k), ImageSet::Normal);
    release(31);
}

void TestKeyboard::updateKeysState()
{
    press(20);
    release(20);
    keyboard->markKeys({21}, {22});
    // Entries replace the keys' state; keys not named lose colour and clicks.
    setKeysState({{23, stateWith(2, false)}, {24, stateWith(0, true)}});
    QCOMPARE(keyboard->imageSetOf(23), ImageSet::Blue);
    for (int k : {20, 21, 22})
        QCOMPARE(keyboard->imageSetOf(k), ImageSet::Normal);
    // 24 counts as clicked: hovering it shows no hover image.
    hoverTo(24);
    QCOMPARE(keyboard->imageSetOf(24), ImageSet::Normal);
    hoverTo(25);
    QCOMPARE(keyboard->imageSetOf(25), ImageSet::Hover);

    setKeysState({});
    for (int k = 0; k < KeyLayout::kKeyCount; ++k)
        QCOMPARE(keyboard->imageSetOf(k), k == 25 ? ImageSet::Hover : ImageSet::Normal);
    hoverTo(24);
    QCOMPARE(keyboard->imageSetOf(24), ImageSet::Hover);  // no longer clicked
}

void TestKeyboard::outOfRangeIndicesAreIgnored()
{
    keyboard->markKeys({-1, 88, 1000, INT_MIN, INT_MAX, 5}, {-5, 88, 89});
    QCOMPARE(keyboard->imageSetOf(5), ImageSet::Green);
    setKeysState({{-3, stateWith(3, true)}, {88, stateWith(3, true)}, {6, stateWith(1, false)}});
    for (int k = 0; k < KeyLayout::kKeyCount; ++k)
        QCOMPARE(keyboard->imageSetOf(k), k == 6 ? ImageSet::Green : ImageSet::Normal);
    QCOMPARE(keyboard->imageSetOf(-1), ImageSet::Normal);
    QCOMPARE(keyboard->imageSetOf(88), ImageSet::Normal);
}

void TestKeyboard::hoverMoveToAnotherKeyReleasesTheHeldKey()
{
    QSignalSpy released(keyboard, SIGNAL(keyReleased(int)));
    QSignalSpy pressed(keyboard, SIGNAL(keyPressed(int)));
    press(39);
    hoverTo(39);  // over the held key: still held
    QCOMPARE(released.count(), 0);
    QCOMPARE(keyboard->pressedKey(), 39);
    hoverTo(40);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toInt(), 39);
    QCOMPARE(keyboard->pressedKey(), -1);
    QCOMPARE(keyboard->hoveredKey(), 40);
    QCOMPARE(pressed.count(), 1);  // the new key is not pressed
    QCOMPARE(keyboard->imageSetOf(40), ImageSet::Hover);
    QCOMPARE(keyboard->imageSetOf(39), ImageSet::Normal);
    // Moving over nothing holds nothing.
    hoverTo(QPoint(100, 500));
    QCOMPARE(keyboard->hoveredKey(), -1);
    QCOMPARE(released.count(), 1);
    QVERIFY(!app()->cursors.isEmpty());
    QVERIFY(std::all_of(app()->cursors.cbegin(), app()->cursors.cend(),
                        [](int c) { return c == Qt::PointingHandCursor; }));
}

void TestKeyboard::hoverLeaveReleasesTheHeldKeyAndRestoresTheArrow()
{
    QSignalSpy released(keyboard, SIGNAL(keyReleased(int)));
    press(12);
    hoverTo(12);
    QHoverEvent leave(QEvent::HoverLeave, QPoint(-1, -1), keyboard->mapFromScene(windowPointOf(12)).toPoint());
    QCoreApplication::sendEvent(keyboard, &leave);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toInt(), 12);
    QCOMPARE(keyboard->pressedKey(), -1);
    QCOMPARE(keyboard->hoveredKey(), -1);
    QCOMPARE(app()->cursors.last(), int(Qt::ArrowCursor));
    // A second leave has nothing to release.
    QCoreApplication::sendEvent(keyboard, &leave);
    QCOMPARE(released.count(), 1);
}

void TestKeyboard::hoverEnterWritesItsWarning()
{
    QTest::ignoreMessage(QtWarningMsg, "Keyboard::hoverEnterEvent");
    QHoverEvent enter(QEvent::HoverEnter, QPoint(10, 10), QPoint(-1, -1));
    QCoreApplication::sendEvent(keyboard, &enter);
    QCOMPARE(keyboard->hoveredKey(), -1);  // entering alone hovers nothing
}

// The window turns plain mouse moves into the item's hover events; the first
// one over the item is an enter, which hovers nothing yet.
void TestKeyboard::hoverWithRealMouseMoves()
{
    QTest::mouseMove(view.get(), QPoint(5, 5));
    QTest::ignoreMessage(QtWarningMsg, "Keyboard::hoverEnterEvent");
    QTest::mouseMove(view.get(), windowPointOf(43));
    QCOMPARE(keyboard->hoveredKey(), -1);
    QTest::mouseMove(view.get(), windowPointOf(44));
    QTRY_COMPARE_WITH_TIMEOUT(keyboard->hoveredKey(), 44, 10000);
    QTest::mouseMove(view.get(), windowPointOf(45));
    QTRY_COMPARE_WITH_TIMEOUT(keyboard->hoveredKey(), 45, 10000);
    QCOMPARE(keyboard->imageSetOf(45), ImageSet::Hover);
    QTest::mouseMove(view.get(), QPoint(5, 5));  // off the keyboard, still in the window
    QTRY_COMPARE_WITH_TIMEOUT(keyboard->hoveredKey(), -1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(app()->cursors.last(), int(Qt::ArrowCursor), 10000);
}

void TestKeyboard::colorPropertyAndFingersMode()
{
    QVERIFY(!keyboard->property("color").value<QColor>().isValid());
    QVERIFY(keyboard->setProperty("color", QColor("blue")));
    QCOMPARE(keyboard->color(), QColor("blue"));
    QVERIFY(QMetaObject::invokeMethod(keyboard, "changeFingersMode", Q_ARG(bool, true)));
    QVERIFY(keyboard->fingersMode());
    QVERIFY(keyboard->metaObject()->indexOfSignal("hover(int)") >= 0);
}

// Names by scientific pitch, octave clamping and held or modified keys.
void TestKeyboard::computerKeysPlayOncePerPressWithinTheKeyboard()
{
    QCOMPARE(Keyboard::keyName(39), QString("C4"));
    QCOMPARE(Keyboard::keyName(0), QString("A0"));
    QCOMPARE(Keyboard::keyName(87), QString("C8"));
    QCOMPARE(Keyboard::keyName(40), QString("C#4"));

    ComputerKeys keys;
    QSignalSpy played(&keys, &ComputerKeys::keyPressed);
    auto press = [&keys](quint32 scanCode, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false) {
        return keys.handleKeyPress(QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, modifiers, scanCode, 0, 0, QString(), repeat));
    };
    QVERIFY(press(38));                           // A's place: C4, key 39
    QVERIFY(press(38, Qt::NoModifier, true));     // held: taken, not played again
    QVERIFY(!press(38, Qt::ControlModifier));     // a shortcut stays with the window
    QVERIFY(!press(27));                          // R's place plays nothing
    QCOMPARE(played.size(), 1);
    QCOMPARE(played.at(0).at(0).toInt(), 39);

    for (int i = 0; i < 10; ++i)
        press(53);                                // X's place: octave up, up to 7
    QCOMPARE(keys.octave(), ComputerKeys::kHighestOctave);
    press(45);                                    // K's place: C8, the last key
    QCOMPARE(played.last().at(0).toInt(), 87);
    for (int i = 0; i < 10; ++i)
        press(52);
    // Z reaches the octave that holds A0 to B0; below A0 nothing sounds.
    QCOMPARE(keys.octave(), 0);
    QCOMPARE(keys.octave(), ComputerKeys::kLowestOctave);
    QVERIFY(press(38));                           // C0: no such key, taken all the same
    QCOMPARE(played.size(), 2);
    press(43);                                    // H's place: A0, the first key
    QCOMPARE(played.last().at(0).toInt(), 0);
    press(44);                                    // J's place: B0
    QCOMPARE(played.last().at(0).toInt(), 2);
    press(45);                                    // K's place: C1
    QCOMPARE(played.last().at(0).toInt(), 3);

    keys.setActive(false);                        // an overlay is open
    QVERIFY(!press(38));
    QCOMPARE(played.size(), 5);
}

int main(int argc, char *argv[])
{
    // The keyboard paints with QPainter either way; the software scene graph
    // keeps the display's GL driver, and what it holds at exit, out of the test.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    CursorRecordingApp app(argc, argv);
    TestKeyboard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyboard.moc"
