import QtQuick 2.3
import "."

// A scroll bar for a Flickable, shown whenever its content is longer than
// it, not only while it moves; a press or drag on the bar scrolls there.
// Place it over the Flickable's right edge.
Item {
    id: bar
    property Flickable flickable
    visible: flickable !== null && flickable.visible && flickable.contentHeight > flickable.height
    width: 10

    function scrollTo(y) {
        var top = (y / height - flickable.visibleArea.heightRatio / 2) * flickable.contentHeight
        flickable.contentY = Math.max(0, Math.min(flickable.contentHeight - flickable.height, top))
    }

    Rectangle {
        objectName: "scrollThumb"
        y: bar.flickable ? bar.flickable.visibleArea.yPosition * bar.height : 0
        width: parent.width
        height: bar.flickable ? Math.max(30, bar.flickable.visibleArea.heightRatio * bar.height) : 0
        radius: 4
        color: Theme.lightText
        opacity: track.pressed || track.containsMouse ? 0.9 : 0.6
    }
    MouseArea {
        id: track
        anchors.fill: parent
        hoverEnabled: true
        onPressed: bar.scrollTo(mouse.y)
        onPositionChanged: if (pressed) bar.scrollTo(mouse.y)
    }
}
