import QtQuick 2.3
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import Keyboard 1.0

// The dark band at the bottom: the MIDI device line and the keyboard.
Rectangle {
    id: footer
    objectName: "footer"
    color: root.darkColor

    property alias deviceBox: deviceBox
    property alias keyboard: keyboard
    property alias keyboardArea: keyboardArea

    Text {
        id: midiLabel
        width: 38; height: 23
        anchors { left: parent.left; leftMargin: root.globalhbordermargin; verticalCenter: deviceBox.verticalCenter }
        text: "MIDI"
        color: root.lightTextColor
        font { pixelSize: 14; family: root.fontFamily }
        verticalAlignment: Text.AlignVCenter
    }

    ComboBox {
        id: deviceBox
        objectName: "mdev"
        width: 212; height: 37
        anchors { left: midiLabel.right; leftMargin: 10; top: parent.top; topMargin: 10 }
        // The application publishes the list after this document loads.
        model: typeof midiListModel !== "undefined" ? midiListModel : []
        currentIndex: 0
        activeFocusOnTab: false
        Accessible.name: "MIDI device"
        FocusRing {}

        style: ComboBoxStyle {
            background: Rectangle {
                color: root.darkColor
                Image {
                    anchors.fill: parent
                    source: control.pressed ? "qrc:/res/dropdown_p.png"
                          : control.hovered ? "qrc:/res/dropdown_h.png" : "qrc:/res/dropdown_n.png"
                }
            }
            padding { left: 5; top: 0; right: 0; bottom: 0 }
            label: Item {
                implicitWidth: control.width - 35
                Text {
                    width: control.width - 35
                    anchors.verticalCenter: parent.verticalCenter
                    text: control.currentText
                    color: root.darkColor
                    font { pixelSize: 14; family: root.fontFamily }
                    elide: Text.ElideRight
                }
            }
        }

        onHoveredChanged: root.setPointingCursor(hovered)
    }

    Rectangle {
        id: keyboardArea
        objectName: "keyboardArea"
        color: "#ffffff"
        // The keys keep the proportions of their pictures (1820 x 180): the
        // area takes the full width where the height allows, else less.
        readonly property real freeWidth: parent.width - 2 * root.globalhbordermargin
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
            labelCKeys: root.labelCKeys
            typingOctave: typeof computerKeys !== "undefined" ? computerKeys.octave : 0
        }

        // For screen readers: every key as a button named by its note.
        Repeater {
            model: 88
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
