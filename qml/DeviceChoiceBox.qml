import QtQuick 2.3
import "."

// One box of the device strip: the chosen entry on the drop-down picture.
// Up and Down step through the entries; a click, Space or Enter asks for the
// list, which the strip draws inside the window.
Item {
    id: box
    property var model: []
    property int currentIndex: -1
    readonly property string currentText: model && currentIndex >= 0 && currentIndex < model.length
                                          ? model[currentIndex] : ""
    readonly property bool hovered: area.containsMouse
    readonly property bool pressed: area.pressed
    signal activated(int index)
    signal openRequested()

    Accessible.role: Accessible.ComboBox
    Accessible.description: currentText

    Rectangle {
        anchors.fill: parent
        color: Theme.dark
        Image {
            anchors { fill: parent; margins: 2 }
            source: box.pressed ? "qrc:/res/dropdown_p.png" : box.hovered ? "qrc:/res/dropdown_h.png" : "qrc:/res/dropdown_n.png"
        }
    }
    Text {
        objectName: box.objectName + "Text"
        x: 9
        width: box.width - 37 - x
        anchors.verticalCenter: parent.verticalCenter
        text: box.currentText
        textFormat: Text.PlainText
        color: Theme.dark
        font { pixelSize: Theme.textSize; family: Theme.fontFamily }
        elide: Text.ElideRight
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onPressed: box.openRequested()
    }

    function step(by) {
        var next = Math.max(0, Math.min((model ? model.length : 0) - 1, currentIndex + by))
        if (next !== currentIndex && next >= 0) {
            currentIndex = next
            activated(next)
        }
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_Up) {
            step(-1)
        } else if (event.key === Qt.Key_Down) {
            step(1)
        } else if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (!event.isAutoRepeat)
                openRequested()
        } else {
            return
        }
        event.accepted = true
    }

    FocusRing {}
}
