import QtQuick 2.3
import "."

// The device boxes' list, drawn inside the main window just above the box
// (a box's own list is a separate window, which some window managers show
// as an empty strip). Up and Down move, Enter or a click chooses, Escape or
// leaving it keeps the old choice.
Rectangle {
    id: list
    objectName: "deviceList"
    property Item box: null
    property var entries: []
    signal chosen(int index)

    function open(forBox) {
        box = forBox
        entries = forBox.model || []
        view.currentIndex = Math.max(0, forBox.currentIndex)
        visible = true
        view.forceActiveFocus()
    }
    function close() {
        if (!visible)
            return
        visible = false
        if (box)
            box.forceActiveFocus()
    }

    visible: false
    x: box ? box.x : 0
    y: -height - 6
    width: Math.max(box ? box.width : 0, widest + 24)
    height: Math.min(entries.length, 10) * 30 + 2
    color: Theme.brightText
    border { color: Theme.darker; width: 1 }
    z: 100
    property real widest: 0

    Accessible.role: Accessible.List
    Accessible.name: box ? box.Accessible.name : ""

    ListView {
        id: view
        objectName: "deviceListView"
        anchors { fill: parent; margins: 1 }
        clip: true
        model: list.entries
        boundsBehavior: Flickable.StopAtBounds
        delegate: Rectangle {
            objectName: "deviceListEntry" + index
            width: view.width
            height: 30
            color: ListView.isCurrentItem ? Theme.chosen : entryArea.containsMouse ? Theme.levelBand : "transparent"
            Accessible.role: Accessible.ListItem
            Accessible.name: modelData
            Text {
                anchors { left: parent.left; leftMargin: 10; right: parent.right; rightMargin: 10; verticalCenter: parent.verticalCenter }
                text: modelData
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: parent.ListView.isCurrentItem ? Theme.brightText : Theme.dark
                font { pixelSize: Theme.textSize; family: Theme.fontFamily }
                Component.onCompleted: list.widest = Math.max(list.widest, implicitWidth)
            }
            MouseArea {
                id: entryArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: list.chosen(index)
            }
        }
        Keys.onPressed: {
            if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) {
                list.chosen(currentIndex)
            } else if (event.key === Qt.Key_Escape || event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab) {
                list.close()
            } else if (event.key === Qt.Key_Up) {
                decrementCurrentIndex()
            } else if (event.key === Qt.Key_Down) {
                incrementCurrentIndex()
            } else {
                return
            }
            event.accepted = true
        }
        onActiveFocusChanged: if (!activeFocus && list.visible) Qt.callLater(function() { if (!view.activeFocus) list.visible = false })
    }
}
