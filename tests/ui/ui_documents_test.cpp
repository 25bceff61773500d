// Loads the main window document (with its help window) in a real window,
// with a recording bridge in place of the application, and drives it the way
// the user and the engine do.

#include "keep_libraries.h"
#include "keyboard.h"
#include "test_messenger.h"
#include "text_boxes.h"
#include "translations.h"
#include "language_choice.h"
#include "note_namer.h"

#include <preferences.h>
#include <session_report.h>
#include <course_status.h>
#include <theory/piano_numbers.h>

#include <QColor>
#include <QCursor>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRawFont>
#include <QScreen>
#include <QStringList>
#include <QtQml>
#include <QtTest>

#include <time.h>

#include <cmath>
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
    void theAdaptiveCourseShowsItsNotesAndIsChosenInSettings();

    void levelByKeyboardAsksExactlyWhenTheMouseDoes();
    void keysUsersExpect();
    void theSpeakerIsTheStartButtonToo();
    void theSummaryCoversTheWindowAndEnterGoesOn();
    void panelsFitEveryScreen_data();
    void panelsFitEveryScreen();
    void everyTextReadsOnEveryHintColour_data() { screens(); }
    void everyTextReadsOnEveryHintColour();
    void statisticsWordsFitTheirCounts();
    void theDayAxisHasItsPointsOnWholeDays_data();
    void theDayAxisHasItsPointsOnWholeDays();

private:
    static void screens();
    void load(bool showHelpOnStart, bool publishDeviceList = true);
    void answerOne(bool right);
    QString focusedName() const;
    QQuickItem *item(const char *name) const;
    QObject *root() const { return view->rootObject(); }
    void click(QQuickItem *target, QPointF local = QPointF(-1, -1));
    void clickLevelStripAt(int x);
    void hoverAt(QPoint scenePos);
    QList<QQuickItem *> cells() const;
    void callRoot(const char *function, const QVariant &a, const QVariant &b = QVariant());
    QString text(const char *name) const { return item(name)->property("text").toString(); }

    std::unique_ptr<TestMessenger> bridge;
    TestDeviceChoice devices;
    PianoNumbers piano;
    SessionReport report;
    Course::CourseStatus courseStatus;
    std::unique_ptr<Preferences> options;
    std::unique_ptr<QQuickView> view;
    // English needs its plural forms ("1 answer").
    std::unique_ptr<Translations> english;
    NoteNamer noteNamer;
};

void UiDocumentsTest::initTestCase()
{
    // The day axis is checked across a daylight-saving change.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    english = std::make_unique<Translations>(QString());
    QVERIFY(english->loaded());
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
    // The real options object, with no store behind it.
    options = std::make_unique<Preferences>();
    courseStatus.setAdaptive(false);
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
    view->rootContext()->setContextProperty("piano", &piano);
    view->rootContext()->setContextProperty("preferences", options.get());
    view->rootContext()->setContextProperty("sessionReport", &report);
    view->rootContext()->setContextProperty("noteNamer", &noteNamer);
    view->rootContext()->setContextProperty("courseStatus", &courseStatus);
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


void UiDocumentsTest::screens()
{
    QTest::addColumn<QSize>("size");
    for (QSize size : {QSize(1024, 600), QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1440)})
        QTest::newRow(qPrintable(QString("%1x%2").arg(size.width()).arg(size.height()))) << size;
}

QString UiDocumentsTest::focusedName() const
{
    QQuickItem *item = view->activeFocusItem();
    while (item && item->objectName().isEmpty())
        item = item->parentItem();
    return item ? item->objectName() : QString();
}

