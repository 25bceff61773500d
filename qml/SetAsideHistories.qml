import QtQuick 2.3
import "."

// Answer histories that were found damaged and set aside, offered back:
// "Recover" copies every answer that can still be read into the current
// history. Shown only while there is something to offer or to say.
Rectangle {
    id: offer
    objectName: "setAsideHistories"
    property var recovery: typeof historyRecovery !== "undefined" ? historyRecovery : null
    readonly property var files: recovery ? recovery.files : []
    readonly property string message: recovery ? recovery.message : ""
    // Rows were added: the figures are made again.
    signal recovered()

    visible: files.length > 0 || message.length > 0
    width: Math.max(list.width, note.implicitWidth) + 24
    height: list.height + (note.visible ? note.height + 8 : 0) + 24
    radius: 6
    color: Theme.darker
    border { color: Theme.lightText; width: 1 }

    function refresh() { if (recovery) recovery.refresh() }

    Connections {
        target: offer.recovery
        function onRecovered() { offer.recovered() }
    }

    Column {
        id: list
        x: 12; y: 12
        spacing: 6
        Repeater {
            model: offer.files
            Row {
                spacing: 12
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Set aside: %1").arg(modelData)
                    textFormat: Text.PlainText
                    color: Theme.brightText
                    font { pixelSize: 13; family: Theme.fontFamily }
                }
                DialogButton {
                    objectName: "recoverButton"
                    label: offer.recovery && offer.recovery.busy ? qsTr("Recovering…") : qsTr("Recover")
                    onActivated: if (offer.recovery && !offer.recovery.busy) offer.recovery.recover(modelData)
                }
            }
        }
    }
    Text {
        id: note
        objectName: "recoveryMessage"
        visible: offer.message.length > 0
        anchors { left: list.left; top: list.bottom; topMargin: 8 }
        text: offer.message
        textFormat: Text.PlainText
        color: Theme.lightText
        font { pixelSize: 13; family: Theme.fontFamily }
    }
}
