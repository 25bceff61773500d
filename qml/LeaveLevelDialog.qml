import QtQuick 2.3
import "."

// Asks before a level click throws away a round with answers in it.
// "Stay", Escape, or a click beside the buttons keeps the round.
Rectangle {
    id: dialog
    objectName: "leaveLevelDialog"
    width: 520
    height: 170
    radius: 8
    color: Theme.dark
    border { color: Theme.lightText; width: 1 }
    visible: false

    property int currentLevel: 1
    property int requestedLevel: 1
    signal leave(int level)

    function ask(fromLevel, toLevel) {
        currentLevel = fromLevel
        requestedLevel = toLevel
        visible = true
        stayButton.forceActiveFocus()
    }

    function stay() {
        visible = false
    }
    function close() { stay() }
    function focusChain() { return [stayButton, leaveButton] }

    MouseArea { anchors.fill: parent }

    Accessible.role: Accessible.Dialog
    Accessible.name: question.text

    Text {
        id: question
        objectName: "leaveLevelQuestion"
        anchors { top: parent.top; topMargin: 26; left: parent.left; right: parent.right; margins: 24 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.brightText
        font { pixelSize: 17; family: Theme.fontFamily }
        text: dialog.requestedLevel === dialog.currentLevel
              ? qsTr("Start level %1 again? Your answers in this round are kept in the history.").arg(dialog.currentLevel)
              : qsTr("Leave level %1? Your answers in this round are kept in the history.").arg(dialog.currentLevel)
    }

    Row {
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 24 }
        spacing: 16
        DialogButton {
            id: stayButton
            objectName: "stayButton"
            primary: true
            label: qsTr("Stay")
            onActivated: dialog.stay()
        }
        DialogButton {
            id: leaveButton
            objectName: "leaveButton"
            label: qsTr("Leave")
            onActivated: {
                dialog.visible = false
                dialog.leave(dialog.requestedLevel)
            }
        }
    }

    Keys.onEscapePressed: stay()
}