void UiDocumentsTest::answerOne(bool right)
{
    callRoot("onCurrentNote", QVariant(uint(0)));
    callRoot("onAnswerRecieved", QVariant(right), QVariant(uint(0)));
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

    // Space opens the list inside the window, above the box, never as a
    // window of its own; Up and Enter choose, Escape keeps the old choice.
    devices.inputChoices.clear();
    box->forceActiveFocus();
    QTest::keyClick(view.get(), Qt::Key_Space);
    auto *list = item("deviceList");
    QVERIFY(list->isVisible());
    const QRectF listBox = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(view->size())).contains(listBox));
    QVERIFY(listBox.bottom() <= box->mapToScene(QPointF(0, 0)).y());
    QCOMPARE(QGuiApplication::topLevelWindows().size(), 1);
    QCOMPARE(item("deviceListEntry2")->childItems().first()->property("text").toString(), QString("<b>Odd</b> keys"));
    QCOMPARE(item("deviceListEntry2")->childItems().first()->property("textFormat").toInt(), 0); // Text.PlainText
    QTest::keyClick(view.get(), Qt::Key_Up);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QCOMPARE(devices.inputChoices, QList<int>{1});
    QVERIFY(box->hasActiveFocus());
    click(box);
    QVERIFY(list->isVisible());
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QCOMPARE(devices.inputChoices, QList<int>{1});
    // A click on an entry chooses it.
    devices.outputEntries << QStringLiteral("Harness:synth");
    emit devices.changed();
    click(item("outdev"));
    QVERIFY(list->isVisible());
    click(item("deviceListEntry1"));
    QVERIFY(!list->isVisible());
    QCOMPARE(devices.outputChoices, QList<int>{1});
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
    // Reading order: the header left to right, the strip, the centre, the
    // footer; from no focused control Tab starts at the start button.
    const QStringList order{"startButton", "mdev", "outdev", "colorSwitch", "pitchTestButton", "statisticsButton", "settingsButton",
                            "helpButton", "hideButton", "closeButton", "levelStrip", "speaker"};
    const auto focused = [this] { return focusedName(); };
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

    // The level strip, just before the speaker: Right picks the next level,
    // Enter starts it (no answers yet, so nothing to ask).
    QTest::keyClick(view.get(), Qt::Key_Backtab);
    QTest::keyClick(view.get(), Qt::Key_Backtab);
    QCOMPARE(focused(), QString("levelStrip"));
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
    report.showAnswer(62, 60);  // the longest feedback line
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
    report.showAnswer(50, 48);
    QCOMPARE(text("feedbackText"), QString::fromUtf8("You played D3 \u2014 it was C3"));
    QVERIFY(item("feedbackLine")->isVisible());
    // It stays through the next question, until the next answer.
    callRoot("onCurrentNote", QVariant(uint(0)));
    QCOMPARE(text("feedbackText"), QString::fromUtf8("You played D3 \u2014 it was C3"));
    report.showAnswer(61, 61);
    QCOMPARE(text("feedbackText"), QString::fromUtf8("C\u266f4 \u2713"));
    report.showAnswer(21, 108);
    QCOMPARE(text("feedbackText"), QString::fromUtf8("You played A0 \u2014 it was C8"));
    // With the time from when the note became audible.
    report.showAnswer(60, 60, 1240);
    QCOMPARE(text("feedbackText"), QString::fromUtf8("C4 \u2713 1.2 s"));
}

// The adaptive course: its notes in the level strip's place (no level to
// click there), its progress strip of 40, and the course chosen in settings.
void UiDocumentsTest::theAdaptiveCourseShowsItsNotesAndIsChosenInSettings()
{
    load(false);
    QVERIFY(!item("classStrip")->isVisible());
    courseStatus.setAdaptive(true);
    QTRY_VERIFY(item("classStrip")->isVisible());
    QVERIFY(!item("levelStripArea")->property("enabled").toBool());
    QCOMPARE(item("classTile0")->findChild<QQuickItem *>("className")->property("text").toString(), QStringLiteral("C"));
    QCOMPARE(item("classTile11")->findChild<QQuickItem *>("className")->property("text").toString(),
             QString::fromUtf8("A\u266f"));
    QCOMPARE(root()->property("sessionQuestionCount").toInt(), 40);
    courseStatus.setAdaptive(false);
    QTRY_VERIFY(!item("classStrip")->isVisible());
    QVERIFY(item("levelStripArea")->property("enabled").toBool());

    click(item("settingsButton"));
    QVERIFY(!options->blockRelativePitch());
    click(item("adaptiveCourseOption"));
    QCOMPARE(options->course(), QStringLiteral("adaptive"));
    QVERIFY(options->blockRelativePitch()); // on by default in the adaptive course
    click(item("blockRelativePitchOption"));
    QVERIFY(!options->blockRelativePitch());
    click(item("levelsCourseOption"));
    QCOMPARE(options->course(), QStringLiteral("levels"));
}

