// Loads the main window document (with its help window) in a real window,
// with a recording bridge in place of the application, and drives it the way
// the user and the engine do.

#include "keep_libraries.h"
#include "keyboard.h"
#include "test_messenger.h"

#include <QColor>
#include <QCursor>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QScreen>
#include <QStringList>
#include <QtQml>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

// Window width that gives the level strip the images' own width of 2434.
constexpr int kFullStripWindowWidth = 2434 + 2 * 30;

QStringList loadMessages;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    loadMessages << message;
}

} // namespace

class UiDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { keepLoadedLibrariesMapped(); }
    void init();
    void cleanup();

    void loadsCleanlyAndTakesTheDeviceListLater();
    void levelStripClickSelectsTheLevelUnderTheMouse();
    void levelStripHintsOnlyOverItsCells();
    void levelSessionPreparesCellsAndMarkers();
    void questionsAndAnswersUpdateTheProgressStrip();
    void answersBeyondTheLastCellOnlyCount();
    void engineLevelChangeRestartsTheStrip();
    void startButtonBeginsThenReplays();
    void firstQuestionInsideTheSessionStartFindsTheStripReady();
    void colourHintSwitchesAtOnceDuringASession();
    void headerButtons();

    void helpShownAtStartHidesTheOtherControls();
    void helpPagingWrapsAndDotsSelectPages();
    void holdingAnArrowTurnsExactlyOnePage();
    void closingStoresTheCheckBoxChoice();
    void websiteLinkAsksTheBridge();

    void tabVisitsTheControlsInOrderAndEscapeNeverQuits();
    void theHelpIsModalForTheKeyboard();
    void onlyAClickOrSpaceTogglesTheColourSwitch();
    void nothingOverlapsOnAnyScreen_data();
    void nothingOverlapsOnAnyScreen();
    void theFeedbackLineNamesBothNotes();
    void settingsAreStoredAtOnceAndEscapeClosesThem();

private:
    void load(bool showHelpOnStart, bool publishDeviceList = true);
    QQuickItem *item(const char *name) const;
    QStringList openListEntries();
    QObject *root() const { return view->rootObject(); }
    void click(QQuickItem *target, QPointF local = QPointF(-1, -1));
    void clickLevelStripAt(int x);
    void hoverAt(QPoint scenePos);
    QList<QQuickItem *> cells() const;
    void callRoot(const char *function, const QVariant &a, const QVariant &b = QVariant());
    QString text(const char *name) const { return item(name)->property("text").toString(); }

    std::unique_ptr<TestMessenger> bridge;
    TestDeviceChoice devices;
    std::unique_ptr<QQuickView> view;
};

void UiDocumentsTest::initTestCase()
{
    qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
    qmlRegisterType<TestMessenger>("QMLMessenger", 1, 0, "QMLMessenger");
    // The display's own pointer rests beyond the windows' reach, so that no
    // window gets an enter event from it that would upset the tests' hovering.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCursor::setPos(screen.bottomRight());
    QVERIFY(screen.width() > kFullStripWindowWidth + 20 && screen.height() > 1200 + 60);
}

void UiDocumentsTest::init()
{
    bridge = std::make_unique<TestMessenger>();
}

void UiDocumentsTest::cleanup()
{
    view.reset();
    bridge.reset();
}

void UiDocumentsTest::load(bool showHelpOnStart, bool publishDeviceList)
{
    bridge->helpOnStart = showHelpOnStart;
    view = std::make_unique<QQuickView>();
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->rootContext()->setContextProperty("appmessenger", bridge.get());
    view->resize(kFullStripWindowWidth, 1200);
    view->setSource(QUrl("qrc:/appwin.qml"));
    QVERIFY2(view->status() == QQuickView::Ready, qPrintable(view->errors().isEmpty() ? QString() : view->errors().first().toString()));
    // As in the application, the device list arrives after the document.
    if (publishDeviceList)
        view->rootContext()->setContextProperty("deviceChoice", &devices);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTRY_COMPARE(item("levelStrip")->width(), 2434.0);
}

// Searches the visual tree, which also holds the items that repeaters create.
static QQuickItem *findItem(QQuickItem *parent, const QString &name)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->objectName() == name)
            return child;
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QQuickItem *UiDocumentsTest::item(const char *name) const
{
    QQuickItem *found = findItem(view->rootObject(), QString::fromLatin1(name));
    if (!found)
        qFatal("no item named %s", name);
    return found;
}

void UiDocumentsTest::click(QQuickItem *target, QPointF local)
{
    if (local.x() < 0)
        local = QPointF(target->width() / 2, target->height() / 2);
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, target->mapToScene(local).toPoint());
}

