import QtQuick 2.3
import "."

// The footer's device strip: which MIDI keyboards answer, where the notes
// sound, and the device line. The lists come from the context object
// "deviceChoice" and follow hot-plug; a choice is stored by port name.
// Tab reaches each box, Up/Down change the choice, Space or a click opens
// the list, drawn inside the window.
Item {
    id: strip
    height: 37
    property alias inputBox: inputBox
    property alias outputBox: outputBox
    readonly property bool listOpen: deviceList.visible

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
        font { pixelSize: 14; family: Theme.fontFamily }
        textFormat: Text.PlainText
        text: inputBox.currentText
    }
    Text {
        id: outputMeasure
        visible: false
        font { pixelSize: 14; family: Theme.fontFamily }
        textFormat: Text.PlainText
        text: outputBox.currentText
    }

    Row {
        anchors.fill: parent
        spacing: 10

        Text {
            height: parent.height
            text: qsTr("MIDI")
            color: Theme.lightText
            font { pixelSize: 14; family: Theme.fontFamily }
            verticalAlignment: Text.AlignVCenter
        }

        DeviceChoiceBox {
            id: inputBox
            objectName: "mdev"
            height: parent.height
            width: strip.boxWidth(inputMeasure.implicitWidth)
            Accessible.name: qsTr("MIDI keyboards")
            onActivated: deviceChoice.chooseInput(index)
            onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
            // The list opens inside the window, never as a popup of its own.
            onOpenRequested: deviceList.visible && deviceList.box === inputBox ? deviceList.close() : deviceList.open(inputBox)
        }

        Text {
            height: parent.height
            text: qsTr("Sound")
            color: Theme.lightText
            font { pixelSize: 14; family: Theme.fontFamily }
            verticalAlignment: Text.AlignVCenter
        }

        DeviceChoiceBox {
            id: outputBox
            objectName: "outdev"
            height: parent.height
            width: strip.boxWidth(outputMeasure.implicitWidth)
            Accessible.name: qsTr("Sound output")
            onActivated: deviceChoice.chooseOutput(index)
            onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
            // The list opens inside the window, never as a popup of its own.
            onOpenRequested: deviceList.visible && deviceList.box === outputBox ? deviceList.close() : deviceList.open(outputBox)
        }

        Text {
            id: line
            objectName: "deviceLine"
            height: parent.height
            width: Math.max(0, strip.width - x)
            color: Theme.lightText
            font { pixelSize: 14; family: Theme.fontFamily }
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
        color: Theme.tooltip
        border.color: Theme.tooltipBorder
        Text {
            id: tipText
            anchors.centerIn: parent
            width: parent.width - 12
            text: tip.box ? tip.box.currentText : ""
            textFormat: Text.PlainText
            wrapMode: Text.WrapAnywhere
            font { pixelSize: 13; family: Theme.fontFamily }
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

    DeviceList {
        id: deviceList
        onChosen: {
            var box = deviceList.box
            deviceList.close()
            if (index === box.currentIndex)
                return
            if (box === inputBox)
                deviceChoice.chooseInput(index)
            else
                deviceChoice.chooseOutput(index)
        }
    }
}
