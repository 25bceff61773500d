// The whole program in this process with no MIDI at all: no ALSA sequencer and
// no JACK server. It must come up and train with the on-screen keyboard, and
// show the statistics of a long answer history.

#include "answer_history.h"
#include "application.h"
#include "chart_points.h"
#include "generated_history.h"
#include "jack_test_server.h"
#include "history_statistics.h"
#include "keep_libraries.h"
#include "keyboard_clicks.h"
#include "qml_messenger.h"
#include "question_bank.h"
#include "sound_system.h"
#include "statistics_model.h"
#include "test_store.h"
#include "training_session.h"

#include <QQmlContext>
#include <computer_keys.h>
#ifdef ORVELLE_EXPECT_BUILTIN_SYNTH
#include <synth/midi_device_synth.h>
#endif
#include <timer.h>
#include "text_boxes.h"

#include <QProcess>
#include <QtCharts/QAbstractSeries>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QQuickItem>
#include <QScreen>
#include <QRegularExpression>
#include <QtTest>

using KeyLetters = std::array<Qt::Key, 14>;
Q_DECLARE_METATYPE(KeyLetters)

namespace {

QStringList warnings;
QtMessageHandler defaultHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        warnings << message;
    defaultHandler(type, context, message);
}

} // namespace

class NoMidiTest : public QObject {
    Q_OBJECT
public:
    explicit NoMidiTest(Application &application) : app(application) {}

private:
    Application &app;

    QQuickView &view() { return app.window(); }
    QuestionBank &bank() { return app.questionBank(); }
    unsigned question() { return bank().questions[bank().currentQuestion]; }

    // One key press as the window system delivers it: the scan code names the
    // key's place, the Qt key the letter the layout prints on it.
    void pressKey(quint32 scanCode, Qt::Key letter)
    {
        QKeyEvent press(QEvent::KeyPress, letter, Qt::NoModifier, scanCode, 0, 0, QString());
        QCoreApplication::sendEvent(&app.window(), &press);
        QKeyEvent release(QEvent::KeyRelease, letter, Qt::NoModifier, scanCode, 0, 0, QString());
        QCoreApplication::sendEvent(&app.window(), &release);
    }

    // Answers the current question on the computer keyboard of a layout,
    // given as the letters it prints on the places of Z, X and A W S E D F T
    // G Y H U J (scan codes 52, 53, 38, 25, 39, 26, 40, 41, 28, 42, 29, 43, 30, 44).
    void typeAnswer(unsigned note, const KeyLetters &letters)
    {
        static const std::array<quint32, 14> places{52, 53, 38, 25, 39, 26, 40, 41, 28, 42, 29, 43, 30, 44};
        const int octave = int(note) / 12 - 1;
        ComputerKeys &keys = app.computerKeyboard();
        while (keys.octave() > octave)
            pressKey(places[0], letters[0]);
        while (keys.octave() < octave)
            pressKey(places[1], letters[1]);
        pressKey(places[2 + note % 12], letters[2 + note % 12]);
    }

    void waitForQuestion()
    {
        QTRY_VERIFY_WITH_TIMEOUT(app.session().state() == int(TrainingSession::Asking)
                                 || app.session().state() == int(TrainingSession::Asked), 5000);
    }

    static std::vector<AnswerRecord> &history()
    {
        static std::vector<AnswerRecord> answers = GeneratedHistory::make(100000);
        return answers;
    }

    // Items a Repeater made are found only through the visual tree.
    static QQuickItem *findItem(QQuickItem *item, const QString &name)
    {
        if (item->objectName() == name)
            return item;
        for (QQuickItem *child : item->childItems())
            if (QQuickItem *found = findItem(child, name))
                return found;
        return nullptr;
    }

public:
    static bool writeHistory(const QString &path) { return GeneratedHistory::write(path, history()); }

private slots:
    // The sound is set up once the window has shown, and the question asked
    // before that (in main, below) is played then: the timer ticks for it.
    void theSoundStartsAfterTheFirstFrameWithTheQuestionAskedBefore()
    {
        // What the sound's set-up warns goes to the test's log as well.
        defaultHandler = qInstallMessageHandler(recordWarnings);
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        QTRY_VERIFY(app.sound() != nullptr);
        const std::uint64_t from = Core::Timer::WakeUpCount();
        QTRY_VERIFY(Core::Timer::WakeUpCount() >= from + 100);
        app.stopPlayback();
    }

