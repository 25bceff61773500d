import QtQuick 2.3
import "."

// The adaptive course in the level strip's place: the twelve notes in the
// order they unlock, each a tile coloured by its state (locked, learning,
// secure, mastered) with its accuracy over its last 20 answers and, below,
// how often it named the octave too.
Item {
    id: strip
    objectName: "classStrip"
    // The course's status object (names, states, accuracy, octaveShare).
    property QtObject status

    function percent(share) { return share < 0 ? "–" : Math.round(share * 100) + " %" }
    function fill(state) {
        return state === "mastered" ? Theme.accentDeep
             : state === "secure" ? Theme.chosen
             : state === "learning" ? Theme.brightText : Theme.levelBand
    }
    function ink(state) {
        return state === "mastered" || state === "secure" ? Theme.brightText
             : state === "learning" ? Theme.darker : Theme.bandText
    }

    // Hides the level picture beneath.
    Rectangle { anchors.fill: parent; color: Theme.levelBand }

    Row {
        anchors.fill: parent
        spacing: 4
        Repeater {
            model: 12
            Rectangle {
                objectName: "classTile" + index
                readonly property string state: strip.status ? strip.status.states[index] : "locked"
                width: (strip.width - 11 * 4) / 12
                height: strip.height
                radius: 6
                color: strip.fill(state)
                border { width: 1; color: state === "locked" ? Theme.tooltipBorder : Theme.darker }

                Accessible.role: Accessible.StaticText
                Accessible.name: strip.status ? strip.status.names[index] + ": " + strip.status.stateTexts[index]
                                                + ", " + strip.percent(strip.status.accuracy[index]) : ""

                Text {
                    objectName: "className"
                    anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: parent.height * 0.06 }
                    text: strip.status ? strip.status.names[index] : ""
                    color: strip.ink(parent.state)
                    font { family: Theme.fontFamily; bold: true; pixelSize: Math.max(10, parent.height * 0.34) }
                }
                Text {
                    objectName: "classAccuracy"
                    visible: parent.state !== "locked"
                    anchors { horizontalCenter: parent.horizontalCenter; bottom: octave.top }
                    text: strip.status ? strip.percent(strip.status.accuracy[index]) : ""
                    color: strip.ink(parent.state)
                    font { family: Theme.fontFamily; pixelSize: Math.max(8, parent.height * 0.2) }
                }
                Text {
                    id: octave
                    objectName: "classOctave"
                    visible: parent.state !== "locked"
                    anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 2 }
                    text: strip.status ? qsTr("octave %1").arg(strip.percent(strip.status.octaveShare[index])) : ""
                    color: strip.ink(parent.state)
                    font { family: Theme.fontFamily; pixelSize: Math.max(7, parent.height * 0.15) }
                }
            }
        }
    }
}
