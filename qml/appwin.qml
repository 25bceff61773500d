import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Window 2.2
import QMLMessenger 1.0

// The main window: header, level area, speaker band and the footer with the
// device line and the keyboard. The engine calls the four "on" functions below.
Rectangle {
    id: root
    objectName: "root"
    anchors.fill: parent
    color: neutralColor
    border.color: neutralColor
    border.width: 0

    signal changeCursor(var cursor)

    property alias sessionCorrecAnswers: tally.correct
    property alias sessionIncorrectAnswers: tally.incorrect
    property int difficultyLevel: 1
    property int questionsPerNote: 1
    property int repsPerNote: 7 * questionsPerNote
    property int currentNote: 0

    readonly property color neutralColor: Theme.neutral
    readonly property var hintColors: Theme.hintColors

    readonly property bool colorHintOn: header.colorSwitchValue === 1
    readonly property bool wavesPlaying: speakerBand.wavesPlaying
    property alias cellModel: tally.cells
    readonly property int answeredCount: tally.answered
    readonly property int sessionQuestionCount: (!!courseStatus && courseStatus.adaptive) ? courseStatus.roundQuestions
                                                                      : difficultyLevel * repsPerNote
    // Set from a session's last answer until the next round begins.
    property bool roundFinished: false
    readonly property bool statisticsOpen: overlayLayer.statisticsOpen
    readonly property bool dialogOpen: overlayLayer.dialogOpen
    // The pitch test covers the middle of the window; its keys stay free.
    readonly property bool pitchTestOpen: overlayLayer.pitchTestOpen
    readonly property bool overlayOpen: dialogOpen || pitchTestOpen

    // Interface options of the settings panel.
    property int afterWrongAnswer: preferences.afterWrongAnswer
    property bool labelCKeys: preferences.labelCKeys

    function storeAfterWrongAnswer(choice) {
        preferences.afterWrongAnswer = choice
    }

    function storeLabelCKeys(on) {
        preferences.labelCKeys = on
    }

    // ---- engine callbacks ----

    function onCurrentNote(note) {
        speakerBand.play()
        speakerBand.waiting = true
        currentNote = note
        console.log(note)
        if (!startButton.sessionstarted)
            startButton.sessionstarted = true
        applyMappedColor()
        tally.showQuestion()
    }

    function onAnswerRecieved(correct, noteNumber) {
        tally.record(correct)
    }

    // The next round begins at the level the rule chose; the engine has
    // already stored its questions.
    function onMaturityLevelChanged(newLevel) {
        roundFinished = false
        feedbackLine.text = ""
        overlayLayer.summary.visible = false
        difficultyLevel = newLevel
        sessionCorrecAnswers = 0
        sessionIncorrectAnswers = 0
        prepareCells(newLevel)
        applyMappedColor()
    }

    function onPerfectPitchAcquired(note) {
    }

    // The other course: its own strip and round; nothing plays until the
    // user goes on.
    Connections {
        target: courseStatus
        function onAdaptiveChanged() {
            roundFinished = false
            overlayLayer.summary.visible = false
            sessionCorrecAnswers = 0
            sessionIncorrectAnswers = 0
            prepareCells(difficultyLevel)
            if ((!!courseStatus && courseStatus.adaptive)) {
                tally.showRound(courseStatus.roundResults)
                startButton.resumeLevel = difficultyLevel
            }
            speakerBand.waiting = false
        }
        // The history is read after the window opens: the round it gives
        // shows until the first question of this run.
        function onChanged() {
            if (courseStatus.adaptive && !startButton.sessionstarted && !roundFinished) {
                prepareCells(difficultyLevel)
                tally.showRound(courseStatus.roundResults)
            }
        }
    }

    Connections {
        target: sessionReport
        function onAnswerShown() {
            feedbackLine.showAnswer(sessionReport.answerNote, sessionReport.questionNote, sessionReport.reactionText)
        }
        function onSessionFinished() { showSummary(sessionReport.summary) }
    }

    // The last answer is stored and the level rule has run: the summary
    // stays until the user starts the next round.
    function showSummary(result) {
        roundFinished = true
        speakerBand.waiting = false
        // The strip shows the level the next round is at, passed or not.
        if (result.nextLevel !== undefined && result.nextLevel > 0)
            difficultyLevel = result.nextLevel
        overlayLayer.summary.show(result)
    }

    // ---- helpers ----

    function mappedColor() {
        return colorHintOn ? hintColors[currentNote] : neutralColor
    }

    function applyMappedColor() {
        root.color = mappedColor()
    }

    function prepareCells(level) {
        tally.prepare((!!courseStatus && courseStatus.adaptive) ? courseStatus.roundQuestions : repsPerNote * level)
        // The last round's feedback does not belong to the new one.
        feedbackLine.text = ""
    }

    // The strip is prepared before the engine is asked: the very first
    // question of a run arrives inside startNewSession and must find it ready.
    function startSessionAt(level) {
        roundFinished = false
        overlayLayer.summary.visible = false
        difficultyLevel = level
        sessionCorrecAnswers = 0
        sessionIncorrectAnswers = 0
        prepareCells(level)
        appmessenger.startNewSession(level)
        applyMappedColor()
    }

    // Level under x on a strip stripWidth pixels wide, or -1 where a click
    // selects nothing (x = 0 and the picture at the right end).
    function levelAt(x, stripWidth) { return levelArea.levelAt(x, stripWidth) }

    // A level chosen on the strip, by mouse, keys or screen reader alike: a
    // round with answers in it is not thrown away without asking (a finished
    // one is already stored).
    function requestLevel(level) {
        if (answeredCount > 0 && !roundFinished)
            overlayLayer.askToLeave(difficultyLevel, level)
        else
            startSessionAt(level)
    }

    // "Begin here" on a fresh store, "Continue level N" where training stopped.
    function beginOrContinue() {
        startButton.sessionstarted = true
        if (roundFinished) {
            feedbackLine.text = ""
            appmessenger.nextRound()
        } else if (startButton.resumeLevel > 0 || (!!courseStatus && courseStatus.adaptive)) {
            appmessenger.continueSession()
        } else {
            prepareCells(1)
            appmessenger.startNewSession(1)
        }
        if (colorHintOn)
            applyMappedColor()
    }

    // The stored session as a restart finds it: its level, its answers in
    // the progress strip, and the button to go on with it. The adaptive
    // course's round is the one the course has under way.
    function restoreStoredSession() {
        if ((!!courseStatus && courseStatus.adaptive)) {
            prepareCells(difficultyLevel)
            tally.showRound(courseStatus.roundResults)
            startButton.resumeLevel = Math.max(1, appmessenger.maturityLevel)
            return
        }
        if (!appmessenger.hasProgress)
            return
        var level = appmessenger.maturityLevel
        difficultyLevel = level
        prepareCells(level)
        tally.restore(appmessenger.sessionCorrect, appmessenger.sessionIncorrect, appmessenger.sessionResults || [])
        startButton.resumeLevel = level
    }

    function setPointingCursor(on) {
        appmessenger.changeCursor(on ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    Component.onCompleted: {
        restoreStoredSession()
        overlayLayer.helpOpen = appmessenger.showHelpOnStart
    }

    // ---- keyboard use ----

    focus: true
    Keys.onPressed: keyControl.handle(event)
    KeyControl {
        id: keyControl
        overlayItems: overlayLayer.topmostFirst
    }
    // A focused control that hides or rests (the start button while a
    // question sounds) leaves the focus nowhere; it comes back to the window
    // so that its keys keep working.
    readonly property Item focusedItem: Window.activeFocusItem
    onFocusedItemChanged: {
        if (!focusedItem || focusedItem === root.parent)
            Qt.callLater(function() {
                if (!root.Window.activeFocusItem || root.Window.activeFocusItem === root.parent)
                    root.forceActiveFocus()
            })
    }
    // The computer keyboard answers only while no overlay covers the window.
    Binding {
        target: typeof computerKeys !== "undefined" ? computerKeys : null
        property: "active"
        value: !root.dialogOpen
    }

    RoundTally {
        id: tally
        questionCount: root.sessionQuestionCount
        progress: levelArea.progress
    }

    // ---- header ----

    Header {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        z: 50
        helpOpen: overlayLayer.helpOpen
        onHelpRequested: overlayLayer.helpOpen = true
        onStatisticsRequested: root.showStatistics()
        onPitchTestRequested: root.openPitchTest()
        onSettingsRequested: overlayLayer.openSettings()
        colorHintOn: root.colorHintOn
        onColorHintToggled: root.toggleColorHint()
    }

    function toggleColorHint() {
        header.colorSwitchValue = header.colorSwitchValue === 1 ? 0 : 1
        appmessenger.showColorMap = (header.colorSwitchValue === 1)
        if (startButton.sessionstarted)
            applyMappedColor()
    }

    // ---- level area ----

    LevelArea {
        id: levelArea
        anchors { left: parent.left; right: parent.right; top: header.bottom }
        z: 50
        visible: !overlayLayer.helpOpen
        level: root.difficultyLevel
        cellModel: root.cellModel
        answeredCount: root.answeredCount
        firstTotal: root.repsPerNote
        onLevelRequested: root.requestLevel(level)
    }

    // ---- speaker band ----

    // Between the level area and the footer, from the top: the speaker, the
    // feedback line and the button. The speaker keeps its usual share of
    // that space (243 px of 551 on a 1920 x 1080 screen); the rest is spread.
    readonly property real bandTop: header.height + levelArea.height
    readonly property real bandHeight: footer.y - bandTop
    readonly property real bandSpare: Math.max(0, bandHeight - speakerBand.speakerSize - feedbackLine.height - startButton.height)

    SpeakerBand {
        id: speakerBand
        anchors.fill: parent
        speakerSize: Math.max(48, Math.round(root.bandHeight * 0.44))
        speakerY: root.bandTop + root.bandSpare * 0.35
        colorHintOn: root.colorHintOn
        canPress: startButton.enabled && startButton.visible
        pressName: startButton.text
        onPressed: startButton.clicked()
    }

    FeedbackLine {
        id: feedbackLine
        anchors.horizontalCenter: parent.horizontalCenter
        y: speakerBand.speakerY + speakerBand.speakerSize + root.bandSpare * 0.15
        z: 60
        visible: text !== "" && !overlayLayer.helpOpen
    }

    StartButton {
        id: startButton
        x: (root.width - width) / 2
        y: feedbackLine.y + feedbackLine.height + root.bandSpare * 0.2
        z: 200
        enabled: !root.overlayOpen && !root.wavesPlaying
        // The summary has its own "Next round"; one is enough.
        visible: !overlayLayer.summary.visible
        roundFinished: root.roundFinished
        adaptive: !!courseStatus && courseStatus.adaptive
        onBeginRequested: root.beginOrContinue()
        onReplayRequested: appmessenger.replayQuestion()
    }

    // ---- footer ----

    Footer {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: root.height / 3.85
        z: listOpen ? 700 : 50
        visible: !overlayLayer.helpOpen
        labelCKeys: root.labelCKeys
    }

    // ---- panels and dialogs over the window ----

    OverlayLayer {
        id: overlayLayer
        anchors.fill: parent
        z: 380
        headerBottom: header.y + header.height
        footerTop: footer.y
        statisticsLevel: root.difficultyLevel
        test: typeof pitchTest !== "undefined" ? pitchTest : null
        afterWrongAnswer: root.afterWrongAnswer
        labelCKeys: root.labelCKeys
        onNextRound: appmessenger.nextRound()
        onLeaveLevel: root.startSessionAt(level)
        onAfterWrongAnswerChosen: root.storeAfterWrongAnswer(choice)
        onLabelCKeysChosen: root.storeLabelCKeys(on)
        onOverlayShown: keyControl.overlayShown(overlay, shown)
    }

    function showStatistics() { overlayLayer.showStatistics() }

    function openPitchTest() {
        if (typeof pitchTest !== "undefined" && !dialogOpen)
            pitchTest.open()
    }

    Action {
        shortcut: "F2"
        onTriggered: root.showStatistics()
    }
    Action {
        shortcut: "Ctrl+T"
        onTriggered: root.openPitchTest()
    }
    Action {
        shortcut: "F1"
        onTriggered: overlayLayer.helpOpen = true
    }
    Action {
        shortcut: "Ctrl+Q"
        onTriggered: Qt.quit()
    }
}