    // F2 opens the statistics of 100,000 answers; the heat map colours each
    // key by its share of right answers, from red (none) to green (all).
    void theStatisticsWindowShowsEachKeysShare()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        // A shortcut reaches only the window with the keyboard focus, which
        // a display without a window manager does not give by itself.
        app.window().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&app.window()));
        QTest::keyClick(&app.window(), Qt::Key_F2);
        QObject *model = qvariant_cast<QObject *>(app.window().rootContext()->contextProperty("statistics"));
        QVERIFY(model);
        QTRY_VERIFY_WITH_TIMEOUT(!model->property("loading").toBool() && model->property("total").toInt() == 100000,
                                 20000);
        QObject *statisticsWindow = app.window().rootObject()->findChild<QObject *>("statisticsWindow");
        QVERIFY(statisticsWindow && statisticsWindow->property("visible").toBool());
        // The frame with the figures: on a busy machine it may take a while,
        // and until then the keys show the bare panel.
        QImage screen;
        QQuickItem *firstKey = findItem(app.window().contentItem(), QString("heatKey24"));
        QVERIFY(firstKey);
        const QPoint firstKeyAt = firstKey->mapToScene(QPointF(firstKey->width() / 2, firstKey->height() * 0.85)).toPoint();
        QTRY_VERIFY_WITH_TIMEOUT((screen = app.window().grabWindow()).pixelColor(firstKeyAt) != QColor("#424c53"), 10000);
        screen.save(QDir::temp().filePath("orvelle-statistics.png"));

        const HistoryStatistics expected = computeStatistics(history(), StatisticsFilter());
        for (const int key : {24, 39, 40, 70}) { // A2, C4, C#4, G6
            QQuickItem *item = findItem(app.window().contentItem(), QString("heatKey%1").arg(key));
            QVERIFY(item);
            // Low on a white key, high on a black one: where no other key lies.
            const qreal y = item->height() * (key == 40 ? 0.4 : 0.85);
            const QPoint at = item->mapToScene(QPointF(item->width() / 2, y)).toPoint();
            const QColor shown = screen.pixelColor(at);
            const AnswerCounts &counts = expected.byKey[std::size_t(key)];
            // Red through yellow to green, green only near all right.
            const double share = double(counts.right) / counts.asked;
            const QColor wanted = QColor::fromHslF(0.33 * share * share, 0.75, 0.6);
            const bool close = std::abs(shown.red() - wanted.red()) <= 3 && std::abs(shown.green() - wanted.green()) <= 3 &&
                               std::abs(shown.blue() - wanted.blue()) <= 3;
            QVERIFY2(close, qPrintable(QString("key %1: %2 shown, %3 for %4 of %5 right")
                                           .arg(key).arg(shown.name(), wanted.name()).arg(counts.right).arg(counts.asked)));
        }
        // The day chart has a point per day (filled in one go, not point by point).
        QObject *trend = app.window().rootObject()->findChild<QObject *>("trendChart");
        QVERIFY(trend);
        int exactLines = 0;
        for (int i = 0; i < trend->property("count").toInt(); ++i) {
            QtCharts::QAbstractSeries *series = nullptr;
            QVERIFY(QMetaObject::invokeMethod(trend, "series", Q_RETURN_ARG(QtCharts::QAbstractSeries *, series),
                                              Q_ARG(int, i)));
            if (!series || series->objectName() != QLatin1String("exactSeries"))
                continue;
            ++exactLines;
            QCOMPARE(series->property("count").toInt(), int(expected.days.size()));
            // A whole line at once; lists of two lengths or no series are refused.
            QVERIFY(!ChartPoints::instance().replace(series, {1.0, 2.0}, {3.0}));
            QVERIFY(!ChartPoints::instance().replace(trend, {1.0}, {3.0}));
            QCOMPARE(series->property("count").toInt(), int(expected.days.size()));
            QVERIFY(ChartPoints::instance().replace(series, {1.0, 2.0}, {3.0, 4.0}));
            QCOMPARE(series->property("count").toInt(), 2);
        }
        QCOMPARE(exactLines, 1);
        QTest::keyClick(&app.window(), Qt::Key_Escape);
        QTRY_VERIFY(!statisticsWindow->property("visible").toBool());
    }

    // A history set aside as damaged is offered in the statistics window, and
    // "Recover" copies its rows into the current history.
    void aSetAsideHistoryIsRecoveredFromTheStatisticsWindow()
    {
        const QString aside = app.answerHistory().path() + ".broken-20261208-120000.000-1";
        {
            AnswerHistory broken(aside);
            for (const AnswerRecord &r : std::vector<AnswerRecord>(history().begin(), history().begin() + 5))
                QVERIFY(broken.append(r) > 0);
        }
        const int before = app.answerHistory().count();
        app.window().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&app.window()));
        QTest::keyClick(&app.window(), Qt::Key_F2);
        QObject *offer = app.window().rootObject()->findChild<QObject *>("setAsideHistories");
        QVERIFY(offer);
        QTRY_VERIFY(offer->property("visible").toBool());
        QObject *recover = findItem(app.window().contentItem(), "recoverButton");
        QVERIFY(recover);
        QVERIFY(QMetaObject::invokeMethod(recover, "activated"));
        QObject *message = app.window().rootObject()->findChild<QObject *>("recoveryMessage");
        QVERIFY(message);
        QTRY_COMPARE_WITH_TIMEOUT(message->property("text").toString(), QString("5 answers recovered."), 10000);
        QCOMPARE(app.answerHistory().count(), before + 5);
        // Old answers: the next start must not give them to the store.
        QTRY_COMPARE(app.questionBank().lastHistoryRow, app.answerHistory().lastRowId());
        QVERIFY(QFileInfo::exists(aside + ".recovered"));
        QTRY_VERIFY(!offer->property("visible").toBool() || message->property("text").toString().size() > 0);
        QObject *statisticsWindow = app.window().rootObject()->findChild<QObject *>("statisticsWindow");
        QVERIFY(QMetaObject::invokeMethod(statisticsWindow, "close"));
        QTRY_VERIFY(!statisticsWindow->property("visible").toBool());
    }

    void theDeviceBoxSaysThereIsNoMidi()
    {
        QObject *line = app.window().rootObject()->findChild<QObject *>("deviceLine");
        QVERIFY(line);
        QTRY_COMPARE(line->property("text").toString(), QStringLiteral("No MIDI found"));
        QObject *box = app.window().rootObject()->findChild<QObject *>("mdev");
        QVERIFY(box);
        QCOMPARE(box->property("currentText").toString(), QStringLiteral("All MIDI keyboards"));
    }

    void theBuiltInOutputSaysWhyItIsSilent()
    {
#ifdef ORVELLE_EXPECT_BUILTIN_SYNTH
        Core::SoundController *controller = app.sound()->Controller();
        QCOMPARE(controller->GetOutDeviceCount(), 1);
        QCOMPARE(controller->GetOutDevice(0)->GetName(), QStringLiteral("Built-in synthesizer"));
        QCOMPARE(warnings.filter("audio output is unavailable").size(), 1);
#else
        QSKIP("built without the built-in synthesiser");
#endif
    }

    // With a window manager the window is maximised, without one it fills the
    // screen; from the taskbar it comes back as large as it was.
    void theWindowFillsTheScreenAndComesBackFromTheTaskbar()
    {
        QQuickView &view = app.window();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QRect screen = view.screen()->availableGeometry();
        QCOMPARE(view.minimumSize(), QSize(1024, 640).boundedTo(screen.size() * 0.8));
        QTRY_VERIFY_WITH_TIMEOUT(view.width() >= screen.width() * 0.95 && view.height() >= screen.height() * 0.9, 5000);

        app.onHideWindow();
        QTRY_COMPARE(view.windowState(), Qt::WindowMinimized);
        // Restored only once a window manager has really iconified it.
        if (qgetenv("ORVELLE_TEST_WINDOW_MANAGER") == "1")
            QTRY_VERIFY_WITH_TIMEOUT(!view.isExposed(), 5000);
        view.showNormal();  // what a taskbar asks for
        QTRY_VERIFY(view.windowState() != Qt::WindowMinimized);
        QVERIFY(QTest::qWaitForWindowExposed(&view, 10000));
        QTest::qWait(500);  // the window manager's answer to the restore
        QTRY_VERIFY_WITH_TIMEOUT(view.width() >= screen.width() * 0.95 && view.height() >= screen.height() * 0.9, 5000);
        QVERIFY(view.width() >= 1024 && view.height() >= 640);
    }

    // Tab then Space starts a session; nothing on the way quits.
    void tabThenSpaceBeginsAndNeverQuits()
    {
        QSignalSpy quitting(&app, &QCoreApplication::aboutToQuit);
        view().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&view()));
        QTest::keyClick(&view(), Qt::Key_Tab);
        QTest::keyClick(&view(), Qt::Key_Space);
        waitForQuestion();
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(&view(), Qt::Key_Escape);
            QTest::keyClick(&view(), Qt::Key_Tab);
        }
        QTest::keyClick(&view(), Qt::Key_Escape);
        QTest::keyClick(&view(), Qt::Key_Space);  // no control focused: replays
        QTest::qWait(100);
        QCOMPARE(quitting.count(), 0);
        waitForQuestion();
    }

    // By the keys' places: the same answer on QWERTY and on AZERTY, scored
    // as a click would be and recorded as coming from the computer keyboard.
    void computerKeyboardAnswersAreScoredByPlace_data()
    {
        QTest::addColumn<KeyLetters>("letters");
        QTest::newRow("QWERTY") << KeyLetters{Qt::Key_Z, Qt::Key_X, Qt::Key_A, Qt::Key_W, Qt::Key_S, Qt::Key_E, Qt::Key_D,
                                                           Qt::Key_F, Qt::Key_T, Qt::Key_G, Qt::Key_Y, Qt::Key_H, Qt::Key_U, Qt::Key_J};
        QTest::newRow("AZERTY") << KeyLetters{Qt::Key_W, Qt::Key_X, Qt::Key_Q, Qt::Key_Z, Qt::Key_S, Qt::Key_E, Qt::Key_D,
                                                           Qt::Key_F, Qt::Key_T, Qt::Key_G, Qt::Key_Y, Qt::Key_H, Qt::Key_U, Qt::Key_J};
    }

    void computerKeyboardAnswersAreScoredByPlace()
    {
        QFETCH(KeyLetters, letters);
        waitForQuestion();
        const int correctBefore = QSettings(TestStore::storePath(), QSettings::IniFormat).value("GlobalSetting/CorrectStats").toInt();
        const unsigned asked = question();
        typeAnswer(asked, letters);
        QCOMPARE(app.session().state(), int(TrainingSession::Feedback));
        QCOMPARE(app.session().lastAnswerSource(), TrainingSession::AnswerSource::ComputerKeyboard);
        QSettings store(TestStore::storePath(), QSettings::IniFormat);
        QCOMPARE(store.value("GlobalSetting/CorrectStats").toInt(), correctBefore + 1);
        // The note, the tick and the time since the note became audible.
        const QString line = app.window().rootObject()->findChild<QObject *>("feedbackText")->property("text").toString();
        const QString expected = Keyboard::keyName(int(asked) - 21).replace('#', QChar(0x266f)) + QString::fromUtf8(" \u2713");
        QVERIFY2(line == expected || QRegularExpression("^" + QRegularExpression::escape(expected) + " \\d+\\.\\d s$").match(line).hasMatch(),
                 qPrintable(line));
    }

    // The learner's language from the desktop: its texts and its note names
    // in the feedback line. Run once more under LANGUAGE=de and LANGUAGE=fr.
    void theFeedbackLineSpeaksTheLearnersLanguage()
    {
        const QByteArray language = qgetenv("LANGUAGE");
        // B4 for the German H, middle C for the French do 3.
        const unsigned answer = language == "fr" ? 60 : 71;
        const QString answered = language == "de" ? QStringLiteral("H4")
                                 : language == "fr" ? QStringLiteral("do 3")
                                                    : QStringLiteral("B4");
        if (app.session().state() == int(TrainingSession::Idle)) {
            // Run on its own: begin as a learner would.
            view().requestActivate();
            QVERIFY(QTest::qWaitForWindowActive(&view()));
            QTest::keyClick(&view(), Qt::Key_Tab);
            QTest::keyClick(&view(), Qt::Key_Space);
        }
        waitForQuestion();
        const unsigned asked = question();
        QObject *root = app.window().rootObject();
        typeAnswer(answer, {Qt::Key_Z, Qt::Key_X, Qt::Key_A, Qt::Key_W, Qt::Key_S, Qt::Key_E, Qt::Key_D, Qt::Key_F,
                            Qt::Key_T, Qt::Key_G, Qt::Key_Y, Qt::Key_H, Qt::Key_U, Qt::Key_J});
        QCOMPARE(app.session().state(), int(TrainingSession::Feedback));
        const QString line = root->findChild<QObject *>("feedbackText")->property("text").toString();
        if (asked == answer) {
            // The reaction time follows the mark.
            QVERIFY2(line.startsWith(answered + QString::fromUtf8(" \u2713")), qPrintable(line));
        } else {
            const QString expected = language == "de"   ? QString::fromUtf8("Du hast %1 gespielt \u2013 es war ")
                                     : language == "fr" ? QString::fromUtf8("Vous avez jou\u00e9 %1 \u2014 c\u2019\u00e9tait ")
                                                        : QString::fromUtf8("You played %1 \u2014 it was ");
            QVERIFY2(line.startsWith(expected.arg(answered)), qPrintable(line));
        }
        const QString replay = root->findChild<QObject *>("startButton")->property("text").toString();
        QCOMPARE(replay, language == "de"   ? QStringLiteral("Ton wiederholen")
                         : language == "fr" ? QStringLiteral("Rejouer la note")
                                            : QStringLiteral("Replay note"));
        waitForQuestion();
    }

    // The statistics with their figures keep every text inside its box;
    // run once more in the pseudo-language on a 1024 x 600 screen.
    void theStatisticsKeepTheirTextsInsideTheirBoxes()
    {
        app.window().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&app.window()));
        QObject *statisticsWindow = app.window().rootObject()->findChild<QObject *>("statisticsWindow");
        QVERIFY(statisticsWindow);
        if (!statisticsWindow->property("visible").toBool())
            QTest::keyClick(&app.window(), Qt::Key_F2);
        QObject *model = qvariant_cast<QObject *>(app.window().rootContext()->contextProperty("statistics"));
        QTRY_VERIFY_WITH_TIMEOUT(!model->property("loading").toBool() && model->property("total").toInt() > 0, 20000);
        auto *window = qobject_cast<QQuickItem *>(statisticsWindow);
        QList<QQuickItem *> texts;
        collectTexts(window, texts);
        QVERIFY(texts.size() > 20);  // the figures are shown, not the empty page
        QTRY_VERIFY2(textOutOfItsBox(texts).isEmpty(), qPrintable(textOutOfItsBox(texts)));
        const QRectF area = sceneBox(window);
        for (QQuickItem *t : texts) {
            QQuickItem *clip = clipper(t);
            const QRectF bounds = clip && window->isAncestorOf(clip) ? sceneBox(clip) : area;
            QVERIFY2(bounds.left() - 1 <= sceneBox(t).left() && sceneBox(t).right() <= bounds.right() + 1,
                     qPrintable(t->property("text").toString()));
        }
        QTest::keyClick(&app.window(), Qt::Key_Escape);
    }

    // The pitch test's first page keeps its texts inside their boxes too (in
    // the pseudo-language every text is longer), and Escape leaves it.
    void thePitchTestIntroKeepsItsTextsInsideTheirBoxes()
    {
        app.window().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&app.window()));
        auto *panel = app.window().rootObject()->findChild<QQuickItem *>("pitchTestPanel");
        QVERIFY(panel);
        QTest::keyClick(&app.window(), Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(panel->isVisible());
        QList<QQuickItem *> texts;
        collectTexts(panel, texts);
        QVERIFY(texts.size() >= 4);  // title, explanation and buttons
        QTRY_VERIFY2(textOutOfItsBox(texts).isEmpty(), qPrintable(textOutOfItsBox(texts)));
        QTest::keyClick(&app.window(), Qt::Key_Escape);
        QTRY_VERIFY(!panel->isVisible());
    }

    // A naming chosen in the settings holds at once: the keys' names, the
    // feedback line's and the store's.
    void noteNamesChosenInTheSettingsHoldAtOnce()
    {
        QObject *root = app.window().rootObject();
        QObject *german = root->findChild<QObject *>("germanNamesOption");
        QObject *english = root->findChild<QObject *>("englishNamesOption");
        QVERIFY(german && english);
        QVERIFY(QMetaObject::invokeMethod(german, "activated"));
        QCOMPARE(Keyboard::keyName(71 - 21), QStringLiteral("H4"));
        QCOMPARE(Keyboard::keyName(70 - 21), QStringLiteral("B4"));
        QVERIFY(german->property("checked").toBool());
        QCOMPARE(QSettings(TestStore::storePath(), QSettings::IniFormat).value("GlobalSetting/NoteNames").toString(),
                 QStringLiteral("german/c4"));
        // The settings' own texts that name notes follow too.
        QObject *solfege = root->findChild<QObject *>("solfegeNamesOption");
        QVERIFY(solfege && QMetaObject::invokeMethod(solfege, "activated"));
        QVERIFY(root->findChild<QObject *>("referencePitch")->property("text").toString().startsWith("La4 = "));
        QVERIFY(root->findChild<QObject *>("labelCKeysOption")->property("text").toString().contains("Do1"));
        QVERIFY(QMetaObject::invokeMethod(english, "activated"));
        QCOMPARE(Keyboard::keyName(71 - 21), QStringLiteral("B4"));
        QVERIFY(root->findChild<QObject *>("referencePitch")->property("text").toString().startsWith("A4 = "));
    }

    // After the answers just given (the history read once at the first
    // opening, then only the rows added since): the window's figures are a
    // full reading's for every filter, and the days in a row are the same
    // under every filter (today's answers came from the computer keyboard,
    // none from MIDI).
    void theStatisticsFollowNewAnswersUnderEveryFilter()
    {
        std::vector<AnswerRecord> answers;
        {
            const AnswerHistory file(app.answerHistory().path(), AnswerHistory::Mode::ReadOnly);
            QVERIFY(file.forEach([&answers](const AnswerRecord &r) { answers.push_back(r); }));
        }
        QVERIFY(answers.size() > history().size());
        QObject *model = qvariant_cast<QObject *>(app.window().rootContext()->contextProperty("statistics"));
        QVERIFY(model);
        for (int period = 0; period < 3; ++period) {
            for (int source = 0; source < 3; ++source) {
                QMetaObject::invokeMethod(model, "refresh", Q_ARG(int, period), Q_ARG(int, source));
                QTRY_VERIFY_WITH_TIMEOUT(!model->property("loading").toBool(), 20000);
                const HistoryStatistics expected =
                    computeStatistics(answers, StatisticsModel::filterFor(period, source, bank().maturityLevel));
                const QString filter = QString("period %1, source %2").arg(period).arg(source);
                QVERIFY2(model->property("problem").toString().isEmpty(), qPrintable(filter));
                QVERIFY2(model->property("total").toInt() == expected.all.asked, qPrintable(filter));
                const QVariantMap overall = model->property("overall").toMap();
                QVERIFY2(overall.value("streakDays").toInt() == 1, qPrintable(filter));
                QVERIFY2(overall.value("right").toInt() == expected.all.right, qPrintable(filter));
                QVERIFY2(model->property("days").toList().size() == int(expected.days.size()), qPrintable(filter));
                const QVariantList classes = model->property("pitchClasses").toList();
                for (std::size_t pc = 0; pc < 12; ++pc) {
                    const QVariantMap shown = classes.at(int(pc)).toMap();
                    QVERIFY2(shown.value("medianMs").toDouble() == expected.byPitchClass[pc].medianReactionMs &&
                                 shown.value("p90Ms").toDouble() == expected.byPitchClass[pc].p90ReactionMs,
                             qPrintable(filter));
                }
            }
        }
    }

    void aClickOnTheRightKeyScores()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        auto *keyboard = app.window().rootObject()->findChild<Keyboard *>("Keyboard");
        QVERIFY(keyboard);
        QMetaObject::invokeMethod(messenger, "startNewSession", Q_ARG(uint, 1));
        QTRY_COMPARE(app.session().state(), int(TrainingSession::Asking));

        QSettings before(TestStore::storePath(), QSettings::IniFormat);
        const int correctBefore = before.value("GlobalSetting/CorrectStats").toInt();
        QuestionBank &bank = app.questionBank();
        QVERIFY(KeyboardClicks::clickKey(*keyboard, int(bank.questions[bank.currentQuestion]) - 21));
        QCOMPARE(app.session().state(), int(TrainingSession::Feedback));
        QCOMPARE(app.session().lastAnswerSource(), TrainingSession::AnswerSource::ScreenKeyboard);
        QSettings store(TestStore::storePath(), QSettings::IniFormat);
        QCOMPARE(store.value("GlobalSetting/CorrectStats").toInt(), correctBefore + 1);
    }

    // Another program holds the history's write lock: the answer is scored
    // at once, the window's line says why it waits, and it is written once
    // the lock is gone.
    void anAnswerWhileTheHistoryIsLockedIsShownAndWrittenLater()
    {
        QVERIFY(QTest::qWaitForWindowExposed(&app.window()));
        auto *keyboard = app.window().rootObject()->findChild<Keyboard *>("Keyboard");
        QVERIFY(keyboard);
        QMetaObject::invokeMethod(messenger, "startNewSession", Q_ARG(uint, 1));
        QTRY_COMPARE(app.session().state(), int(TrainingSession::Asking));
        const int rowsBefore = app.answerHistory().count();
        QObject *line = app.window().rootObject()->findChild<QObject *>("statusLine");
        QVERIFY(line);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other-program");
            db.setDatabaseName(app.answerHistory().path());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("BEGIN IMMEDIATE"));
            QuestionBank &bank = app.questionBank();
            QElapsedTimer click;
            click.start();
            QVERIFY(KeyboardClicks::clickKey(*keyboard, int(bank.questions[bank.currentQuestion]) - 21));
            QVERIFY2(click.elapsed() < 1000, qPrintable(QString::number(click.elapsed())));
            QCOMPARE(app.session().state(), int(TrainingSession::Feedback));
            QTRY_VERIFY(line->property("text").toString().contains("another program is using it"));
            QCOMPARE(app.answerHistory().heldCount(), 1);
            QVERIFY(QSqlQuery(db).exec("COMMIT"));
            db.close();
        }
        QSqlDatabase::removeDatabase("other-program");
        QTRY_VERIFY_WITH_TIMEOUT(line->property("text").toString().isEmpty(), 5000);
        QCOMPARE(app.answerHistory().count(), rowsBefore + 1);
    }

    QString deviceLine()
    {
        QObject *line = app.window().rootObject()->findChild<QObject *>("deviceLine");
        return line ? line->property("text").toString() : QString();
    }

    unsigned answered() { return app.questionBank().correctCount + app.questionBank().incorrectCount; }

    // A keyboard in a program of its own, as a user's is: a sequencer
    // pressing middle C twice a second at its port "late-keys:out".
    static std::unique_ptr<QProcess> startKeyboardProgram()
    {
        auto keys = std::make_unique<QProcess>();
        keys->setStandardOutputFile(QProcess::nullDevice());
        keys->setStandardErrorFile(QProcess::nullDevice());
        keys->start("jack_midiseq", {"late-keys", "24000", "0", "60", "2000"});
        return keys->waitForStarted(5000) ? std::move(keys) : nullptr;
    }

    static void stop(std::unique_ptr<QProcess> &program)
    {
        program->terminate();
        if (!program->waitForFinished(5000))
            program->kill();
        program.reset();
    }

    // The built-in synthesiser's audio output; empty while it has none.
    QString builtInAudio()
    {
#ifdef ORVELLE_EXPECT_BUILTIN_SYNTH
        const auto output = app.sound()->Controller()->GetOutDevice(0);
        const auto *synth = dynamic_cast<const Core::MidiOutSynthDevice *>(output.get());
        return synth ? synth->GetAudioOutputName() : QString();
#else
        return QString();
#endif
    }

    // The user starts JACK after the program, stops it, and starts it again.
    void aJackServerStartedLaterIsFollowed()
    {
        const QString used("Using the late-keys:out keyboard device");
        if (app.session().state() != int(TrainingSession::Asking) && app.session().state() != int(TrainingSession::Asked))
            QMetaObject::invokeMethod(messenger, "startNewSession", Q_ARG(uint, 1));
        const QString serverName = qEnvironmentVariable("JACK_DEFAULT_SERVER");
        for (int life = 0; life < 2; ++life) {
            auto server = std::make_unique<JackServer>(serverName, 48000, 1024, 10000);
            QVERIFY2(server->WaitUntilReady(20000), qPrintable(server->Output()));
            auto keys = startKeyboardProgram();
            QVERIFY(keys);
            QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), used, 5000);
