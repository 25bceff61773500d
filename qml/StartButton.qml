import QtQuick 2.3
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
    width: Math.max(129, implicitLabelWidth + 24); height: 40
    readonly property real implicitLabelWidth: labelMetrics.implicitWidth
    text: root.roundFinished ? "Next round"
          : sessionstarted ? "Replay note"
          : resumeLevel > 0 ? "Continue level " + resumeLevel : "Begin here"
    activeFocusOnTab: false
    // Resting while a question sounds: faded, so it plainly cannot be pressed.
    opacity: enabled ? 1 : 0.45
    Accessible.name: text

    // Measures the label, so that "Continue level 12" fits.
    Text {
        id: labelMetrics
        visible: false
        font { bold: true; pixelSize: 14; family: "DejaVu Sans" }
        text: startButton.text
    }

    style: ButtonStyle {
        background: Image {
            readonly property string base: control.sessionstarted ? "qrc:/res/btn_gray_" : "qrc:/res/btn_green_"
            source: base + (control.pressed ? "p" : control.hovered ? "h" : "n") + ".png"
        }
        label: Text {
            text: control.text
            color: "white"
            // A dark rim keeps the white label readable on the light green
            // and grey of the button pictures (4.5:1 and more against the rim).
            style: Text.Outline
            styleColor: control.sessionstarted ? "#2c3a43" : "#1f5133"
            font { bold: true; pixelSize: 14; family: root.fontFamily }
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
        }
    }

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    onHoveredChanged: root.setPointingCursor(hovered)
    onClicked: {
        if (!sessionstarted || root.roundFinished)
            root.beginOrContinue()
        else
            appmessenger.replayQuestion()
    }

    FocusRing {}
}