void UiDocumentsTest::hoverAt(QPoint scenePos)
{
    QTest::mouseMove(view.get(), scenePos);
}

void UiDocumentsTest::clickLevelStripAt(int x)
{
    auto *strip = item("levelStrip");
    click(strip, QPointF(x, strip->height() / 2));
}

QList<QQuickItem *> UiDocumentsTest::cells() const
{
    QList<QQuickItem *> result;
    for (QQuickItem *child : item("cellRow")->childItems())
        if (child->objectName() == "cell")
            result << child;
    return result;
}

void UiDocumentsTest::callRoot(const char *function, const QVariant &a, const QVariant &b)
{
    QVariant unused;
    const bool ok = b.isValid()
        ? QMetaObject::invokeMethod(root(), function, Q_RETURN_ARG(QVariant, unused), Q_ARG(QVariant, a), Q_ARG(QVariant, b))
        : QMetaObject::invokeMethod(root(), function, Q_RETURN_ARG(QVariant, unused), Q_ARG(QVariant, a));
    QVERIFY2(ok, function);
}

// ---- main window ----

void UiDocumentsTest::loadsCleanlyAndTakesTheDeviceListLater()
{
    loadMessages.clear();
    QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    load(false, false);
    qInstallMessageHandler(previous);
    for (const QString &message : loadMessages) {
        QVERIFY2(!message.contains("Error"), qPrintable(message));
        QVERIFY2(!message.contains("Unable to assign"), qPrintable(message));
        QVERIFY2(!message.contains("non-NOTIFYable"), qPrintable(message));
    }

    auto *box = item("mdev");
    view->rootContext()->setContextProperty("deviceChoice", &devices);
    QTRY_COMPARE(box->property("currentText").toString(), QString("All MIDI keyboards"));
    QCOMPARE(item("deviceLine")->property("text").toString(), devices.deviceLine);
    QVERIFY(view->rootObject()->findChild<QObject *>("Keyboard"));

    // Keyboard-operable: a focused box takes Down as the next choice.
    box->forceActiveFocus();
    QTest::keyClick(view.get(), Qt::Key_Down);
    QTRY_COMPARE(devices.inputChoices, QList<int>{1});

    // A name that looks like markup is shown as it is; lists follow changes.
    devices.inputEntries << QStringLiteral("<b>Odd</b> keys");
    devices.inputIndex = 2;
    devices.deviceLine = QStringLiteral("Using the <b>Odd</b> keys keyboard device");
    emit devices.changed();
    QTRY_COMPARE(box->property("currentText").toString(), QString("<b>Odd</b> keys"));
    QCOMPARE(item("deviceLine")->property("textFormat").toInt(), 0); // Text.PlainText

    // So it is in the open list, '&' included (no mnemonic is taken from it).
    devices.inputEntries << QStringLiteral("Tom & Jerry");
    emit devices.changed();
    box->forceActiveFocus();
    QTest::keyClick(view.get(), Qt::Key_Space);
    QStringList listed;
    QTRY_VERIFY((listed = openListEntries()).size() == devices.inputEntries.size());
    QVERIFY2(listed.contains("<b>Odd</b> keys") && listed.contains("Tom & Jerry"), qPrintable(listed.join('|')));
    QMetaObject::invokeMethod(box->property("__popup").value<QObject *>(), "toggleShow");
    QTRY_VERIFY(openListEntries().isEmpty());
}

// The entries of an open device list, as their labels show them; a label
// that would read its text as markup is left out.
QStringList UiDocumentsTest::openListEntries()
{
    QStringList entries;
    std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
        const bool isText = std::strcmp(item->metaObject()->className(), "QQuickText") == 0;
        if (isText && item->isVisible() && item->property("textFormat").toInt() == 0) // Text.PlainText
            entries << item->property("text").toString();
        for (QQuickItem *child : item->childItems())
            collect(child);
    };
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        auto *quick = qobject_cast<QQuickWindow *>(window);
        if (quick && window->isVisible() && quick != view.get())
            collect(quick->contentItem());
    }
    return entries;
}