void UiDocumentsTest::settingsAreStoredAtOnceAndEscapeClosesThem()
{
    options->setLabelCKeys(false);
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
    QCOMPARE(options->afterWrongAnswer(), 1);
    QVERIFY(item("replayOption")->property("checked").toBool());
    QVERIFY(!item("goOnOption")->property("checked").toBool());

    // From the keyboard: Tab reaches the options inside the panel only.
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QCOMPARE(view->activeFocusItem(), item("goOnOption"));
    QTest::keyClick(view.get(), Qt::Key_Space);
    QCOMPARE(options->afterWrongAnswer(), 0);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QTest::keyClick(view.get(), Qt::Key_Tab);
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(options->labelCKeys(), true);
    QCOMPARE(keyboard->property("labelCKeys").toBool(), true);

    // The language waits for the next start; note names are stored as the
    // letters and the octaves' numbers together.
    QVERIFY(item("languageOptionSystem")->property("checked").toBool());
    click(item("languageOptionfr"));
    QCOMPARE(options->language(), QString("fr"));
    QVERIFY(item("languageOptionfr")->property("checked").toBool());
    QVERIFY(!item("languageOptionSystem")->property("checked").toBool());
    QVERIFY(item("englishNamesOption")->property("checked").toBool());
    click(item("germanNamesOption"));
    QCOMPARE(options->noteNames(), QString("german/c4"));
    click(item("frenchOctavesOption"));
    QCOMPARE(options->noteNames(), QString("letters/do3"));

    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(item("startButton")->isEnabled());
}


// ---- one path for mouse and keys, panels, legibility ----

