import QtQuick 2.3
import "."

// One choice of the settings panel: a round mark (a choice among several) or
// a square one (on or off), then its text. A click, Space or Enter chooses.
Item {
    id: option
    property string text
    property bool checked: false
    property bool exclusive: false
    signal activated()

    width: row.width + 8; height: 32
    Accessible.role: exclusive ? Accessible.RadioButton : Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: activated()
    Accessible.onToggleAction: activated()

    Row {
        id: row
        x: 4
        spacing: 10
        anchors.verticalCenter: parent.verticalCenter
        Rectangle {
            width: 18; height: 18
            radius: option.exclusive ? 9 : 3
            color: "transparent"
            border { width: 2; color: Theme.brightText }
            anchors.verticalCenter: parent.verticalCenter
            Rectangle {
                anchors.centerIn: parent
                width: 8; height: 8
                radius: option.exclusive ? 4 : 1
                color: Theme.brightText
                visible: option.checked
            }
        }
        Text {
            text: option.text
            color: Theme.brightText
            font { pixelSize: 16; family: Theme.fontFamily }
            anchors.verticalCenter: parent.verticalCenter
        }
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onEntered: appmessenger.changeCursor(Qt.PointingHandCursor)
        onExited: appmessenger.changeCursor(Qt.ArrowCursor)
        onClicked: option.activated()
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (!event.isAutoRepeat)
                activated()
            event.accepted = true
        }
    }

    FocusRing {}
}
