import QtQuick 2.3
import "."

// Which pitch class was answered for which: a row per question, a column per
// answer, each cell shaded by its share of the row. The diagonal (the right
// pitch class, in any octave) is green, the confusions red.
Item {
    id: matrix
    objectName: "confusionMatrix"
    property var rows: []   // 12 lists of 12 counts
    readonly property var noteNames: ["C", "C♯", "D", "D♯", "E", "F", "F♯", "G", "G♯", "A", "A♯", "B"]
    readonly property real cell: Math.min(width, height) / 13.5
    implicitHeight: 13.5 * 26

    function rowTotal(r) {
        var total = 0
        for (var c = 0; c < 12; ++c)
            total += rows[r][c]
        return total
    }

    Text {
        x: matrix.cell; y: -matrix.cell * 0.1
        text: "answered →"
        color: Theme.lightText
        font { pixelSize: 11; family: Theme.fontFamily }
    }

    Grid {
        id: grid
        y: matrix.cell * 0.5
        columns: 13
        Repeater {
            model: 13 * 13
            Rectangle {
                readonly property int r: Math.floor(index / 13) - 1
                readonly property int c: index % 13 - 1
                readonly property int n: r >= 0 && c >= 0 && matrix.rows.length === 12 ? matrix.rows[r][c] : 0
                readonly property int total: r >= 0 && c >= 0 && matrix.rows.length === 12 ? matrix.rowTotal(r) : 0
                width: matrix.cell; height: matrix.cell
                color: r < 0 || c < 0 ? "transparent"
                     : total === 0 ? "#4d585f"
                     : r === c ? Qt.rgba(0.2, 0.75, 0.3, 0.15 + 0.85 * n / total)
                               : Qt.rgba(0.9, 0.3, 0.25, n === 0 ? 0.06 : 0.2 + 0.8 * n / total)
                border { color: Theme.darker; width: r >= 0 && c >= 0 ? 1 : 0 }
                Text {
                    anchors.centerIn: parent
                    text: parent.r < 0 && parent.c >= 0 ? matrix.noteNames[parent.c]
                        : parent.c < 0 && parent.r >= 0 ? matrix.noteNames[parent.r]
                        : parent.n > 0 ? parent.n : ""
                    color: parent.r < 0 || parent.c < 0 ? Theme.lightText : Theme.brightText
                    font { pixelSize: Math.max(9, matrix.cell * 0.36); family: Theme.fontFamily }
                }
            }
        }
    }
}
