import QtQuick 2.3
import "."

// A small framed button of the settings panel, drawn like the overlays'
// buttons. With `repeats` set, holding it (mouse, Space or Enter) steps again
// and again after a short pause, as a spin box does.
Rectangle {
    id: button
    property string label
    property string accessibleName: label
    property bool repeats: false
    property bool chosen: false
    signal activated()

    width: Math.max(34, caption.implicitWidth + 20)
    height: 30
    radius: 6
    color: chosen ? Theme.chosen : (area.pressed || keyHeld ? Theme.dark : area.containsMouse ? Theme.choice : "transparent")
    border { color: Theme.brightText; width: 1 }
    property bool keyHeld: false

    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: activated()

    Text {
        id: caption
        anchors.centerIn: parent
        text: button.label
        color: Theme.brightText
        font { pixelSize: Theme.textSize; family: Theme.fontFamily; bold: true }
    }

    Timer {
        id: repeat
        // The first repeat waits, the next follow quickly.
        interval: 400
        repeat: true
        running: button.repeats && (area.pressed || button.keyHeld)
        onRunningChanged: if (!running) interval = 400
        onTriggered: {
            interval = 60
            button.activated()
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPressed: button.activated()
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (!event.isAutoRepeat) {
                button.activated()
                button.keyHeld = true
            }
            event.accepted = true
        }
    }
    Keys.onReleased: {
        if (!event.isAutoRepeat && (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter))
            button.keyHeld = false
    }
    onActiveFocusChanged: if (!activeFocus) keyHeld = false

    FocusRing {}
}
