import QtQuick 2.3
import "."

// The ring around the control that has the keyboard focus: the accent colour
// with a dark rim inside, so it shows on light, dark and green alike. Put one
// inside each focusable control.
Rectangle {
    property Item target: parent
    x: -4; y: -4
    width: target.width + 8; height: target.height + 8
    color: "transparent"
    radius: 5
    border { width: Theme.focusWidth; color: Theme.focusRing }
    visible: target.activeFocus
    z: 1000
    Rectangle {
        anchors { fill: parent; margins: Theme.focusWidth }
        radius: parent.radius - Theme.focusWidth
        color: "transparent"
        border { width: 1; color: Theme.focusRim }
    }
}