void UiDocumentsTest::levelStripClickSelectsTheLevelUnderTheMouse()
{
    load(false);
    // 263 of 2434 pixels are the picture; the twelve cells share the rest.
    const QList<QPair<int, int>> clicks{{1, 1}, {181, 2}, {2171, 12}, {2172, -1}, {2433, -1}, {0, -1}};
    for (const auto &c : clicks) {
        bridge->sessionLevels.clear();
        clickLevelStripAt(c.first);
        if (c.second < 0) {
            QVERIFY2(bridge->sessionLevels.isEmpty(), qPrintable(QString::number(c.first)));
        } else {
            QCOMPARE(bridge->sessionLevels, QList<uint>{uint(c.second)});
            QCOMPARE(root()->property("difficultyLevel").toInt(), c.second);
        }
    }
    QCOMPARE(item("levelStrip")->property("source").toUrl().toString(), QString("qrc:/res/level12.png"));

    // At half the width the picture takes 131.5 pixels and a cell 90.46.
    QVariant level;
    QMetaObject::invokeMethod(root(), "levelAt", Q_RETURN_ARG(QVariant, level), Q_ARG(QVariant, 90), Q_ARG(QVariant, 1217));
    QCOMPARE(level.toInt(), 1);
    QMetaObject::invokeMethod(root(), "levelAt", Q_RETURN_ARG(QVariant, level), Q_ARG(QVariant, 1085), Q_ARG(QVariant, 1217));
    QCOMPARE(level.toInt(), 12);
    QMetaObject::invokeMethod(root(), "levelAt", Q_RETURN_ARG(QVariant, level), Q_ARG(QVariant, 1086), Q_ARG(QVariant, 1217));
    QCOMPARE(level.toInt(), -1);
}

void UiDocumentsTest::levelStripHintsOnlyOverItsCells()
{
    load(false);
    auto *strip = item("levelStrip");
    auto *tooltip = item("levelTooltip");
    const auto moveTo = [&](qreal x, qreal y) { hoverAt(strip->mapToScene(QPointF(x, y)).toPoint()); };
    moveTo(100, -20);  // above the strip
    QVERIFY(!tooltip->isVisible());

    bridge->cursors.clear();
    moveTo(500, 40);
    QTRY_VERIFY(tooltip->isVisible());
    QCOMPARE(tooltip->mapToItem(strip, QPointF(0, 0)), QPointF(500, 40));
    QCOMPARE(bridge->cursors.last().toInt(), int(Qt::PointingHandCursor));
    moveTo(900, 50);  // the tooltip stays where the mouse came in
    QCOMPARE(tooltip->mapToItem(strip, QPointF(0, 0)), QPointF(500, 40));

    moveTo(2300, 50);  // over the picture
    QTRY_VERIFY(!tooltip->isVisible());
    QCOMPARE(bridge->cursors.last().toInt(), int(Qt::ArrowCursor));
    moveTo(2000, 50);
    QTRY_VERIFY(tooltip->isVisible());
    moveTo(2000, strip->height() + 300);  // out of the strip
    QTRY_VERIFY(!tooltip->isVisible());
    QCOMPARE(bridge->cursors.last().toInt(), int(Qt::ArrowCursor));
}

void UiDocumentsTest::levelSessionPreparesCellsAndMarkers()
{
    load(false);
    QVERIFY(cells().isEmpty());
    auto *strip = item("timelineStrip");
    auto *percentMarker = item("percentMarker");
    auto *scoreMarker = item("scoreMarker");
    const qreal start = strip->x() - percentMarker->width() / 2 + 4;
    QCOMPARE(text("scoreText"), QString("0/7"));

    clickLevelStripAt(400);  // level 3
    QCOMPARE(bridge->sessionLevels, QList<uint>{3});
    const auto row = cells();
    QCOMPARE(row.size(), 21);
    const qreal cellWidth = (strip->width() - 8) / 21;
    for (QQuickItem *cell : row) {
        QCOMPARE(cell->width(), cellWidth);
        QCOMPARE(cell->height(), strip->height() - 2);
        QCOMPARE(cell->property("color").value<QColor>().alpha(), 0);
    }
    QCOMPARE(row.first()->mapToItem(strip, QPointF(0, 0)).x(), 4.0);
    QCOMPARE(percentMarker->x(), start);
    QCOMPARE(scoreMarker->x(), start);
    // The percent marker hangs below the strip, the score marker above it, turned.
    QVERIFY(percentMarker->y() > strip->y() + strip->height());
    QVERIFY(scoreMarker->y() + scoreMarker->height() < strip->y());
    QCOMPARE(scoreMarker->rotation(), 180.0);
    QCOMPARE(text("percentText"), QString("0%"));
    QCOMPARE(text("scoreText"), QString("0/21"));
}

