import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// The header's pitch test button: a text button in the header's colours.
ToolButton {
    id: button
    objectName: "pitchTestButton"
    height: 37
    width: caption.implicitWidth + 20
    anchors.verticalCenter: parent.verticalCenter
    activeFocusOnTab: false
    tooltip: qsTr("Pitch test (Ctrl+T)")
    Accessible.name: qsTr("Pitch test")

    style: ButtonStyle {
        background: Rectangle {
            radius: 6
            color: "transparent"
            border { width: 1; color: control.hovered ? Theme.brightText : Theme.lightText }
        }
        label: Item {}
    }

    Text {
        id: caption
        anchors.centerIn: parent
        text: qsTr("Pitch test")
        color: button.pressed ? "#9fc4d8" : button.hovered ? Theme.brightText : Theme.lightText
        font { pixelSize: Theme.textSize; family: Theme.fontFamily }
    }

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)

    FocusRing {}
}
