import QtQuick 2.3
import "."

// Names the notes of the last answer ("C3 ✓", "You played D3 — it was C3")
// until the next one; on a dark pill, so it reads on every hint colour.
Rectangle {
    id: line
    objectName: "feedbackLine"
    property alias text: label.text
    width: label.implicitWidth + 28
    height: 30
    radius: 15
    color: Theme.dark

    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    Text {
        id: label
        objectName: "feedbackText"
        anchors.centerIn: parent
        color: Theme.brightText
        font { pixelSize: 16; bold: true; family: Theme.fontFamily }
    }
}