void UiDocumentsTest::questionsAndAnswersUpdateTheProgressStrip()
{
    load(false);
    clickLevelStripAt(400);  // level 3: 21 cells
    const qreal start = item("percentMarker")->x();
    const qreal cellWidth = cells().first()->width();

    callRoot("onCurrentNote", QVariant(uint(4)));
    QCOMPARE(text("scoreText"), QString("1/21"));
    QCOMPARE(root()->property("currentNote").toInt(), 4);
    callRoot("onAnswerRecieved", QVariant(true), QVariant(uint(0)));
    QCOMPARE(text("scoreText"), QString("1/21"));
    QCOMPARE(text("percentText"), QString("100%"));
    QCOMPARE(cells().at(0)->property("color").value<QColor>(), QColor("green"));
    QCOMPARE(item("percentMarker")->x(), start + cellWidth);
    QCOMPARE(item("scoreMarker")->x(), start + cellWidth);

    callRoot("onCurrentNote", QVariant(uint(1)));
    QCOMPARE(text("scoreText"), QString("2/21"));
    callRoot("onAnswerRecieved", QVariant(false), QVariant(uint(1)));
    QCOMPARE(text("percentText"), QString("50%"));
    QCOMPARE(cells().at(1)->property("color").value<QColor>(), QColor("red"));
    QCOMPARE(cells().at(2)->property("color").value<QColor>().alpha(), 0);
    QCOMPARE(item("scoreMarker")->x(), start + 2 * cellWidth);

    callRoot("onCurrentNote", QVariant(uint(2)));
    callRoot("onAnswerRecieved", QVariant(false), QVariant(uint(2)));
    QCOMPARE(text("percentText"), QString("33%"));

    // A round with answers is not left without asking: Escape keeps it,
    // "Leave" starts the level afresh; a wrong first answer is then 0%.
    const int sessionsBefore = bridge->sessionLevels.size();
    clickLevelStripAt(400);
    auto *leaveDialog = item("leaveLevelDialog");
    QVERIFY(leaveDialog->isVisible());
    QVERIFY(text("leaveLevelQuestion").startsWith("Start level 3 again?"));
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!leaveDialog->isVisible());
    QCOMPARE(bridge->sessionLevels.size(), sessionsBefore);
    QCOMPARE(cells().at(1)->property("color").value<QColor>(), QColor("red"));
    clickLevelStripAt(1);
    QVERIFY(text("leaveLevelQuestion").startsWith("Leave level 3?"));
    click(item("leaveButton"));
    QCOMPARE(bridge->sessionLevels.last(), 1u);
    clickLevelStripAt(400);
    QCOMPARE(cells().at(0)->property("color").value<QColor>().alpha(), 0);
    QCOMPARE(item("percentMarker")->x(), start);
    callRoot("onCurrentNote", QVariant(uint(0)));
    callRoot("onAnswerRecieved", QVariant(false), QVariant(uint(0)));
    QCOMPARE(text("scoreText"), QString("1/21"));
    QCOMPARE(text("percentText"), QString("0%"));
}

void UiDocumentsTest::answersBeyondTheLastCellOnlyCount()
{
    load(false);
    clickLevelStripAt(1);  // level 1: 7 cells
    const qreal cellWidth = cells().first()->width();
    const qreal start = item("percentMarker")->x();
    for (int i = 0; i < 9; ++i) {
        callRoot("onCurrentNote", QVariant(uint(0)));
        callRoot("onAnswerRecieved", QVariant(i != 8), QVariant(uint(i)));
    }
    QCOMPARE(text("scoreText"), QString("9/7"));
    QCOMPARE(text("percentText"), QString("89%"));
    QCOMPARE(cells().size(), 7);
    QCOMPARE(cells().last()->property("color").value<QColor>(), QColor("green"));
    QCOMPARE(item("percentMarker")->x(), start + 7 * cellWidth);
    QCOMPARE(item("scoreMarker")->x(), start + 7 * cellWidth);
}

void UiDocumentsTest::engineLevelChangeRestartsTheStrip()
{
    load(false);
    clickLevelStripAt(1);
    callRoot("onCurrentNote", QVariant(uint(0)));
    callRoot("onAnswerRecieved", QVariant(true), QVariant(uint(0)));

    // The engine has stored the next round's questions: the document only
    // shows it and asks for nothing.
    callRoot("onMaturityLevelChanged", QVariant(uint(2)));
    QCOMPARE(bridge->sessionLevels, (QList<uint>{1}));
    QCOMPARE(root()->property("difficultyLevel").toInt(), 2);
    QCOMPARE(root()->property("sessionCorrecAnswers").toInt(), 0);
    QCOMPARE(cells().size(), 14);
    QCOMPARE(text("scoreText"), QString("0/14"));
    QCOMPARE(text("percentText"), QString("0%"));
    QCOMPARE(item("levelStrip")->property("source").toUrl().toString(), QString("qrc:/res/level2.png"));

    // Passing the last level changes nothing on the screen.
    callRoot("onPerfectPitchAcquired", QVariant(uint(12)));
    QCOMPARE(bridge->sessionLevels.size(), 1);
    QCOMPARE(cells().size(), 14);
}

