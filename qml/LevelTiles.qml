import QtQuick 2.3
import "."

// The twelve level tiles drawn over the level picture, whose own labels are
// too faint (2.7:1 to 3.7:1): passed levels dark, the current one deep green,
// the rest white, each with "LEVEL" and its number at 4.5:1 or more. The
// keyboard's choice gets a ring that shows on every tile colour.
Item {
    id: tiles
    property int level: 1
    property int keyLevel: 0          // 0: no keyboard choice shown
    // Tile geometry in picture pixels: 181 apart, 171 wide, rows 6 to 96.
    readonly property real scale: width / Theme.levelImageWidth

    Repeater {
        model: Theme.levelCount
        Rectangle {
            objectName: "levelTile" + (index + 1)
            readonly property int number: index + 1
            readonly property bool passed: number < tiles.level
            readonly property bool current: number === tiles.level
            x: (5 + 181 * index) * tiles.scale
            y: 6 * tiles.scale
            width: 171 * tiles.scale
            height: 90 * tiles.scale
            radius: 10 * tiles.scale
            color: current ? Theme.accentDeep : passed ? Theme.dark : Theme.brightText
            border { width: Math.max(1, 2 * tiles.scale); color: current || passed ? Theme.darker : Theme.tooltipBorder }
            readonly property color ink: current || passed ? Theme.brightText : Theme.bandText
            Text {
                objectName: "levelTileWord"
                anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: parent.height * 0.08 }
                text: qsTr("LEVEL")
                color: parent.ink
                font { family: Theme.fontFamily; bold: true; pixelSize: Math.max(8, parent.height * 0.2) }
            }
            Text {
                objectName: "levelTileNumber"
                anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: parent.height * 0.04 }
                text: parent.number
                color: parent.ink
                font { family: Theme.fontFamily; bold: true; pixelSize: Math.max(10, parent.height * 0.5) }
            }
            // The keyboard's choice: a dark rim inside a light ring.
            Rectangle {
                objectName: "levelKeyMarker"
                visible: tiles.keyLevel === parent.number
                anchors { fill: parent; margins: -3 }
                radius: parent.radius + 3
                color: "transparent"
                border { width: 3; color: Theme.focusRim }
                Rectangle {
                    anchors { fill: parent; margins: 3 }
                    radius: parent.radius - 3
                    color: "transparent"
                    border { width: 2; color: Theme.tooltip }
                }
            }
        }
    }
}
