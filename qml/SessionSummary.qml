import QtQuick 2.3
import "."

// Shown when a session is over: the score against the pass mark and what
// comes next. The next session starts only when the user asks for it.
Rectangle {
    id: summary
    objectName: "sessionSummary"
    width: 560
    height: 210
    radius: 8
    color: Theme.dark
    border { color: Theme.lightText; width: 1 }
    visible: false

    property bool perfectPitch: false
    signal nextRound()

    function show(result) {
        perfectPitch = result.perfectPitch === true
        headline.text = result.headline
        detail.text = result.detail
        visible = true
        nextButton.forceActiveFocus()
    }

    function focusChain() { return [nextButton] }
    // Put away; the start button still leads on to the next round.
    function close() { visible = false }

    function accept() {
        visible = false
        nextRound()
    }

    // Clicks beside the buttons stay in the panel.
    MouseArea { anchors.fill: parent }

    Accessible.role: Accessible.Dialog
    Accessible.name: headline.text

    Text {
        id: headline
        objectName: "summaryHeadline"
        anchors { top: parent.top; topMargin: 28; left: parent.left; right: parent.right; margins: 24 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.brightText
        font { pixelSize: 24; bold: true; family: Theme.fontFamily }
    }

    Text {
        id: detail
        objectName: "summaryDetail"
        anchors { top: headline.bottom; topMargin: 14; left: parent.left; right: parent.right; margins: 24 }
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.lightText
        font { pixelSize: 16; family: Theme.fontFamily }
    }

    DialogButton {
        id: nextButton
        objectName: "nextRoundButton"
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 24 }
        primary: true
        label: summary.perfectPitch ? qsTr("Train level 12 again") : qsTr("Next round")
        onActivated: summary.accept()
    }

    Keys.onSpacePressed: accept()
    Keys.onReturnPressed: accept()
    Keys.onEnterPressed: accept()
    Keys.onEscapePressed: close()
}
