import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import Keyboard 1.0

// The dark band at the bottom: the MIDI devices and the keyboard.
Rectangle {
    id: footer
    objectName: "footer"
    color: Theme.dark

    property alias deviceBox: deviceStrip.inputBox
    property alias outputBox: deviceStrip.outputBox
    property alias keyboard: keyboard
    property alias keyboardArea: keyboardArea
    property bool labelCKeys: true
    // Over the rest of the window while a device list is open above it.
    readonly property bool listOpen: deviceStrip.listOpen

    // Which keyboards answer, where the notes sound, and the device line.
    DeviceBox {
        id: deviceStrip
        anchors { left: parent.left; right: parent.right; top: parent.top
                  leftMargin: Theme.margin; rightMargin: Theme.margin; topMargin: 10 }
    }

    Rectangle {
        id: keyboardArea
        objectName: "keyboardArea"
        color: Theme.brightText
        // The keys keep the proportions of their pictures (1820 x 180): the
        // area takes the full width where the height allows, else less.
        readonly property real freeWidth: parent.width - 2 * Theme.margin
        readonly property real freeHeight: parent.height - 57 - 4
        width: Math.min(freeWidth, freeHeight * 1820 / 180)
        height: width * 180 / 1820
        anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; topMargin: 57 }

        Keyboard {
            id: keyboard
            objectName: "Keyboard"
            anchors.centerIn: parent
            width: parent.width
            height: parent.height
            color: "blue"
            labelCKeys: footer.labelCKeys
            typingOctave: typeof computerKeys !== "undefined" ? computerKeys.octave : 0
        }

        // For screen readers: every key as a button named by its note.
        Repeater {
            model: piano.keyCount
            Item {
                readonly property rect area: keyboard.width > 0 && keyboard.height > 0
                                             ? keyboard.keyRect(index) : Qt.rect(0, 0, 0, 0)
                x: area.x; y: area.y; width: area.width; height: area.height
                Accessible.role: Accessible.Button
                Accessible.name: keyboard.keyName(index)
                Accessible.onPressAction: keyboard.keyPressed(index)
            }
        }
    }
}
