import QtQuick 2.3
import "."

// A framed text button of the overlays: click, Space or Enter presses it.
Rectangle {
    id: button
    property string label
    property bool primary: false
    signal activated()

    width: Math.max(110, caption.implicitWidth + 32)
    height: 34
    radius: 6
    // White on the deep accent keeps 4.5:1; a lighter green would not.
    color: primary ? (area.containsMouse ? Theme.accentHover : Theme.accentDeep) : (area.containsMouse ? Qt.rgba(0, 0, 0, 0.5) : "transparent")
    border { color: Theme.brightText; width: 1 }

    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: activated()

    Text {
        id: caption
        anchors.centerIn: parent
        text: button.label
        color: Theme.brightText
        font { pixelSize: 14; family: Theme.fontFamily; bold: button.primary }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onEntered: appmessenger.changeCursor(Qt.PointingHandCursor)
        onExited: appmessenger.changeCursor(Qt.ArrowCursor)
        onClicked: button.activated()
    }

    FocusRing {}

    Keys.onSpacePressed: activated()
    Keys.onReturnPressed: activated()
    Keys.onEnterPressed: activated()
}