void UiDocumentsTest::levelByKeyboardAsksExactlyWhenTheMouseDoes()
{
    for (bool byKeyboard : {false, true}) {
        cleanup();
        init();
        load(false);
        view->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        auto *strip = item("levelStrip");
        auto *dialog = item("leaveLevelDialog");
        const auto choose = [&](int level) {
            if (!byKeyboard) {
                clickLevelStripAt(qRound((level - 0.5) * 2171.0 / 12));
                return;
            }
            strip->forceActiveFocus();
            const int from = root()->property("difficultyLevel").toInt();
            for (int i = from; i != level; i += (level > from ? 1 : -1))
                QTest::keyClick(view.get(), level > from ? Qt::Key_Right : Qt::Key_Left);
            QTest::keyClick(view.get(), Qt::Key_Return);
        };
        const QByteArray path = byKeyboard ? "keyboard" : "mouse";

        choose(3);  // nothing answered: no question
        QVERIFY2(!dialog->isVisible(), path);
        QCOMPARE(bridge->sessionLevels, QList<uint>{3});

        answerOne(true);
        choose(2);
        QVERIFY2(dialog->isVisible(), path);
        QVERIFY(text("leaveLevelQuestion").startsWith("Leave level 3?"));
        QTest::keyClick(view.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(bridge->sessionLevels, QList<uint>{3});
        QCOMPARE(root()->property("answeredCount").toInt(), 1);

        choose(3);
        QVERIFY(text("leaveLevelQuestion").startsWith("Start level 3 again?"));
        click(item("leaveButton"));
        QCOMPARE(bridge->sessionLevels, (QList<uint>{3, 3}));

        // A finished round is already stored: nothing to ask.
        answerOne(false);
        report.showSummary(QVariantMap{{"headline", "Level 3 not passed"}, {"detail", ""}, {"nextLevel", 3}});
        QTest::keyClick(view.get(), Qt::Key_Escape);
        choose(1);
        QVERIFY2(!dialog->isVisible(), path);
        QCOMPARE(bridge->sessionLevels.last(), 1u);
    }
}

void UiDocumentsTest::keysUsersExpect()
{
    load(false);
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QTest::keyClick(view.get(), Qt::Key_F1);
    QVERIFY(item("helpWindow")->isVisible());
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!item("helpWindow")->isVisible());

    QSignalSpy quit(view->engine(), &QQmlEngine::quit);
    QTest::keyClick(view.get(), Qt::Key_Q);
    QCOMPARE(quit.count(), 0);
    QTest::keyClick(view.get(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(quit.count(), 1);
}

void UiDocumentsTest::theSpeakerIsTheStartButtonToo()
{
    load(false);
    auto *speaker = item("speaker");
    click(speaker);
    QCOMPARE(bridge->sessionLevels, QList<uint>{1});

    // While the question sounds it rests, like the button; then it replays.
    callRoot("onCurrentNote", QVariant(uint(0)));
    click(speaker);
    QCOMPARE(bridge->count("replayQuestion"), 0);
    QTRY_VERIFY_WITH_TIMEOUT(item("startButton")->isEnabled(), 20000);
    click(speaker);
    QCOMPARE(bridge->count("replayQuestion"), 1);
    // A corner of its square is not the speaker.
    click(speaker, QPointF(2, 2));
    QCOMPARE(bridge->count("replayQuestion"), 1);

    // From the keyboard too.
    speaker->forceActiveFocus();
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(bridge->count("replayQuestion"), 2);
}

void UiDocumentsTest::theSummaryCoversTheWindowAndEnterGoesOn()
{
    load(false);
    view->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    clickLevelStripAt(90);
    answerOne(true);
    report.showAnswer(60, 60);
    QVERIFY(item("feedbackLine")->isVisible());
    report.showSummary(QVariantMap{{"headline", "Level 1 passed: C and D next"}, {"detail", "7 of 7 right"},
                                              {"nextLevel", 2}, {"passed", true}});
    auto *summary = item("sessionSummary");
    QVERIFY(summary->isVisible());
    // One "Next round", over a dimmed window that takes the clicks.
    QVERIFY(!item("startButton")->isVisible());
    auto *backdrop = item("backdrop");
    QVERIFY(backdrop->isVisible());
    QCOMPARE(backdrop->size(), QSizeF(view->size()));
    QVERIFY(backdrop->z() > item("speakerBand")->z() && backdrop->z() < summary->z());
    const int levels = bridge->sessionLevels.size();
    clickLevelStripAt(400);
    QCOMPARE(bridge->sessionLevels.size(), levels);
    // The strip already shows the level the next round is at.
    QCOMPARE(item("levelStrip")->property("source").toUrl().toString(), QString("qrc:/res/level2.png"));

    // Put away with Escape, Enter still goes on, and the old feedback goes.
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!summary->isVisible());
    QVERIFY(!backdrop->isVisible());
    QVERIFY(item("startButton")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(item("startButton")->isEnabled(), 20000);  // the question's rings have run
    QTest::keyClick(view.get(), Qt::Key_Return);
    QCOMPARE(bridge->count("nextRound"), 1);
    QVERIFY(!item("feedbackLine")->isVisible());

    // A level chosen on the strip clears it as well.
    report.showAnswer(62, 60);
    callRoot("onMaturityLevelChanged", QVariant(uint(2)));
    QVERIFY(!item("feedbackLine")->isVisible());
}

static void checkContrast(const QList<QQuickItem *> &texts, const QImage &picture, const QString &where);

void UiDocumentsTest::panelsFitEveryScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("language");
    for (QSize size : {QSize(1024, 600), QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1440)})
        QTest::newRow(qPrintable(QString("%1x%2").arg(size.width()).arg(size.height()))) << size << QString();
    // Every language on the smallest screen, and texts 40 % longer than
    // English, as a language to come may need.
    for (const QString &language : Language::Translated() + QStringList{Language::Pseudo()})
        QTest::newRow(qPrintable("1024x600 " + language)) << QSize(1024, 600) << language;
}