void UiDocumentsTest::startButtonBeginsThenReplays()
{
    load(false);
    auto *button = item("startButton");
    QCOMPARE(button->property("text").toString(), QString("Begin here"));
    click(button);
    QCOMPARE(bridge->sessionLevels, QList<uint>{1});
    QCOMPARE(cells().size(), 7);
    QCOMPARE(button->property("text").toString(), QString("Replay note"));

    // While the waves of a question run the button rests; then it replays.
    callRoot("onCurrentNote", QVariant(uint(0)));
    QVERIFY(!button->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 20000);
    QCOMPARE(item("speaker")->property("source").toUrl().toString(), QString("qrc:/res/waitingspeaker.png"));
    QCOMPARE(item("wave1")->width(), 0.0);
    click(button);
    QCOMPARE(bridge->count("replayQuestion"), 1);
    QCOMPARE(bridge->sessionLevels.size(), 1);
}

void UiDocumentsTest::firstQuestionInsideTheSessionStartFindsTheStripReady()
{
    // By "Begin here" and by a level click: the question counts as number 1
    // and shows its colour.
    for (bool byLevelClick : {false, true}) {
        cleanup();
        init();
        load(false);
        bridge->rootObject = root();
        bridge->firstQuestionAtOnce = true;
        bridge->firstNote = 3;
        if (byLevelClick)
            clickLevelStripAt(200);
        else
            click(item("startButton"));
        const int cellCount = byLevelClick ? 14 : 7;
        QCOMPARE(cells().size(), cellCount);
        QCOMPARE(text("scoreText"), QString("1/%1").arg(cellCount));
        QCOMPARE(item("startButton")->property("text").toString(), QString("Replay note"));
        QCOMPARE(root()->property("color").value<QColor>(), QColor("#009A00"));
        callRoot("onAnswerRecieved", QVariant(true), QVariant(uint(0)));
        QCOMPARE(cells().at(0)->property("color").value<QColor>(), QColor("green"));
        QCOMPARE(text("percentText"), QString("100%"));
    }
}

void UiDocumentsTest::colourHintSwitchesAtOnceDuringASession()
{
    bridge = std::make_unique<TestMessenger>();
    load(false);
    const QColor neutral("#89a1af");
    auto *sw = item("colorSwitch");
    QCOMPARE(text("onOffLabel"), QString("ON"));
    QCOMPARE(item("wave1")->opacity(), 0.17);

    // Before any question the window keeps its neutral colour.
    click(sw);
    QCOMPARE(text("onOffLabel"), QString("OFF"));
    QCOMPARE(bridge->colorMap, false);
    QCOMPARE(root()->property("color").value<QColor>(), neutral);
    QCOMPARE(item("wave1")->opacity(), 0.07);
    click(sw);
    QCOMPARE(bridge->colorMap, true);
    QCOMPARE(root()->property("color").value<QColor>(), neutral);

    // E (note index 2) is red while the hint is on.
    callRoot("onCurrentNote", QVariant(uint(2)));
    QCOMPARE(root()->property("color").value<QColor>(), QColor("#FF0000"));
    click(sw);
    QCOMPARE(root()->property("color").value<QColor>(), neutral);
    QCOMPARE(bridge->calls.filter("showColorMap").last(), QString("showColorMap=0"));
    click(sw);
    QCOMPARE(root()->property("color").value<QColor>(), QColor("#FF0000"));

    // The next question brings its own colour; A sharp is the last entry.
    callRoot("onCurrentNote", QVariant(uint(11)));
    QCOMPARE(root()->property("color").value<QColor>(), QColor("#FFAC62"));

    // A stored "off" is honoured at start.
    bridge = std::make_unique<TestMessenger>();
    bridge->colorMap = false;
    load(false);
    QCOMPARE(text("onOffLabel"), QString("OFF"));
    callRoot("onCurrentNote", QVariant(uint(0)));
    QCOMPARE(root()->property("color").value<QColor>(), neutral);
}

void UiDocumentsTest::headerButtons()
{
    load(false);
    click(item("hideButton"));
    QCOMPARE(bridge->count("hideWindow"), 1);
    QVERIFY(!item("helpWindow")->isVisible());
    click(item("helpButton"));
    QVERIFY(item("helpWindow")->isVisible());

    QSignalSpy quit(view->engine(), &QQmlEngine::quit);
    click(item("closeButton"));
    QCOMPARE(quit.count(), 1);
}

// ---- help window ----

