import QtQuick 2.3

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
            border { width: 2; color: "#ffffff" }
            anchors.verticalCenter: parent.verticalCenter
            Rectangle {
                anchors.centerIn: parent
                width: 8; height: 8
                radius: option.exclusive ? 4 : 1
                color: "#ffffff"
                visible: option.checked
            }
        }
        Text {
            text: option.text
            color: "#ffffff"
            font { pixelSize: 16; family: root.fontFamily }
            anchors.verticalCenter: parent.verticalCenter
        }
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onEntered: root.setPointingCursor(true)
        onExited: root.setPointingCursor(false)
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
