import QtQuick 2.3

// The 2 px ring in the accent colour around the control that has the
// keyboard focus. Put one inside each focusable control.
Rectangle {
    property Item target: parent
    x: -4; y: -4
    width: target.width + 8; height: target.height + 8
    color: "transparent"
    radius: 5
    border { width: 2; color: "#40b06a" }
    visible: target.activeFocus
    z: 1000
}
