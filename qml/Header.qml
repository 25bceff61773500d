import QtQuick 2.3
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// The dark band at the top: title, colour hint switch, help, hide and close.
Rectangle {
    id: header
    objectName: "header"
    height: 60
    color: root.darkColor
    border.color: root.darkColor

    // True while the help window covers the controls that sit below it.
    property bool helpOpen: false
    property alias colorSwitchValue: colorSwitch.value

    signal helpRequested()
    signal statisticsRequested()

    Image {
        id: title
        anchors { left: parent.left; leftMargin: root.globalhbordermargin; verticalCenter: parent.verticalCenter }
        width: 250
        fillMode: Image.PreserveAspectFit
        source: "res/title.png"
    }

    HeaderButton {
        id: closeButton
        objectName: "closeButton"
        iconName: "btn_close"
        tooltip: "Close"
        anchors { right: parent.right; rightMargin: root.globalhbordermargin }
        onClicked: Qt.quit()
    }
    HeaderButton {
        id: hideButton
        objectName: "hideButton"
        iconName: "btn_min"
        tooltip: "Hide"
        anchors { right: closeButton.left; rightMargin: 5 }
        onClicked: appmessenger.hideWindow()
    }
    HeaderButton {
        id: helpButton
        objectName: "helpButton"
        iconName: "btn_help"
        tooltip: "Help"
        anchors { right: hideButton.left; rightMargin: 5 }
        onClicked: header.helpRequested()
    }
    StatisticsButton {
        id: statisticsButton
        objectName: "statisticsButton"
        anchors { right: helpButton.left; rightMargin: 5 }
        onClicked: header.statisticsRequested()
    }

    Text {
        id: onOffLabel
        objectName: "onOffLabel"
        width: 38; height: 37
        anchors { right: statisticsButton.left; rightMargin: 23; verticalCenter: parent.verticalCenter }
        visible: !header.helpOpen
        text: root.colorHintOn ? "ON" : "OFF"
        color: root.lightTextColor
        font { bold: true; pixelSize: 14 }
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
    }

    Slider {
        id: colorSwitch
        objectName: "colorSwitch"
        width: 72; height: 37
        anchors { right: onOffLabel.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
        visible: !header.helpOpen
        minimumValue: 0
        maximumValue: 1
        stepSize: 1
        // The bridge has no change signals: the stored choice is read once.
        Component.onCompleted: value = appmessenger.showColorMap ? 1 : 0

        style: SliderStyle {
            groove: Item {
                implicitWidth: 72
                implicitHeight: 1
                Image {
                    y: -18
                    anchors.horizontalCenter: parent.horizontalCenter
                    source: control.value === 1 ? "res/slider_bg_color.png" : "res/slider_bg_dark.png"
                }
            }
            handle: Item {
                implicitWidth: 1
                implicitHeight: 1
                Image {
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 3
                    anchors.horizontalCenterOffset: control.value === 1 ? -20 : 20
                    source: "res/slider_grip.png"
                }
            }
        }

        // Clicks toggle; the slider itself is never dragged.
        MouseArea {
            objectName: "colorSwitchArea"
            anchors.fill: parent
            hoverEnabled: true
            onEntered: root.setPointingCursor(true)
            onExited: root.setPointingCursor(false)
            onClicked: root.toggleColorHint()
        }
    }

    Text {
        id: colorHintLabel
        objectName: "colorHintLabel"
        width: 81; height: 37
        anchors { right: colorSwitch.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
        visible: !header.helpOpen
        text: "Color hint"
        color: root.lightTextColor
        font.pixelSize: 14
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
    }
}