void UiDocumentsTest::helpShownAtStartHidesTheOtherControls()
{
    load(true);
    auto *help = item("helpWindow");
    QVERIFY(help->isVisible());
    for (const char *name : {"colorHintLabel", "onOffLabel", "colorSwitch", "levelArea", "footer"})
        QVERIFY2(!item(name)->isVisible(), name);
    for (const char *name : {"closeButton", "hideButton", "helpButton", "speaker", "startButton"})
        QVERIFY2(item(name)->isVisible(), name);
    QVERIFY(!item("startButton")->isEnabled());
    QCOMPARE(help->size(), QSizeF(930, 570));
    QCOMPARE(help->x(), (view->width() - 930) / 2.0);

    // Closed before any session: everything comes back.
    click(item("helpCloseTextButton"));
    QVERIFY(!help->isVisible());
    for (const char *name : {"colorHintLabel", "onOffLabel", "colorSwitch", "levelArea", "footer"})
        QVERIFY2(item(name)->isVisible(), name);
    QVERIFY(item("startButton")->isEnabled());

    cleanup();
    init();
    load(false);
    QVERIFY(!item("helpWindow")->isVisible());
}

void UiDocumentsTest::helpPagingWrapsAndDotsSelectPages()
{
    load(true);
    auto *help = item("helpWindow");
    QCOMPARE(help->property("currentScreen").toInt(), 0);
    QCOMPARE(text("helpHeading"), QString("Orvelle"));
    QCOMPARE(item("helpPicture")->property("source").toUrl().toString(), QString("qrc:/res/wizard_pic_about.png"));

    click(item("leftArrow"));
    QCOMPARE(help->property("currentScreen").toInt(), 3);
    QCOMPARE(text("helpHeading"), QString("Midi and graphical keyboard"));
    QCOMPARE(item("helpPicture")->property("source").toUrl().toString(), QString("qrc:/res/wizard_pic_midi.png"));
    QCOMPARE(item("dot3")->opacity(), 1.0);
    QCOMPARE(item("dot0")->opacity(), 0.3);

    click(item("rightArrow"));
    QCOMPARE(help->property("currentScreen").toInt(), 0);
    click(item("rightArrow"));
    QCOMPARE(text("helpHeading"), QString("The way to absolute pitch"));

    click(item("dot2"));
    QCOMPARE(help->property("currentScreen").toInt(), 2);
    QCOMPARE(text("helpHeading"), QString("Color hint"));
    QVERIFY(!text("helpBody").isEmpty());
    for (const char *dot : {"dot0", "dot1", "dot3"})
        QCOMPARE(item(dot)->opacity(), 0.3);

    // Every page has its own body text, and the window keeps its page when reopened.
    QSet<QString> bodies;
    for (int i = 0; i < 4; ++i) {
        click(item(QByteArray("dot") + QByteArray::number(i)));
        bodies << text("helpBody");
    }
    QCOMPARE(bodies.size(), 4);
    click(item("helpCloseButton"));
    click(item("helpButton"));
    QCOMPARE(help->property("currentScreen").toInt(), 3);
}

