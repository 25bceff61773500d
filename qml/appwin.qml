import QtQuick 2.3
import QtQuick.Controls 1.2
import Keyboard 1.0
import QMLMessenger 1.0

// Stand-in main window: a start button, the device line and the keyboard.
Rectangle {
    id: root
    anchors.fill: parent
    color: "#89a1af"
    signal changeCursor(var cursor)

    property int answered: 0

    function onCurrentNote(note) { console.log(note); status.text = "Question " + (answered + 1) }
    function onAnswerRecieved(correct, noteNumber) { answered += 1; status.text = correct ? "Right" : "Wrong" }
    function onMaturityLevelChanged(newLevel) { answered = 0; appmessenger.startNewSession(newLevel) }
    function onPerfectPitchAcquired(note) { }

    Column {
        anchors.centerIn: parent
        spacing: 10
        Button { text: "Begin here"; onClicked: appmessenger.startNewSession(1) }
        Text { id: status; text: "" }
        ComboBox { objectName: "mdev"; model: midiListModel; width: 300 }
    }

    Keyboard {
        objectName: "Keyboard"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 30 }
        height: 180
    }
}
