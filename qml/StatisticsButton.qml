import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// The header's statistics button: three bars, drawn like the other header
// icons in the light text colour, brighter under the mouse.
ToolButton {
    id: button
    width: 37; height: 37
    anchors.verticalCenter: parent.verticalCenter
    activeFocusOnTab: false
    tooltip: qsTr("Statistics (F2)")
    Accessible.name: qsTr("Statistics")

    style: ButtonStyle {
        background: Item { implicitWidth: 37; implicitHeight: 37 }
        label: Item {
            Row {
                anchors.centerIn: parent
                spacing: 3
                Repeater {
                    model: [10, 18, 14]
                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: 5
                        height: modelData
                        radius: 1
                        color: control.pressed ? "#9fc4d8" : control.hovered ? Theme.brightText : Theme.lightText
                    }
                }
            }
        }
    }

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)

    FocusRing {}
}
