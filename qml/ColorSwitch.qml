import QtQuick 2.3
import "."

// The colour hint switch: only a click, Space or Enter toggles it. Nothing
// else (wheel, arrows, drags) moves it, so its picture always shows `value`.
Item {
    id: colorSwitch
    objectName: "colorSwitch"
    width: 72; height: 37
    // 1 on, 0 off; set from the store once and by toggle() only.
    property int value: 0
    signal toggled()

    Accessible.role: Accessible.CheckBox
    Accessible.name: qsTr("Color hint")
    Accessible.checkable: true
    Accessible.checked: value === 1
    Accessible.onPressAction: toggled()
    Accessible.onToggleAction: toggled()

    Image {
        anchors.centerIn: parent
        source: colorSwitch.value === 1 ? "res/slider_bg_color.png" : "res/slider_bg_dark.png"
    }
    Image {
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: 3
        x: (colorSwitch.value === 1 ? 52 : 20) - width / 2
        source: "res/slider_grip.png"
    }

    MouseArea {
        objectName: "colorSwitchArea"
        anchors.fill: parent
        hoverEnabled: true
        onEntered: appmessenger.changeCursor(Qt.PointingHandCursor)
        onExited: appmessenger.changeCursor(Qt.ArrowCursor)
        onClicked: colorSwitch.toggled()
        onWheel: wheel.accepted = true
    }

    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (!event.isAutoRepeat)
                toggled()
            event.accepted = true
        } else if (event.key === Qt.Key_Left || event.key === Qt.Key_Right
                   || event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
            event.accepted = true
        }
    }

    FocusRing {}
}
