import QtQuick 2.3
import "."
import "StatisticsColors.js" as Colors

// The share of right answers per question key on a drawing of the 88 keys,
// or per pitch class in twelve cells. Pointing at a key tells its counts.
Item {
    id: heatMap
    objectName: "heatMap"
    property var keys: []          // 88 entries {asked, right, share}
    property var pitchClasses: []  // 12 entries {name, asked, right, share}
    property bool byPitchClass: false
    property string pointed: ""
    implicitHeight: 110 + 18 + 24

    readonly property var blackClasses: [1, 3, 6, 8, 10]
    readonly property var noteNames: ["C", "C♯", "D", "D♯", "E", "F", "F♯", "G", "G♯", "A", "A♯", "B"]
    readonly property real whiteWidth: width / 52

    function isBlack(key) { return blackClasses.indexOf((key + piano.lowestNote) % 12) >= 0 }
    function nameOf(key) { var n = key + piano.lowestNote; return noteNames[n % 12] + (Math.floor(n / 12) - 1) }
    // White keys to the left of a key.
    function whitesBefore(key) {
        var count = 0
        for (var k = 0; k < key; ++k)
            if (!isBlack(k))
                ++count
        return count
    }
    function describe(name, entry) {
        if (!entry || entry.asked === 0)
            return name + ": never asked"
        return name + ": " + entry.right + " of " + entry.asked + " right (" + Colors.percent(entry.share) + ")"
    }

    Item {
        id: keyRow
        visible: !heatMap.byPitchClass
        width: parent.width
        height: 110
        Repeater {
            model: piano.keyCount
            Rectangle {
                objectName: "heatKey" + index
                readonly property bool black: heatMap.isBlack(index)
                readonly property var entry: heatMap.keys.length === piano.keyCount ? heatMap.keys[index] : undefined
                x: black ? heatMap.whitesBefore(index) * heatMap.whiteWidth - heatMap.whiteWidth * 0.3
                         : heatMap.whitesBefore(index) * heatMap.whiteWidth
                width: black ? heatMap.whiteWidth * 0.6 : heatMap.whiteWidth
                height: black ? keyRow.height * 0.62 : keyRow.height
                z: black ? 1 : 0
                color: Colors.forShare(entry ? entry.share : -1)
                border { color: Theme.darker; width: 1 }
                Accessible.role: Accessible.StaticText
                Accessible.name: heatMap.describe(heatMap.nameOf(index), entry)
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: heatMap.pointed = heatMap.describe(heatMap.nameOf(index), parent.entry)
                    onExited: heatMap.pointed = ""
                }
            }
        }
    }

    Row {
        id: classes
        visible: heatMap.byPitchClass
        width: parent.width
        height: 110
        Repeater {
            model: 12
            Rectangle {
                objectName: "heatClass" + index
                readonly property var entry: heatMap.pitchClasses.length === 12 ? heatMap.pitchClasses[index] : undefined
                width: classes.width / 12
                height: classes.height
                color: Colors.forShare(entry ? entry.share : -1)
                border { color: Theme.darker; width: 1 }
                Accessible.role: Accessible.StaticText
                Accessible.name: heatMap.describe(heatMap.noteNames[index], entry)
                Text {
                    anchors.centerIn: parent
                    text: heatMap.noteNames[index] + "\n" + Colors.percent(parent.entry ? parent.entry.share : -1)
                    horizontalAlignment: Text.AlignHCenter
                    color: "#10181c"
                    font { pixelSize: 14; family: Theme.fontFamily; bold: true }
                }
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: heatMap.pointed = heatMap.describe(heatMap.noteNames[index], parent.entry)
                    onExited: heatMap.pointed = ""
                }
            }
        }
    }

    // The C keys' names under the keys.
    Repeater {
        model: heatMap.byPitchClass ? 0 : 8
        Text {
            objectName: "heatKeyName" + index
            readonly property int key: 3 + 12 * index
            x: heatMap.whitesBefore(key) * heatMap.whiteWidth + (heatMap.whiteWidth - width) / 2
            y: keyRow.height + 2
            text: "C" + (index + 1)
            color: Theme.lightText
            font { pixelSize: 11; family: Theme.fontFamily }
        }
    }

    // What the colours mean: red for none right, through yellow, to green.
    Row {
        objectName: "heatMapLegend"
        anchors { right: parent.right; top: keyRow.bottom; topMargin: 20 }
        spacing: 6
        Text { text: "0 %"; color: Theme.lightText; font { pixelSize: 12; family: Theme.fontFamily } }
        Row {
            anchors.verticalCenter: parent.verticalCenter
            Repeater {
                model: 11
                Rectangle { width: 12; height: 12; color: Colors.forShare(index / 10) }
            }
        }
        Text { text: "100 % right"; color: Theme.lightText; font { pixelSize: 12; family: Theme.fontFamily } }
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 12; height: 12
            color: Colors.forShare(-1)
        }
        Text { text: "never asked"; color: Theme.lightText; font { pixelSize: 12; family: Theme.fontFamily } }
    }

    Text {
        objectName: "heatMapPointed"
        anchors { top: keyRow.bottom; topMargin: 20; left: parent.left }
        text: heatMap.pointed.length > 0 ? heatMap.pointed : "Point at a key to see its answers."
        color: Theme.lightText
        font { pixelSize: 13; family: Theme.fontFamily }
    }
}
