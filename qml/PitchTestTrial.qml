import QtQuick 2.3
import "."

// A tone of the pitch test: where the test is, and whether it waits for an
// answer. No colour, no replay; feedback only during practice.
Item {
    id: trial
    property var test: null
    property bool practice: false

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.margin, 720)
        spacing: Theme.gap * 2

        Text {
            objectName: "pitchTestProgress"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            color: Theme.lightText
            font { pixelSize: Theme.headingSize; family: Theme.fontFamily }
            text: !trial.test ? "" : trial.practice
                  ? qsTr("Practice %1 of %2").arg(Math.max(1, trial.test.trialNumber)).arg(trial.test.trialCount)
                  : qsTr("Note %1 of %2").arg(Math.max(1, trial.test.trialNumber)).arg(trial.test.trialCount)
                    + " \u2014 block " + trial.test.block + " of 2"
        }
        Text {
            objectName: "pitchTestPrompt"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            color: Theme.brightText
            font { pixelSize: Theme.titleSize; bold: true; family: Theme.fontFamily }
            text: trial.test && trial.test.listening ? qsTr("Which note was it?") : "\u2026"
        }
        Text {
            objectName: "pitchTestFeedback"
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            visible: trial.practice
            color: Theme.brightText
            font { pixelSize: Theme.largeSize; family: Theme.fontFamily }
            text: trial.test ? trial.test.feedback : ""
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            color: Theme.lightText
            font { pixelSize: Theme.smallSize; family: Theme.fontFamily }
            text: qsTr("Escape leaves the test; it can be resumed.")
        }
    }
}
