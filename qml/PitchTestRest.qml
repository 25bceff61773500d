import QtQuick 2.3
import "."

// The rest between the two blocks: 30 seconds, or less with "Go on".
Item {
    id: rest
    property var test: null

    function focusChain() { return [goOnButton] }

    Column {
        anchors.centerIn: parent
        spacing: Theme.gap * 2
        Text {
            objectName: "pitchTestRestText"
            anchors.horizontalCenter: parent.horizontalCenter
            color: Theme.brightText
            font { pixelSize: Theme.titleSize; bold: true; family: Theme.fontFamily }
            text: qsTr("Rest: %1 s").arg(rest.test ? rest.test.restSecondsLeft : 0)
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            color: Theme.lightText
            font { pixelSize: Theme.largeSize; family: Theme.fontFamily }
            text: qsTr("Half way. The second block begins when the rest is over.")
        }
        DialogButton {
            id: goOnButton
            objectName: "pitchTestSkipRest"
            anchors.horizontalCenter: parent.horizontalCenter
            primary: true
            label: qsTr("Go on now")
            onActivated: rest.test.skipRest()
        }
    }
}
