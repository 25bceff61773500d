import QtQuick 2.3
import "."

// The sound section of the settings: the timbre the questions are played in,
// "Vary the instrument" with the instruments to vary among, and the
// reference pitch. It fills the width it is given and talks to the engine
// through appmessenger.
Column {
    id: section
    objectName: "instrumentSettings"

    readonly property color backgroundColor: Theme.dark
    readonly property color textColor: Theme.lightText
    readonly property color choiceColor: "#5b6a74"
    readonly property color chosenColor: "#2f7fb0"
    readonly property string fontFamily: Theme.fontFamily

    // The engine's options, read again whenever it reports a change.
    property int instrument: appmessenger.instrument
    property bool vary: appmessenger.varyInstrument
    property var varied: appmessenger.variedInstruments
    property real referencePitch: appmessenger.referencePitch

    spacing: 10
    // What Tab visits in the settings panel: the instruments, the variation
    // box and the pitch buttons.
    readonly property var focusItems: tileItems(tiles.count).concat([varyBox, pitchDown, pitchUp])

    function tileItems(count) {
        var items = []
        for (var i = 0; i < count; ++i)
            items.push(tiles.itemAt(i))
        return items
    }

    function choose(program) {
        if (vary)
            toggleVaried(program)
        else
            appmessenger.instrument = program
    }

    function isVaried(program) {
        for (var i = 0; i < varied.length; ++i)
            if (varied[i] === program)
                return true
        return false
    }

    function toggleVaried(program) {
        var list = []
        for (var i = 0; i < varied.length; ++i)
            if (varied[i] !== program)
                list.push(varied[i])
        if (!isVaried(program))
            list.push(program)
        appmessenger.variedInstruments = list
    }

    // Moves the reference pitch by whole hertz within 415-466 Hz.
    function movePitch(step) {
        var next = Math.round(referencePitch) + step
        if (next >= 415 && next <= 466)
            appmessenger.referencePitch = next
    }

    Text {
        text: qsTr("Instrument")
        color: section.textColor
        font { family: section.fontFamily; pixelSize: 15; bold: true }
    }

    Text {
        width: section.width
        wrapMode: Text.WordWrap
        text: section.vary ? qsTr("Each question is played on one of the ticked instruments, at random.")
                           : qsTr("The questions are played on this instrument.")
        color: section.textColor
        font { family: section.fontFamily; pixelSize: 13 }
    }

    Flow {
        width: section.width
        spacing: 6

        Repeater {
            id: tiles
            model: appmessenger.instruments

            Rectangle {
                id: tile
                objectName: "instrument_" + modelData.program
                readonly property bool selected: section.vary ? section.isVaried(modelData.program)
                                                              : section.instrument === modelData.program
                width: label.implicitWidth + 34
                height: 30
                radius: 4
                color: selected ? section.chosenColor : (area.containsMouse ? Qt.lighter(section.choiceColor, 1.2)
                                                                            : section.choiceColor)
                border { color: section.textColor; width: selected ? 1 : 0 }

                Text {
                    id: mark
                    anchors { left: parent.left; leftMargin: 8; verticalCenter: parent.verticalCenter }
                    text: section.vary ? (tile.selected ? "\u2611" : "\u2610") : (tile.selected ? "\u25c9" : "\u25cb")
                    color: section.textColor
                    font { family: section.fontFamily; pixelSize: 13 }
                }
                Text {
                    id: label
                    anchors { left: mark.right; leftMargin: 5; verticalCenter: parent.verticalCenter }
                    text: modelData.name
                    color: section.textColor
                    font { family: section.fontFamily; pixelSize: 13 }
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: section.choose(modelData.program)
                }
                Accessible.role: Accessible.Button
                Accessible.name: modelData.name
                Accessible.onPressAction: section.choose(modelData.program)
                Keys.onSpacePressed: section.choose(modelData.program)
                Keys.onReturnPressed: section.choose(modelData.program)
                FocusRing {}
            }
        }
    }

    Row {
        spacing: 8
        Rectangle {
            id: varyBox
            objectName: "varyInstrument"
            width: 18; height: 18; radius: 3
            anchors.verticalCenter: parent.verticalCenter
            color: section.vary ? section.chosenColor : section.choiceColor
            border { color: section.textColor; width: 1 }
            Text {
                anchors.centerIn: parent
                visible: section.vary
                text: "\u2713"
                color: section.textColor
                font { family: section.fontFamily; pixelSize: 13; bold: true }
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: appmessenger.varyInstrument = !section.vary
            }
            Accessible.role: Accessible.CheckBox
            Accessible.name: qsTr("Vary the instrument")
            Accessible.checked: section.vary
            Keys.onSpacePressed: appmessenger.varyInstrument = !section.vary
            Keys.onReturnPressed: appmessenger.varyInstrument = !section.vary
            FocusRing {}
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Vary the instrument")
            color: section.textColor
            font { family: section.fontFamily; pixelSize: 13 }
        }
    }

    Item { width: 1; height: 4 }

    Text {
        text: qsTr("Reference pitch")
        color: section.textColor
        font { family: section.fontFamily; pixelSize: 15; bold: true }
    }

    Row {
        spacing: 8
        Rectangle {
            id: pitchDown
            objectName: "pitchDown"
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Lower the reference pitch")
            Keys.onSpacePressed: section.movePitch(-1)
            Keys.onReturnPressed: section.movePitch(-1)
            FocusRing {}
            width: 28; height: 28; radius: 4
            color: pitchDownArea.pressed ? section.chosenColor : section.choiceColor
            Text {
                anchors.centerIn: parent
                text: "\u2212"
                color: section.textColor
                font { family: section.fontFamily; pixelSize: 16; bold: true }
            }
            MouseArea {
                id: pitchDownArea
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: section.movePitch(-1)
            }
        }
        Text {
            objectName: "referencePitch"
            width: 110
            horizontalAlignment: Text.AlignHCenter
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("A4 = %1 Hz").arg(Math.round(section.referencePitch))
            color: section.textColor
            font { family: section.fontFamily; pixelSize: 14 }
        }
        Rectangle {
            id: pitchUp
            objectName: "pitchUp"
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Raise the reference pitch")
            Keys.onSpacePressed: section.movePitch(1)
            Keys.onReturnPressed: section.movePitch(1)
            FocusRing {}
            width: 28; height: 28; radius: 4
            color: pitchUpArea.pressed ? section.chosenColor : section.choiceColor
            Text {
                anchors.centerIn: parent
                text: "+"
                color: section.textColor
                font { family: section.fontFamily; pixelSize: 16; bold: true }
            }
            MouseArea {
                id: pitchUpArea
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: section.movePitch(1)
            }
        }
        Text {
            objectName: "concertPitch"
            anchors.verticalCenter: parent.verticalCenter
            visible: Math.round(section.referencePitch) !== 440
            text: qsTr("back to 440 Hz")
            color: section.textColor
            font { family: section.fontFamily; pixelSize: 13; underline: true }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: appmessenger.referencePitch = 440
            }
        }
    }

    Text {
        width: section.width
        wrapMode: Text.WordWrap
        text: qsTr("440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.")
        color: section.textColor
        opacity: 0.8
        font { family: section.fontFamily; pixelSize: 12 }
    }
}