void UiDocumentsTest::panelsFitEveryScreen()
{
    QFETCH(QSize, size);
    QFETCH(QString, language);
    std::unique_ptr<Translations> translated;
    if (!language.isEmpty()) {
        translated = std::make_unique<Translations>(language);
        QVERIFY(translated->loaded());
    }
    load(false);
    view->resize(size);
    QTRY_COMPARE(root()->property("width").toInt(), size.width());
    const QRectF window(QPointF(0, 0), QSizeF(size));
    {
        // The main window's own texts, the longest feedback line among them.
        report.showAnswer(62, 60);
        QList<QQuickItem *> texts;
        collectTexts(view->contentItem(), texts);
        QTRY_VERIFY2(textOutOfItsBox(texts).isEmpty(), qPrintable(textOutOfItsBox(texts)));
        for (QQuickItem *t : texts)
            QVERIFY2(window.contains(sceneBox(t)), qPrintable(t->property("text").toString()));
    }
    const qreal headerBottom = sceneBox(item("header")).bottom();
    clickLevelStripAt(400);
    answerOne(true);

    const QList<QPair<QByteArray, std::function<void()>>> panels{
        {"helpWindow", [&] { click(item("helpButton")); }},
        {"settingsPanel", [&] { click(item("settingsButton")); }},
        {"statisticsWindow", [&] {
             QVariant unused;
             QVERIFY(QMetaObject::invokeMethod(root(), "showStatistics", Q_RETURN_ARG(QVariant, unused)));
         }},
        {"leaveLevelDialog", [&] { clickLevelStripAt(90); }},
        {"sessionSummary", [&] {
             report.showSummary(QVariantMap{{"headline", "Level 3 not passed: C, D and E again"},
                                                       {"detail", "1 of 21 right: 4 %, 80 % needed"}, {"nextLevel", 3}});
         }},
    };
    for (const auto &panel : panels) {
        panel.second();
        QQuickItem *box = item(panel.first.constData());
        QTRY_VERIFY2(box->isVisible(), panel.first);
        const QRectF area = sceneBox(box);
        QVERIFY2(window.contains(area), panel.first);
        QVERIFY2(area.top() >= headerBottom, panel.first + " covers the header");
        // No text runs out of its panel or out of the area that scrolls it.
        QList<QQuickItem *> texts;
        collectTexts(box, texts);
        for (QQuickItem *t : texts) {
            QQuickItem *clip = clipper(t);
            const QRectF bounds = clip && box->isAncestorOf(clip) ? sceneBox(clip) : area;
            const QRectF textBox = sceneBox(t);
            if (clip && !bounds.intersects(textBox))
                continue;  // scrolled out of sight
            // Half scrolled into sight at the top or the bottom is fine;
            // beyond the sides is not.
            const QRectF inSight = clip ? QRectF(textBox.left(), bounds.top(), textBox.width(), bounds.height()) : textBox;
            QVERIFY2(bounds.adjusted(-1, -1, 1, 1).contains(inSight),
                     qPrintable(panel.first + ": " + t->property("text").toString()));
        }
        // Layouts settle a frame after a text wraps anew.
        QTRY_VERIFY2(textOutOfItsBox(texts).isEmpty(), qPrintable(panel.first + ": " + textOutOfItsBox(texts)));
        QTest::qWait(30);
        checkContrast(texts, view->grabWindow(), QString::fromLatin1(panel.first));
        if (QTest::currentTestFailed())
            return;
        QTest::keyClick(view.get(), Qt::Key_Escape);
        QTRY_VERIFY2(!box->isVisible(), panel.first);
    }
}

// WCAG relative luminance and contrast ratio.
static double luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

