import QtQuick 2.3
import "."
import QtQuick.Controls 1.2

// The dark band at the top: title, colour hint switch, help, hide and close.
Rectangle {
    id: header
    objectName: "header"
    height: 60
    color: Theme.dark
    border.color: Theme.dark

    // True while the help window covers the controls that sit below it.
    property bool helpOpen: false
    property bool colorHintOn: false
    property alias colorSwitchValue: colorSwitch.value
    property alias colorSwitch: colorSwitch
    property alias helpButton: helpButton
    property alias settingsButton: settingsButton
    property alias statisticsButton: statisticsButton
    property alias pitchTestButton: pitchTestButton
    property alias hideButton: hideButton
    property alias closeButton: closeButton

    signal helpRequested()
    signal statisticsRequested()
    signal pitchTestRequested()
    signal settingsRequested()
    signal colorHintToggled()

    Image {
        id: title
        anchors { left: parent.left; leftMargin: Theme.margin; verticalCenter: parent.verticalCenter }
        width: 250
        fillMode: Image.PreserveAspectFit
        source: "res/title.png"
    }

    HeaderButton {
        id: closeButton
        objectName: "closeButton"
        iconName: "btn_close"
        tooltip: qsTr("Close")
        anchors { right: parent.right; rightMargin: Theme.margin }
        onClicked: Qt.quit()
    }
    HeaderButton {
        id: hideButton
        objectName: "hideButton"
        iconName: "btn_min"
        tooltip: qsTr("Hide")
        anchors { right: closeButton.left; rightMargin: 5 }
        onClicked: appmessenger.hideWindow()
    }
    HeaderButton {
        id: helpButton
        objectName: "helpButton"
        iconName: "btn_help"
        tooltip: qsTr("Help")
        anchors { right: hideButton.left; rightMargin: 5 }
        onClicked: header.helpRequested()
    }
    SettingsButton {
        id: settingsButton
        anchors { right: helpButton.left; rightMargin: 5 }
        visible: !header.helpOpen
        onClicked: header.settingsRequested()
    }
    StatisticsButton {
        id: statisticsButton
        objectName: "statisticsButton"
        anchors { right: settingsButton.left; rightMargin: 5 }
        visible: !header.helpOpen
        onClicked: header.statisticsRequested()
    }
    PitchTestButton {
        id: pitchTestButton
        anchors { right: statisticsButton.left; rightMargin: 10 }
        visible: !header.helpOpen
        onClicked: header.pitchTestRequested()
    }

    Text {
        id: onOffLabel
        objectName: "onOffLabel"
        Accessible.ignored: true
        width: 38; height: 37
        anchors { right: pitchTestButton.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
        visible: !header.helpOpen
        text: header.colorHintOn ? qsTr("ON") : qsTr("OFF")
        color: Theme.lightText
        font { bold: true; pixelSize: 14; family: Theme.fontFamily }
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
    }

    ColorSwitch {
        id: colorSwitch
        anchors { right: onOffLabel.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
        visible: !header.helpOpen
        // The bridge has no change signals: the stored choice is read once.
        Component.onCompleted: value = appmessenger.showColorMap ? 1 : 0
        onToggled: header.colorHintToggled()
    }

    Text {
        id: colorHintLabel
        objectName: "colorHintLabel"
        Accessible.ignored: true
        width: 81; height: 37
        anchors { right: colorSwitch.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
        visible: !header.helpOpen
        text: qsTr("Color hint")
        color: Theme.lightText
        font { pixelSize: 14; family: Theme.fontFamily }
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
    }
}
