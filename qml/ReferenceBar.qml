import QtQuick 2.3
import "."

// A score in per cent on a bar from 0 to 100, with marks at chance and at
// the mean scores of non-possessors and possessors of absolute pitch.
Item {
    id: bar
    property real percent: 0
    // [{ percent: 8.3, name: "chance" }, ...]
    property var marks: []
    height: 64

    Rectangle {
        id: track
        width: parent.width
        height: 16
        color: Theme.choice
        Rectangle {
            objectName: "referenceBarFill"
            height: parent.height
            width: parent.width * Math.max(0, Math.min(100, bar.percent)) / 100
            color: Theme.chosen
        }
    }
    Repeater {
        model: bar.marks
        Item {
            x: track.width * modelData.percent / 100
            Rectangle { y: -4; width: 2; height: track.height + 8; color: Theme.brightText }
            Text {
                y: track.height + 6 + index * 14
                x: 4
                //: A mark on the score bar and its per cent: "chance 8.3 %".
                text: qsTr("%1 %2 %").arg(modelData.name).arg(modelData.percent.toFixed(1))
                color: Theme.lightText
                font { pixelSize: Theme.smallSize; family: Theme.fontFamily }
            }
        }
    }
}