void UiDocumentsTest::holdingAnArrowTurnsExactlyOnePage()
{
    load(true);
    auto *help = item("helpWindow");
    auto *arrow = item("rightArrow");
    const QPoint at = arrow->mapToScene(QPointF(arrow->width() / 2, arrow->height() / 2)).toPoint();
    hoverAt(at);
    QTRY_COMPARE(arrow->property("source").toUrl().toString(), QString("qrc:/res/arrow_right_hover.png"));
    QTest::mousePress(view.get(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(help->property("currentScreen").toInt(), 1);  // on the press already
    QCOMPARE(arrow->property("source").toUrl().toString(), QString("qrc:/res/arrow_right_pressed.png"));
    QTest::qWait(300);
    QTest::mouseRelease(view.get(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(help->property("currentScreen").toInt(), 1);
    QCOMPARE(arrow->property("source").toUrl().toString(), QString("qrc:/res/arrow_right_hover.png"));
}

void UiDocumentsTest::closingStoresTheCheckBoxChoice()
{
    load(true);
    auto *help = item("helpWindow");
    QVERIFY(item("dontShowBox")->property("checked").toBool());

    // Left set, the help stays away at the next start.
    click(item("helpCloseButton"));
    QVERIFY(!help->isVisible());
    QCOMPARE(bridge->calls.filter("showHelpOnStart"), QStringList{"showHelpOnStart=0"});

    // Cleared through its text, the help comes back at the next start; the
    // box keeps its state while the program runs.
    click(item("helpButton"));
    click(item("dontShowText"));
    QVERIFY(!item("dontShowBox")->property("checked").toBool());
    QCOMPARE(bridge->calls.filter("showHelpOnStart").size(), 1);  // stored only on closing
    click(item("helpCloseTextButton"));
    QVERIFY(!help->isVisible());
    QCOMPARE(bridge->helpOnStart, true);
    click(item("helpButton"));
    QVERIFY(!item("dontShowBox")->property("checked").toBool());

    click(item("dontShowBox"));
    click(item("helpCloseTextButton"));
    QCOMPARE(bridge->helpOnStart, false);
}

void UiDocumentsTest::websiteLinkAsksTheBridge()
{
    // A build that names no web site shows no link at all.
    bridge->website.clear();
    load(true);
    QVERIFY(!item("websiteLink")->isVisible());
    cleanup();
    init();

    load(true);
    QTest::ignoreMessage(QtDebugMsg, "website link clicked");
    click(item("websiteLink"));
    QCOMPARE(bridge->count("showCompanyWebsite"), 1);
    QVERIFY(item("helpWindow")->isVisible());
}

// ---- keyboard use, layout, settings ----

void UiDocumentsTest::tabVisitsTheControlsInOrderAndEscapeNeverQuits()
{
    load(false);
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QSignalSpy quit(view->engine(), &QQmlEngine::quit);
    const QStringList order{"startButton", "levelStrip", "colorSwitch", "mdev", "outdev",
                            "helpButton", "settingsButton", "statisticsButton", "hideButton", "closeButton"};
    auto focused = [this] {
        QQuickItem *item = view->activeFocusItem();
        while (item && item->objectName().isEmpty())
            item = item->parentItem();
        return item ? item->objectName() : QString();
    };
    for (const QString &name : order) {
        QTest::keyClick(view.get(), Qt::Key_Tab);
        QCOMPARE(focused(), name);
    }
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QCOMPARE(focused(), order.first());
    QTest::keyClick(view.get(), Qt::Key_Backtab);
    QCOMPARE(focused(), order.last());

    // Escape leaves the control; then both directions start at the start
    // button, never at close or minimise.
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QCOMPARE(focused(), QString("root"));
    QTest::keyClick(view.get(), Qt::Key_Backtab);
    QCOMPARE(focused(), order.first());
    QTest::keyClick(view.get(), Qt::Key_Space);
    QCOMPARE(bridge->sessionLevels, QList<uint>{1});

    // The level strip: Right picks the next level, Enter starts it.
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QTest::keyClick(view.get(), Qt::Key_Right);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(bridge->sessionLevels, (QList<uint>{1, 2}));

    // With no control focused Space and R replay; Escape does nothing more.
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QTest::keyClick(view.get(), Qt::Key_Space);
    QTest::keyClick(view.get(), Qt::Key_R);
    QCOMPARE(bridge->count("replayQuestion"), 2);
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QCOMPARE(quit.count(), 0);
}

void UiDocumentsTest::theHelpIsModalForTheKeyboard()
{
    load(true);
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto *help = item("helpWindow");
    QTest::keyClick(view.get(), Qt::Key_Right);
    QCOMPARE(help->property("currentScreen").toInt(), 1);
    QTest::keyClick(view.get(), Qt::Key_Left);
    QTest::keyClick(view.get(), Qt::Key_Left);
    QCOMPARE(help->property("currentScreen").toInt(), 3);

    // Tab stays inside the help, and Space there starts nothing.
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(view.get(), Qt::Key_Tab);
        QQuickItem *focused = view->activeFocusItem();
        QVERIFY(focused);
        QVERIFY2(help->isAncestorOf(focused), qPrintable(focused->objectName()));
    }
    QTest::keyClick(view.get(), Qt::Key_R);
    QVERIFY(bridge->sessionLevels.isEmpty());
    QCOMPARE(bridge->count("replayQuestion"), 0);

    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QCOMPARE(bridge->calls.filter("showHelpOnStart").size(), 1);
    // The keys reach the main window again, not the hidden help.
    QTest::keyClick(view.get(), Qt::Key_R);
    QCOMPARE(bridge->sessionLevels, QList<uint>{1});
}

void UiDocumentsTest::onlyAClickOrSpaceTogglesTheColourSwitch()
{
    load(false);
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto *sw = item("colorSwitch");
    const QPoint centre = sw->mapToScene(QPointF(sw->width() / 2, sw->height() / 2)).toPoint();
    for (int delta : {120, -120, -120}) {
        QWheelEvent wheel(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.get(), &wheel);
    }
    sw->forceActiveFocus();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_End})
        QTest::keyClick(view.get(), key);
    QCOMPARE(text("onOffLabel"), QString("ON"));
    QCOMPARE(sw->property("value").toInt(), 1);
    QVERIFY(bridge->calls.filter("showColorMap").isEmpty());

    QTest::keyClick(view.get(), Qt::Key_Space);
    QCOMPARE(text("onOffLabel"), QString("OFF"));
    QCOMPARE(bridge->colorMap, false);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(bridge->colorMap, true);
    QCOMPARE(text("onOffLabel"), QString("ON"));
}

void UiDocumentsTest::nothingOverlapsOnAnyScreen_data()
{
    QTest::addColumn<QSize>("size");
    for (QSize size : {QSize(1024, 600), QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1440)})
        QTest::newRow(qPrintable(QString("%1x%2").arg(size.width()).arg(size.height()))) << size;
}