static double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour drawn most often in a box of the picture: what the text sits on.
static QColor backgroundIn(const QImage &picture, const QRect &box)
{
    QHash<QRgb, int> counts;
    const QRect inside = box.intersected(picture.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor(best);
}

static qreal shownOpacity(QQuickItem *item)
{
    qreal opacity = 1;
    for (QQuickItem *p = item; p; p = p->parentItem())
        opacity *= p->opacity();
    return opacity;
}

// Every text against what the picture shows behind it: 4.5:1 at least, its
// own opacity taken in; sharps and flats from the text's own font.
static void checkContrast(const QList<QQuickItem *> &texts, const QImage &picture, const QString &where)
{
    for (QQuickItem *t : texts) {
        const QString words = t->property("text").toString();
        const QRect box = sceneBox(t).toAlignedRect();
        const QColor behind = backgroundIn(picture, box);
        QColor ink = t->property("color").value<QColor>();
        const qreal opacity = shownOpacity(t);
        ink = QColor::fromRgbF(ink.redF() * opacity + behind.redF() * (1 - opacity),
                               ink.greenF() * opacity + behind.greenF() * (1 - opacity),
                               ink.blueF() * opacity + behind.blueF() * (1 - opacity));
        // An outlined label reads against its own rim.
        const bool outlined = t->property("style").toInt() == 1;
        const QColor against = outlined ? t->property("styleColor").value<QColor>() : behind;
        const double ratio = contrast(ink, against);
        QVERIFY2(ratio >= 4.5, qPrintable(QString("%1 on %2 (%3): %4:1").arg(words, against.name(), where)
                                              .arg(ratio, 0, 'f', 2)));
        const QRawFont font = QRawFont::fromFont(t->property("font").value<QFont>());
        for (QChar c : words)
            if (c == QChar(0x266f) || c == QChar(0x266d))
                QVERIFY2(font.supportsCharacter(c), qPrintable(words));
    }
}

void UiDocumentsTest::everyTextReadsOnEveryHintColour()
{
    QFETCH(QSize, size);
    load(false);
    view->resize(size);
    QTRY_COMPARE(root()->property("width").toInt(), size.width());
    clickLevelStripAt(400);
    answerOne(true);
    report.showAnswer(61, 70);  // "You played C♯4 — it was A♯4"
    hoverAt(QPoint(size.width() / 2, size.height() - 2));  // no hover tooltip over the strip
    QTRY_VERIFY(!item("levelTooltip")->isVisible());
    QVariantList colours = root()->property("hintColors").toList();
    colours.prepend(root()->property("neutralColor"));
    for (bool resting : {false, true}) {
        // Resting: the start button while a question sounds.
        item("speakerBand")->setProperty("wavesPlaying", resting);
        for (const QVariant &colour : colours) {
            root()->setProperty("color", colour);
            QTest::qWait(30);
            const QImage picture = view->grabWindow();
            QList<QQuickItem *> texts;
            collectTexts(view->rootObject(), texts);
            QVERIFY(texts.size() > 10);
            checkContrast(texts, picture, colour.toString());
            if (QTest::currentTestFailed())
                return;
        }
    }
}

void UiDocumentsTest::statisticsWordsFitTheirCounts()
{
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.3\nimport \"qrc:/StatisticsColors.js\" as Colors\n"
                      "QtObject {\n"
                      "  function overview(o, period, level) { return Colors.overview(o, period, level) }\n"
                      "  function empty(period, source, level) { return Colors.emptyText(period, source, level) }\n"
                      "}",
                      QUrl("qrc:/words.qml"));
    std::unique_ptr<QObject> words(component.create());
    QVERIFY2(words, qPrintable(component.errorString()));
    const auto period = [](int asked, int days) {
        return QVariantMap{{"asked", asked}, {"share", 1.0}, {"days", days}, {"minutes", 3}};
    };
    const QVariantMap one{{"asked", 1}, {"share", 1.0}, {"chromaShare", 1.0}, {"streakDays", 1},
                          {"last7Days", period(1, 1)}, {"last30Days", period(1, 1)}, {"allDays", period(1, 1)}};
    const auto overview = [&](const QVariantMap &o, int chosen) {
        QVariant result;
        QMetaObject::invokeMethod(words.get(), "overview", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, o),
                                  Q_ARG(QVariant, chosen), Q_ARG(QVariant, 3));
        return result.toString();
    };
    for (int chosen : {0, 1, 2}) {
        const QString text = overview(one, chosen);
        QVERIFY2(text.startsWith("1 answer: "), qPrintable(text));
        QVERIFY2(!text.contains("1 answers") && !text.contains("1 days") && text.contains("1 day,"), qPrintable(text));
        // The second line is the chosen period's own.
        QCOMPARE(text.contains("Last 30 days"), chosen == 0);
        QCOMPARE(text.contains("Last 7 days"), chosen != 2);
        QCOMPARE(text.contains("At level 3"), chosen == 2);
    }
    QVariantMap many = one;
    many["asked"] = 2;
    many["allDays"] = period(2, 2);
    QVERIFY(overview(many, 0).contains("All days: 2 days"));
    QVERIFY(overview(many, 0).startsWith("2 answers: "));

    const auto empty = [&](int chosen, int source) {
        QVariant result;
        QMetaObject::invokeMethod(words.get(), "empty", Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, chosen),
                                  Q_ARG(QVariant, source), Q_ARG(QVariant, 3));
        return result.toString();
    };
    QCOMPARE(empty(0, 1), QString("No answers from MIDI keyboards yet."));
    QCOMPARE(empty(2, 0), QString("No answers at level 3 yet."));
    QCOMPARE(empty(0, 0), QString("Answer a few questions and your statistics appear here."));
}

