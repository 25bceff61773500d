import QtQuick 2.3
import "."

// What opens over the main window, from the bottom up: the pitch test
// between the header and the keyboard, the backdrop that dims the window
// under an open panel, the round's summary, the question before a round is
// left, the statistics, the help and the settings. Fills the window.
Item {
    id: overlays

    // Where the header ends and the footer begins, in the window.
    property real headerBottom: 0
    property real footerTop: height
    // The level the statistics open at.
    property int statisticsLevel: 1
    // The pitch test its panel shows, if the program has one.
    property var test: null
    property int afterWrongAnswer: 0
    property bool labelCKeys: true

    signal nextRound()
    signal leaveLevel(int level)
    signal afterWrongAnswerChosen(int choice)
    signal labelCKeysChosen(bool on)
    // An overlay opened or closed: the keyboard focus goes into it or back.
    signal overlayShown(var overlay, bool shown)

    property alias helpOpen: helpWindow.visible
    property alias summary: sessionSummary
    readonly property bool statisticsOpen: statisticsLoader.item !== null && statisticsLoader.item.visible
    readonly property bool dialogOpen: helpWindow.visible || settingsPanel.visible || statisticsOpen
                                       || leaveLevelDialog.visible || sessionSummary.visible
    readonly property bool pitchTestOpen: pitchTestPanel.visible
    // The overlays, the topmost first.
    readonly property var topmostFirst: [settingsPanel, helpWindow, statisticsLoader.item, leaveLevelDialog,
                                         sessionSummary, pitchTestPanel]

    function openSettings() { settingsPanel.open() }
    function askToLeave(fromLevel, toLevel) { leaveLevelDialog.ask(fromLevel, toLevel) }

    // The statistics are loaded the first time they are asked for.
    function showStatistics() {
        statisticsLoader.active = true
        statisticsLoader.item.open()
    }

    // The panels keep clear of the header and shrink to fit a small window.
    readonly property real panelTop: headerBottom + 10
    readonly property real panelRoom: height - panelTop - 10

    // Dims the window under an open panel; clicks stop here.
    Rectangle {
        objectName: "backdrop"
        anchors.fill: parent
        z: 390
        color: Theme.backdrop
        visible: overlays.dialogOpen && !helpWindow.visible
        MouseArea { anchors.fill: parent; hoverEnabled: true }
    }

    SessionSummary {
        id: sessionSummary
        anchors.centerIn: parent
        z: 400
        onNextRound: overlays.nextRound()
        onVisibleChanged: overlays.overlayShown(sessionSummary, visible)
    }

    LeaveLevelDialog {
        id: leaveLevelDialog
        anchors.centerIn: parent
        z: 450
        onLeave: overlays.leaveLevel(level)
        onVisibleChanged: overlays.overlayShown(leaveLevelDialog, visible)
    }

    PitchTestPanel {
        id: pitchTestPanel
        anchors { left: parent.left; right: parent.right; top: parent.top; topMargin: overlays.headerBottom
                  bottom: parent.bottom; bottomMargin: overlays.height - overlays.footerTop }
        z: 380
        test: overlays.test
        onVisibleChanged: overlays.overlayShown(pitchTestPanel, visible)
    }

    Loader {
        id: statisticsLoader
        objectName: "statisticsLoader"
        anchors { fill: parent; margins: 10; topMargin: overlays.panelTop }
        z: 480
        active: false
        sourceComponent: StatisticsWindow {
            visible: false
            level: overlays.statisticsLevel
            onVisibleChanged: overlays.overlayShown(this, visible)
        }
    }

    HelpWindow {
        id: helpWindow
        objectName: "helpWindow"
        // Drawn at its own size, scaled down where the window is smaller.
        x: (overlays.width - width) / 2
        y: overlays.panelTop + (overlays.panelRoom - height) / 2
        scale: Math.min(1, (overlays.width - 20) / width, overlays.panelRoom / height)
        visible: false
        z: 500
        onVisibleChanged: overlays.overlayShown(helpWindow, visible)
    }

    SettingsPanel {
        id: settingsPanel
        x: (overlays.width - width) / 2
        y: overlays.panelTop + (overlays.panelRoom - height) / 2
        availableHeight: overlays.panelRoom
        z: 600
        onVisibleChanged: overlays.overlayShown(settingsPanel, visible)
        afterWrongAnswer: overlays.afterWrongAnswer
        labelCKeys: overlays.labelCKeys
        onAfterWrongAnswerChosen: overlays.afterWrongAnswerChosen(choice)
        onLabelCKeysChosen: overlays.labelCKeysChosen(on)
    }
}