void UiDocumentsTest::nothingOverlapsOnAnyScreen()
{
    QFETCH(QSize, size);
    load(false);
    view->resize(size);
    QTRY_COMPARE(root()->property("width").toInt(), size.width());
    callRoot("onAnswerNotes", QVariant(uint(62)), QVariant(uint(60)));  // the longest feedback line
    const QStringList parts{"header", "levelArea", "speaker", "feedbackLine", "startButton", "footer"};
    QList<QRectF> boxes;
    for (const QString &name : parts) {
        QQuickItem *part = item(qPrintable(name));
        QVERIFY2(part->isVisible(), qPrintable(name));
        const QRectF box = part->mapRectToScene(QRectF(0, 0, part->width(), part->height()));
        QVERIFY2(QRectF(QPointF(0, 0), QSizeF(size)).contains(box), qPrintable(name));
        for (int i = 0; i < boxes.size(); ++i)
            QVERIFY2(!boxes[i].intersects(box), qPrintable(parts[i] + " overlaps " + name));
        boxes << box;
    }
    // The keys keep their pictures' proportions and stay inside the footer.
    auto *keyboard = item("Keyboard");
    const QRectF keys = keyboard->mapRectToScene(QRectF(0, 0, keyboard->width(), keyboard->height()));
    QVERIFY(boxes.last().contains(keys));
    QVERIFY(qAbs(keys.width() / keys.height() - 1820.0 / 180.0) < 0.05);
    QVERIFY(keys.width() >= size.width() * 0.75);
    // The speaker grows with the screen.
    QVERIFY(item("speaker")->width() >= 0.08 * size.height());
}

void UiDocumentsTest::theFeedbackLineNamesBothNotes()
{
    load(false);
    QVERIFY(!item("feedbackLine")->isVisible());
    callRoot("onAnswerNotes", QVariant(uint(50)), QVariant(uint(48)));
    QCOMPARE(text("feedbackText"), QString::fromUtf8("You played D3 \u2014 it was C3"));
    QVERIFY(item("feedbackLine")->isVisible());
    // It stays through the next question, until the next answer.
    callRoot("onCurrentNote", QVariant(uint(0)));
    QCOMPARE(text("feedbackText"), QString::fromUtf8("You played D3 \u2014 it was C3"));
    callRoot("onAnswerNotes", QVariant(uint(61)), QVariant(uint(61)));
    QCOMPARE(text("feedbackText"), QString::fromUtf8("C\u266f4 \u2713"));
    callRoot("onAnswerNotes", QVariant(uint(21)), QVariant(uint(108)));
    QCOMPARE(text("feedbackText"), QString::fromUtf8("You played A0 \u2014 it was C8"));
}

void UiDocumentsTest::settingsAreStoredAtOnceAndEscapeClosesThem()
{
    bridge->settings["LabelCKeys"] = QStringLiteral("false");  // as the store gives it back
    load(false);
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    auto *keyboard = item("Keyboard");
    QCOMPARE(keyboard->property("labelCKeys").toBool(), false);
    auto *panel = item("settingsPanel");
    QVERIFY(!panel->isVisible());
    click(item("settingsButton"));
    QVERIFY(panel->isVisible());
    QVERIFY(!item("startButton")->isEnabled());

    click(item("replayOption"));
    QCOMPARE(bridge->calls.last(), QString("AfterWrongAnswer=1"));
    QVERIFY(item("replayOption")->property("checked").toBool());
    QVERIFY(!item("goOnOption")->property("checked").toBool());

    // From the keyboard: Tab reaches the options inside the panel only.
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QCOMPARE(view->activeFocusItem(), item("goOnOption"));
    QTest::keyClick(view.get(), Qt::Key_Space);
    QCOMPARE(bridge->calls.last(), QString("AfterWrongAnswer=0"));
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(bridge->calls.last(), QString("LabelCKeys=true"));
    QCOMPARE(keyboard->property("labelCKeys").toBool(), true);

    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(item("startButton")->isEnabled());
}

QTEST_MAIN(UiDocumentsTest)
#include "ui_documents_test.moc"