// Runs under TZ=Europe/Berlin (see the test's CMake entry): the spans cross a
// daylight-saving change.
void UiDocumentsTest::theDayAxisHasItsPointsOnWholeDays_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("skipped");  // a day without answers, or -1
    QTest::addColumn<int>("step");
    QTest::newRow("7 days into summer time") << QDate(2026, 3, 25) << 7 << -1 << 1;
    QTest::newRow("7 days, one missing") << QDate(2026, 12, 2) << 8 << 6 << 1;
    QTest::newRow("30 days out of summer time") << QDate(2026, 10, 5) << 30 << 10 << 7;
}

void UiDocumentsTest::theDayAxisHasItsPointsOnWholeDays()
{
    QFETCH(QDate, first);
    QFETCH(int, span);
    QFETCH(int, skipped);
    QFETCH(int, step);
    QQuickView chartView;
    chartView.setResizeMode(QQuickView::SizeRootObjectToView);
    chartView.setSource(QUrl("qrc:/TrendChart.qml"));
    QVERIFY2(chartView.status() == QQuickView::Ready, qPrintable(chartView.errors().value(0).toString()));
    chartView.resize(900, 400);
    chartView.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chartView));

    QVariantList days;
    for (int i = 0; i < span; ++i) {
        if (i == skipped)
            continue;
        // As the statistics give them: local noon of each day.
        const qint64 noon = QDateTime(first.addDays(i), QTime(12, 0)).toMSecsSinceEpoch();
        days << QVariantMap{{"time", double(noon)}, {"share", 0.5}, {"chromaShare", 0.75}, {"medianMs", 1500 + 800 * i}};
    }
    chartView.rootObject()->setProperty("days", days);

    QObject *axis = chartView.rootObject()->property("dayAxis").value<QObject *>();
    QVERIFY(axis);
    const QStringList labels = axis->property("categoriesLabels").toStringList();
    QCOMPARE(labels.size(), (span + step - 1) / step);
    const QVariantList values = chartView.rootObject()->property("labelValues").toList();
    QCOMPARE(values.size(), labels.size());
    for (int n = 0; n < labels.size(); ++n) {
        QCOMPARE(values[n].toReal(), qreal(n * step));
        const QDate day = first.addDays(n * step);
        QVERIFY2(labels[n].startsWith(QString::number(day.day()) + " "), qPrintable(labels[n]));
    }
    QCOMPARE(axis->property("min").toReal(), -0.5);
    QCOMPARE(axis->property("max").toReal(), span - 0.5);

    // Each point on its own day's value, the gap left empty.
    QObject *exact = chartView.rootObject()->property("exactSeries").value<QObject *>();
    QCOMPARE(exact->property("count").toInt(), days.size());
    int point = 0;
    for (int i = 0; i < span; ++i) {
        if (i == skipped)
            continue;
        QPointF at;
        QVERIFY(QMetaObject::invokeMethod(exact, "at", Q_RETURN_ARG(QPointF, at), Q_ARG(int, point++)));
        QCOMPARE(at.x(), qreal(i));
    }

    // The seconds axis puts its gridlines on whole seconds.
    QObject *seconds = chartView.rootObject()->property("secondsAxis").value<QObject *>();
    const qreal max = seconds->property("max").toReal();
    const int ticks = seconds->property("tickCount").toInt();
    QVERIFY(max >= (1500 + 800 * (span - 1)) / 1000.0);
    QCOMPARE(std::fmod(max / (ticks - 1), 1.0), 0.0);
}

QTEST_MAIN(UiDocumentsTest)
#include "ui_documents_test.moc"
