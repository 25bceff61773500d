import QtQuick 2.3
import "."

// One sound-wave ring around the speaker.
Rectangle {
    property Item center
    property int startDiameter: 0
    property int startBorder: 40
    property real startOpacity: 0.07

    function reset() {
        width = startDiameter
        border.width = startBorder
        opacity = Qt.binding(function() { return startOpacity })
    }

    width: startDiameter
    height: width
    radius: 20 * width
    x: center.x + center.width / 2 - width / 2
    y: center.y + center.height / 2 - height / 2
    z: 0
    color: "transparent"
    border { color: Theme.brightText; width: startBorder }
    opacity: startOpacity
}
