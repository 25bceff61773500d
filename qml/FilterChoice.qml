import QtQuick 2.3
import "."

// One row of mutually exclusive choices, e.g. "All time | Last 7 days".
Row {
    id: choice
    property var labels: []
    property int current: 0
    property string name
    spacing: 4
    signal picked(int index)

    Accessible.role: Accessible.PageTabList
    Accessible.name: name

    // The choices' items, for the window's keyboard focus chain.
    function buttons() {
        var items = []
        for (var i = 0; i < choices.count; ++i)
            items.push(choices.itemAt(i))
        return items
    }

    Repeater {
        id: choices
        model: choice.labels
        Rectangle {
            objectName: choice.objectName + index
            width: label.implicitWidth + 20
            height: 28
            radius: 4
            color: index === choice.current ? Theme.lightText : "transparent"
            border { color: Theme.lightText; width: 1 }
            FocusRing {}
            Accessible.role: Accessible.PageTab
            Accessible.name: modelData
            Accessible.onPressAction: choice.current = index
            Keys.onSpacePressed: choice.current = index
            Keys.onReturnPressed: choice.current = index
            Text {
                id: label
                anchors.centerIn: parent
                text: modelData
                color: index === choice.current ? Theme.darker : Theme.lightText
                font { pixelSize: 13; family: Theme.fontFamily }
            }
            MouseArea {
                anchors.fill: parent
                onClicked: choice.current = index
            }
        }
    }
}
