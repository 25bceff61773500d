import QtQuick 2.3
import "."

// The sound section of the settings: the timbre the questions are played in,
// "Vary the instrument" with the instruments to vary among, and the
// reference pitch. Drawn with the panel's own headings and option rows; it
// talks to the engine through appmessenger and keeps its options in preferences.
Column {
    id: section
    objectName: "instrumentSettings"

    // The engine's options, read again whenever it reports a change.
    property int instrument: appmessenger.instrument
    property bool vary: preferences.varyInstrument
    property var varied: preferences.variedInstruments
    property real referencePitch: preferences.referencePitch
    readonly property var presets: [415, 440, 442, 443]

    spacing: 16
    width: parent ? parent.width : 0
    // What Tab visits in the settings panel, in reading order.
    readonly property var focusItems: repeaterItems(tiles).concat([varyOption, pitchDown, pitchUp],
                                                                   repeaterItems(presetButtons))

    function repeaterItems(repeater) {
        var items = []
        for (var i = 0; i < repeater.count; ++i)
            items.push(repeater.itemAt(i))
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
        preferences.variedInstruments = list
    }

    // Varying starts from the chosen instrument, never from none.
    function setVary(on) {
        if (on && varied.length === 0)
            preferences.variedInstruments = [instrument]
        preferences.varyInstrument = on
    }

    // Moves the reference pitch by whole hertz within the bounds the synthesiser takes.
    function movePitch(step) {
        var next = Math.round(referencePitch) + step
        if (next >= piano.lowestReferencePitch && next <= piano.highestReferencePitch)
            preferences.referencePitch = next
    }

    SettingsSection {
        title: qsTr("Instrument")
        Text {
            width: section.width
            wrapMode: Text.WordWrap
            text: section.vary ? qsTr("Each question is played on one of the ticked instruments, at random.")
                               : qsTr("The questions are played on this instrument.")
            color: Theme.lightText
            font { family: Theme.fontFamily; pixelSize: Theme.textSize }
        }
        Flow {
            width: section.width
            spacing: 4
            Repeater {
                id: tiles
                model: appmessenger.instruments
                SettingOption {
                    objectName: "instrument_" + modelData.program
                    text: modelData.name
                    exclusive: !section.vary
                    checked: section.vary ? section.isVaried(modelData.program)
                                          : section.instrument === modelData.program
                    onActivated: section.choose(modelData.program)
                }
            }
        }
        SettingOption {
            id: varyOption
            objectName: "varyInstrument"
            text: qsTr("Vary the instrument")
            checked: section.vary
            onActivated: section.setVary(!section.vary)
        }
    }

    SettingsSection {
        title: qsTr("Reference pitch")
        Row {
            spacing: 8
            StepButton {
                id: pitchDown
                objectName: "pitchDown"
                label: "\u2212"
                accessibleName: qsTr("Lower the reference pitch")
                repeats: true
                onActivated: section.movePitch(-1)
            }
            Text {
                objectName: "referencePitch"
                width: 120
                horizontalAlignment: Text.AlignHCenter
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("A4 = %1 Hz").arg(Math.round(section.referencePitch))
                color: Theme.brightText
                font { family: Theme.fontFamily; pixelSize: Theme.largeSize }
            }
            StepButton {
                id: pitchUp
                objectName: "pitchUp"
                label: "+"
                accessibleName: qsTr("Raise the reference pitch")
                repeats: true
                onActivated: section.movePitch(1)
            }
            Item { width: 12; height: 1 }
            Repeater {
                id: presetButtons
                model: section.presets
                StepButton {
                    objectName: "pitchPreset" + modelData
                    label: modelData
                    accessibleName: qsTr("%1 Hz").arg(modelData)
                    chosen: Math.round(section.referencePitch) === modelData
                    onActivated: preferences.referencePitch = modelData
                }
            }
        }
        Text {
            width: section.width
            wrapMode: Text.WordWrap
            text: qsTr("440 Hz is concert pitch; 415 Hz is usual for baroque music, 442 to 446 Hz for many orchestras.")
            color: Theme.lightText
            font { family: Theme.fontFamily; pixelSize: Theme.smallSize }
        }
    }
}
