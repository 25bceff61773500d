import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// The gear beside help: opens the settings panel.
ToolButton {
    id: button
    objectName: "settingsButton"
    width: 37; height: 37
    anchors.verticalCenter: parent.verticalCenter
    activeFocusOnTab: false
    tooltip: qsTr("Settings")
    Accessible.name: qsTr("Settings")

    style: ButtonStyle {
        background: Item { implicitWidth: 37; implicitHeight: 37 }
        label: Text {
            text: "\u2699"
            color: control.pressed ? Theme.brightText : control.hovered ? Theme.brightText : Theme.lightText
            font { pixelSize: 28; family: Theme.fontFamily }
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)

    FocusRing {}
}
