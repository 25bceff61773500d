import QtQuick 2.3
import "."

// A titled group of the settings panel. Sections list their focusable items
// in focusItems, in Tab order; the panel visits them in its own order.
Column {
    id: section
    property string title
    property var focusItems: []
    default property alias content: body.children
    spacing: 6
    width: parent ? parent.width : 0

    Text {
        text: section.title
        color: Theme.lightText
        font { pixelSize: 18; bold: true; family: Theme.fontFamily }
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    Column {
        id: body
        spacing: 2
        width: parent.width
    }
}
