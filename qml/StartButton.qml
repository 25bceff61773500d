import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// "Begin here" starts the first session; afterwards the button replays the
// question.
Button {
    id: startButton
    objectName: "startButton"
    property bool sessionstarted: false
    // The stored session's level when a restart found training under way.
    property int resumeLevel: 0
    // A finished round waits for the next one.
    property bool roundFinished: false
    // The adaptive course is chosen: it has no level to name.
    property bool adaptive: false
    signal beginRequested()
    signal replayRequested()
    width: Math.max(129, implicitLabelWidth + 24); height: 40
    readonly property real implicitLabelWidth: labelMetrics.implicitWidth
    text: roundFinished ? qsTr("Next round")
          : sessionstarted ? qsTr("Replay note")
          : adaptive && resumeLevel > 0 ? qsTr("Continue the adaptive course")
          : resumeLevel > 0 ? qsTr("Continue level %1").arg(resumeLevel) : qsTr("Begin here")
    activeFocusOnTab: false
    // Resting while a question sounds it is drawn flat and dark, not faded:
    // a faded button shows the hint colour through and its label gets lost.
    Accessible.name: text

    // Measures the label, so that "Continue level 12" fits.
    Text {
        id: labelMetrics
        visible: false
        font { bold: true; pixelSize: 14; family: Theme.fontFamily }
        text: startButton.text
    }

    style: ButtonStyle {
        background: Item {
            Image {
                anchors.fill: parent
                visible: control.enabled
                readonly property string base: control.sessionstarted ? "qrc:/res/btn_gray_" : "qrc:/res/btn_green_"
                source: base + (control.pressed ? "p" : control.hovered ? "h" : "n") + ".png"
            }
            Rectangle {
                objectName: "restingBackground"
                anchors { fill: parent; margins: 2 }
                visible: !control.enabled
                radius: 6
                color: Theme.dark
                border { width: 1; color: Theme.lightText }
            }
        }
        label: Text {
            text: control.text
            color: control.enabled ? Theme.brightText : Theme.lightText
            // A dark rim keeps the white label readable on the light green
            // and grey of the button pictures (4.5:1 and more against the rim).
            style: control.enabled ? Text.Outline : Text.Normal
            styleColor: control.sessionstarted ? "#2c3a43" : "#1f5133"
            font { bold: true; pixelSize: 14; family: Theme.fontFamily }
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
        }
    }

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    onHoveredChanged: appmessenger.changeCursor((hovered) ? Qt.PointingHandCursor : Qt.ArrowCursor)
    onClicked: {
        if (!sessionstarted || roundFinished)
            beginRequested()
        else
            replayRequested()
    }

    FocusRing {}
}
