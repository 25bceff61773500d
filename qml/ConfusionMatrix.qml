import QtQuick 2.3
import "."

// Which pitch class was answered for which: a row per question, a column per
// answer. The diagonal (the right pitch class, in any octave) is green by its
// share of the row; a confusion is red by its count against the largest
// confusion, so 114 never looks like 1. Numbers are dark on light cells and
// white on dark ones, and shrink to fit their cell.
Item {
    id: matrix
    objectName: "confusionMatrix"
    property var rows: []   // 12 lists of 12 counts
    readonly property var noteNames: typeof noteNamer !== "undefined" ? noteNamer.pitchClasses
                                                                      : ["C", "C♯", "D", "D♯", "E", "F", "F♯", "G", "G♯", "A", "A♯", "B"]
    readonly property real cell: Math.min(width, height) / 13.5
    implicitHeight: 13.5 * 26

    readonly property int mostConfused: {
        var most = 0
        for (var r = 0; r < rows.length; ++r)
            for (var c = 0; c < 12; ++c)
                if (r !== c)
                    most = Math.max(most, rows[r][c])
        return most
    }
    readonly property var emptyRgb: [0x4d, 0x58, 0x5f]
    readonly property var rightRgb: [0x23, 0x86, 0x3a]
    readonly property var wrongRgb: [0xb8, 0x32, 0x28]

    function mix(from, to, t) {
        return [from[0] + (to[0] - from[0]) * t, from[1] + (to[1] - from[1]) * t, from[2] + (to[2] - from[2]) * t]
    }
    function fill(r, c, n, total) {
        if (total === 0)
            return emptyRgb
        if (r === c)
            return mix(emptyRgb, rightRgb, n / total)
        return n === 0 ? emptyRgb : mix(emptyRgb, wrongRgb, 0.2 + 0.8 * n / Math.max(1, mostConfused))
    }
    // WCAG luminance of an 8-bit colour: light cells take dark numbers.
    function isLight(rgb) {
        var l = 0
        var weights = [0.2126, 0.7152, 0.0722]
        for (var i = 0; i < 3; ++i) {
            var v = rgb[i] / 255
            l += weights[i] * (v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4))
        }
        // Dark numbers where they give more contrast than white ones.
        return (l + 0.05) / 0.059 > 1.05 / (l + 0.05)
    }

    function rowTotal(r) {
        var total = 0
        for (var c = 0; c < 12; ++c)
            total += rows[r][c]
        return total
    }

    Text {
        x: matrix.cell; y: -matrix.cell * 0.1
        text: qsTr("answered →")
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
                readonly property var rgb: r >= 0 && c >= 0 ? matrix.fill(r, c, n, total) : matrix.emptyRgb
                color: r < 0 || c < 0 ? "transparent" : Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
                border { color: Theme.darker; width: r >= 0 && c >= 0 ? 1 : 0 }
                Text {
                    anchors.centerIn: parent
                    text: parent.r < 0 && parent.c >= 0 ? matrix.noteNames[parent.c]
                        : parent.c < 0 && parent.r >= 0 ? matrix.noteNames[parent.r]
                        : parent.n > 0 ? parent.n : ""
                    color: parent.r < 0 || parent.c < 0 ? Theme.lightText
                         : matrix.isLight(parent.rgb) ? Theme.focusRim : Theme.brightText
                    font {
                        family: Theme.fontFamily
                        // Four digits fit a cell as well as one.
                        pixelSize: Math.max(8, Math.min(matrix.cell * 0.36, matrix.cell * 0.85 / (0.62 * String(text).length)))
                    }
                }
            }
        }
    }
}
