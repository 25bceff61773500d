import QtQuick 2.3
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// The footer's device strip: which MIDI keyboards answer, where the notes
// sound, and the device line. The lists come from the context object
// "deviceChoice" and follow hot-plug; a choice is stored by port name.
// Tab reaches each box, Up/Down change the choice, Space opens the list.
Item {
    id: strip
    property color darkColor: "#333333"
    property color lightTextColor: "#ffffff"
    height: 37
    property alias inputBox: inputBox
    property alias outputBox: outputBox

    readonly property bool ready: typeof deviceChoice !== "undefined" && deviceChoice !== null

    function sync() {
        if (!ready)
            return
        inputBox.model = deviceChoice.inputEntries
        inputBox.currentIndex = deviceChoice.inputIndex
        outputBox.model = deviceChoice.outputEntries
        outputBox.currentIndex = deviceChoice.outputIndex
        line.text = deviceChoice.deviceLine
    }

    Component.onCompleted: sync()
    onReadyChanged: sync()
    Connections {
        target: strip.ready ? deviceChoice : null
        function onChanged() { strip.sync() }
    }

    // Each box as wide as its text needs, up to a share of the strip.
    function boxWidth(textWidth) {
        return Math.max(170, Math.min(textWidth + 45, strip.width * 0.3))
    }
    Text {
        id: inputMeasure
        visible: false
        font { pixelSize: 14; family: "DejaVu Sans" }
        textFormat: Text.PlainText
        text: inputBox.currentText
    }
    Text {
        id: outputMeasure
        visible: false
        font { pixelSize: 14; family: "DejaVu Sans" }
        textFormat: Text.PlainText
        text: outputBox.currentText
    }

    Component {
        id: boxStyle
        ComboBoxStyle {
            background: Rectangle {
                color: strip.darkColor
                border.width: 0
                Image {
                    anchors.fill: parent
                    anchors.margins: 2
                    source: control.pressed ? "qrc:/res/dropdown_p.png"
                          : control.hovered ? "qrc:/res/dropdown_h.png" : "qrc:/res/dropdown_n.png"
                }
            }
            padding { left: 7; top: 0; right: 0; bottom: 0 }
            // The open list shows port names as they are: no markup, no mnemonics.
            __dropDownStyle: MenuStyle {
                __maxPopupHeight: 600
                __menuItemType: "comboboxitem"
                __scrollerStyle: ScrollViewStyle {}
                itemDelegate.label: Text {
                    text: styleData.text
                    textFormat: Text.PlainText
                    color: __currentTextColor
                    font { pixelSize: 14; family: "DejaVu Sans" }
                }
            }
            label: Item {
                implicitWidth: control.width - 37
                Text {
                    width: control.width - 37
                    anchors.verticalCenter: parent.verticalCenter
                    text: control.currentText
                    textFormat: Text.PlainText
                    color: strip.darkColor
                    font { pixelSize: 14; family: "DejaVu Sans" }
                    elide: Text.ElideRight
                }
            }
        }
    }

    Row {
        anchors.fill: parent
        spacing: 10

        Text {
            height: parent.height
            text: qsTr("MIDI")
            color: strip.lightTextColor
            font { pixelSize: 14; family: "DejaVu Sans" }
            verticalAlignment: Text.AlignVCenter
        }

        ComboBox {
            id: inputBox
            objectName: "mdev"
            height: parent.height
            width: strip.boxWidth(inputMeasure.implicitWidth)
            // The main window's focus chain reaches it.
            activeFocusOnTab: false
            Accessible.name: qsTr("MIDI keyboards")
            style: boxStyle
            onActivated: deviceChoice.chooseInput(index)
            onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
            FocusRing {}
        }

        Text {
            height: parent.height
            text: qsTr("Sound")
            color: strip.lightTextColor
            font { pixelSize: 14; family: "DejaVu Sans" }
            verticalAlignment: Text.AlignVCenter
        }

        ComboBox {
            id: outputBox
            objectName: "outdev"
            height: parent.height
            width: strip.boxWidth(outputMeasure.implicitWidth)
            activeFocusOnTab: false
            Accessible.name: qsTr("Sound output")
            style: boxStyle
            onActivated: deviceChoice.chooseOutput(index)
            onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
            FocusRing {}
        }

        Text {
            id: line
            objectName: "deviceLine"
            height: parent.height
            width: Math.max(0, strip.width - x)
            color: strip.lightTextColor
            font { pixelSize: 14; family: "DejaVu Sans" }
            textFormat: Text.PlainText
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    // The full name of the hovered or focused box's choice, which the box
    // itself may have to cut.
    Rectangle {
        id: tip
        objectName: "deviceTip"
        readonly property Item box: inputBox.hovered || inputBox.activeFocus ? inputBox
                                  : outputBox.hovered || outputBox.activeFocus ? outputBox : null
        visible: box !== null && tipDelay.shown
        x: box ? Math.min(box.x + 30, strip.width - width) : 0
        y: -height - 4
        width: Math.min(tipText.implicitWidth + 12, strip.width)
        height: tipText.implicitHeight + 8
        color: "#ffffe1"
        border.color: "#767676"
        Text {
            id: tipText
            anchors.centerIn: parent
            width: parent.width - 12
            text: tip.box ? tip.box.currentText : ""
            textFormat: Text.PlainText
            wrapMode: Text.WrapAnywhere
            font { pixelSize: 13; family: "DejaVu Sans" }
        }
        Timer {
            id: tipDelay
            property bool shown: false
            interval: 600
            running: tip.box !== null
            onRunningChanged: if (!running) shown = false
            onTriggered: shown = true
        }
    }
}
