import QtQuick 2.3
import "."

// The timeline with one cell per question of the session and the two
// markers that show the score above and the share of right answers below.
Item {
    id: progressBand
    objectName: "progressBand"
    height: 70

    property var cellModel
    property int answeredCount: 0
    // The score shown before the first session: its number of questions.
    property int firstTotal: 7
    property alias percentText: percentText.text
    property alias scoreText: scoreText.text

    Image {
        id: timelineStrip
        objectName: "timelineStrip"
        width: parent.width
        height: width * 16 / 2432
        anchors.verticalCenter: parent.verticalCenter
        source: "res/timelinestrip.png"
        antialiasing: true
        z: 101
    }

    Row {
        id: cellRow
        objectName: "cellRow"
        x: timelineStrip.x + 4
        anchors.verticalCenter: timelineStrip.verticalCenter
        z: 102
        readonly property real cellWidth: progressBand.cellModel.count > 0
                                          ? (timelineStrip.width - 8) / progressBand.cellModel.count : 0
        Repeater {
            id: cells
            objectName: "cells"
            model: progressBand.cellModel
            Rectangle {
                objectName: "cell"
                width: cellRow.cellWidth
                height: timelineStrip.height - 2
                border.width: 0
                color: cellColor
            }
        }
    }

    // Both markers start on the left end of the cells and stand at the
    // right end of the last answered cell.
    readonly property real markerX: timelineStrip.x - percentMarker.width / 2 + 4
                                    + Math.min(answeredCount, cellModel.count) * cellRow.cellWidth

    Image {
        id: percentMarker
        objectName: "percentMarker"
        width: 48; height: 24
        x: progressBand.markerX
        y: timelineStrip.y + timelineStrip.height + 3
        source: "res/total_bg.png"
        z: 103
        Text {
            id: percentText
            objectName: "percentText"
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 2
            text: "0%"
            color: Theme.brightText
            font { pixelSize: 12; bold: true; family: Theme.fontFamily }
        }
    }

    Image {
        id: scoreMarker
        objectName: "scoreMarker"
        width: 48; height: 24
        x: progressBand.markerX
        y: timelineStrip.y - 3 - height
        rotation: 180
        source: "res/total_bg.png"
        z: 103
        Text {
            id: scoreText
            objectName: "scoreText"
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 2
            rotation: 180
            text: "0/" + progressBand.firstTotal
            color: Theme.brightText
            font { pixelSize: 12; bold: true; family: Theme.fontFamily }
        }
    }
}