#ifdef ORVELLE_EXPECT_BUILTIN_SYNTH
            // The silent synthesiser sounds through the new server.
            QTRY_COMPARE_WITH_TIMEOUT(builtInAudio(), QString("JACK"), 5000);
#endif
            waitForQuestion();
            const unsigned before = answered();
            QTRY_VERIFY_WITH_TIMEOUT(answered() > before, 5000);

            // The server stops under the program's clients: it goes on training.
            server.reset();
            stop(keys);
            QTRY_COMPARE_WITH_TIMEOUT(deviceLine(), QString("late-keys:out (not connected)"), 5000);
            QTRY_VERIFY(builtInAudio().isEmpty());
            waitForQuestion();
        }
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    // A server name with no server behind it, on a machine without an ALSA sequencer.
    qputenv("JACK_DEFAULT_SERVER", QByteArray("orvelle-no-server-") + QByteArray::number(QCoreApplication::applicationPid()));
    if (!TestStore::prepareProgramStore(configDir, "[GlobalSetting]\nShowHelpOnStartup=false\n"))
        return 2;
    {
        QCoreApplication writer(argc, argv);
        const QString folder = configDir.path() + "/data/Brandmoor/Orvelle";
        if (!QDir().mkpath(folder) || !NoMidiTest::writeHistory(folder + "/history.sqlite"))
            return 2;
    }
    Application app(argc, argv);
    app.playNote(60, false); // before the sound is set up
    NoMidiTest test(app);
    const int failures = QTest::qExec(&test, argc, argv);
    keepLoadedLibrariesMapped();
    return failures;
}

#include "test_no_midi.moc"
