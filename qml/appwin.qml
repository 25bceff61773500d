import QtQuick 2.3
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import Keyboard 1.0
import QMLMessenger 1.0

// The main window: header, level area, speaker band and the footer with the
// device line and the keyboard. The engine calls the four "on" functions below.
Rectangle {
    id: root
    objectName: "root"
    anchors.fill: parent
    color: neutralColor
    border.color: neutralColor
    border.width: 0

    signal changeCursor(var cursor)

    property int globalhbordermargin: 30
    property int sessionCorrecAnswers: 0
    property int sessionIncorrectAnswers: 0
    property int difficultyLevel: 1
    property int questionsPerNote: 1
    property int repsPerNote: 7 * questionsPerNote
    property int currentNote: 0

    readonly property color neutralColor: "#89a1af"
    readonly property color darkColor: "#424c53"
    readonly property color lightTextColor: "#d0efff"
    // Root colour per note index while the colour hint is on.
    readonly property var hintColors: ["#0010FF", "#FFCC00", "#FF0000", "#009A00",
                                       "#7305E3", "#E17800", "#FF8695", "#00A2FF",
                                       "#FFE26F", "#59E559", "#CF6BF0", "#FFAC62"]
    // Width of the picture at the right end of a level image, in image pixels.
    readonly property int levelPictureWidth: 263
    readonly property int levelImageWidth: 2434

    readonly property bool colorHintOn: colorSwitch.value === 1
    readonly property int answeredCount: sessionCorrecAnswers + sessionIncorrectAnswers
    readonly property int sessionQuestionCount: difficultyLevel * repsPerNote

    // ---- engine callbacks ----

    function onCurrentNote(note) {
        waveAnimation.start()
        speaker.waitinguserinput = true
        currentNote = note
        console.log(note)
        if (!startButton.sessionstarted)
            startButton.sessionstarted = true
        applyMappedColor()
        scoreText.text = (answeredCount + 1) + "/" + sessionQuestionCount
    }

    function onAnswerRecieved(correct, noteNumber) {
        if (correct)
            sessionCorrecAnswers += 1
        else
            sessionIncorrectAnswers += 1
        var total = answeredCount
        scoreText.text = total + "/" + sessionQuestionCount
        percentText.text = Math.round(sessionCorrecAnswers / total * 100) + "%"
        // Answers beyond the last cell only count; there is no cell to colour.
        if (total <= cellModel.count)
            cellModel.setProperty(total - 1, "cellColor", correct ? "green" : "red")
    }

    function onMaturityLevelChanged(newLevel) {
        startSessionAt(newLevel)
    }

    function onPerfectPitchAcquired(note) {
    }

    // ---- helpers ----

    function mappedColor() {
        return colorHintOn ? hintColors[currentNote] : neutralColor
    }

    function applyMappedColor() {
        root.color = mappedColor()
    }

    function prepareCells(level) {
        cellModel.clear()
        var cells = repsPerNote * level
        for (var i = 0; i < cells; ++i)
            cellModel.append({ "cellColor": "transparent" })
        percentText.text = "0%"
        scoreText.text = "0/" + (level * repsPerNote)
    }

    // The strip is prepared before the engine is asked: the very first
    // question of a run arrives inside startNewSession and must find it ready.
    function startSessionAt(level) {
        difficultyLevel = level
        sessionCorrecAnswers = 0
        sessionIncorrectAnswers = 0
        prepareCells(level)
        appmessenger.startNewSession(level)
        applyMappedColor()
    }

    // Level under x on a strip stripWidth pixels wide, or -1 where a click
    // selects nothing (x = 0 and the picture at the right end).
    function levelAt(x, stripWidth) {
        var ignored = levelPictureWidth * stripWidth / levelImageWidth
        var cell = (stripWidth - ignored) / 12
        var n = Math.ceil(x / cell)
        return (n > 0 && n <= 12) ? n : -1
    }

    function isOverLevelCells(x, stripWidth) {
        return x < stripWidth - levelPictureWidth * stripWidth / levelImageWidth
    }

    function setPointingCursor(on) {
        appmessenger.changeCursor(on ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    Component.onCompleted: helpWindow.visible = appmessenger.showHelpOnStart

    // ---- header ----

    Rectangle {
        id: header
        objectName: "header"
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: 60
        color: root.darkColor
        border.color: root.darkColor
        z: 50

        Image {
            id: title
            anchors { left: parent.left; leftMargin: root.globalhbordermargin; verticalCenter: parent.verticalCenter }
            width: 250
            fillMode: Image.PreserveAspectFit
            source: "res/title.png"
        }

        HeaderButton {
            id: closeButton
            objectName: "closeButton"
            iconName: "btn_close"
            tooltip: "Close"
            anchors { right: parent.right; rightMargin: root.globalhbordermargin }
            onClicked: Qt.quit()
        }
        HeaderButton {
            id: hideButton
            objectName: "hideButton"
            iconName: "btn_min"
            tooltip: "Hide"
            anchors { right: closeButton.left; rightMargin: 5 }
            onClicked: appmessenger.hideWindow()
        }
        HeaderButton {
            id: helpButton
            objectName: "helpButton"
            iconName: "btn_help"
            tooltip: "Help"
            anchors { right: hideButton.left; rightMargin: 5 }
            onClicked: helpWindow.visible = true
        }

        Text {
            id: onOffLabel
            objectName: "onOffLabel"
            width: 38; height: 37
            anchors { right: helpButton.left; rightMargin: 65; verticalCenter: parent.verticalCenter }
            visible: !helpWindow.visible
            text: root.colorHintOn ? "ON" : "OFF"
            color: root.lightTextColor
            font { bold: true; pixelSize: 14 }
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
        }

        Slider {
            id: colorSwitch
            objectName: "colorSwitch"
            width: 72; height: 37
            anchors { right: onOffLabel.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
            visible: !helpWindow.visible
            minimumValue: 0
            maximumValue: 1
            stepSize: 1
            // The bridge has no change signals: the stored choice is read once.
            Component.onCompleted: value = appmessenger.showColorMap ? 1 : 0

            style: SliderStyle {
                groove: Item {
                    implicitWidth: 72
                    implicitHeight: 1
                    Image {
                        y: -18
                        anchors.horizontalCenter: parent.horizontalCenter
                        source: control.value === 1 ? "res/slider_bg_color.png" : "res/slider_bg_dark.png"
                    }
                }
                handle: Item {
                    implicitWidth: 1
                    implicitHeight: 1
                    Image {
                        anchors.centerIn: parent
                        anchors.verticalCenterOffset: 3
                        anchors.horizontalCenterOffset: control.value === 1 ? -20 : 20
                        source: "res/slider_grip.png"
                    }
                }
            }

            // Clicks toggle; the slider itself is never dragged.
            MouseArea {
                objectName: "colorSwitchArea"
                anchors.fill: parent
                hoverEnabled: true
                onEntered: root.setPointingCursor(true)
                onExited: root.setPointingCursor(false)
                onClicked: root.toggleColorHint()
            }
        }

        Text {
            id: colorHintLabel
            objectName: "colorHintLabel"
            width: 81; height: 37
            anchors { right: colorSwitch.left; rightMargin: 15; verticalCenter: parent.verticalCenter }
            visible: !helpWindow.visible
            text: "Color hint"
            color: root.lightTextColor
            font.pixelSize: 14
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    function toggleColorHint() {
        colorSwitch.value = colorSwitch.value === 1 ? 0 : 1
        appmessenger.showColorMap = (colorSwitch.value === 1)
        if (startButton.sessionstarted)
            applyMappedColor()
    }

    // ---- level area ----

    Rectangle {
        id: levelArea
        objectName: "levelArea"
        anchors { left: parent.left; right: parent.right; top: header.bottom }
        height: 21 + 5 + levelStrip.height + 5 + 70 + 10
        color: "#d4e8f4"
        border.color: "#d4e8f4"
        z: 50
        visible: !helpWindow.visible

        Text {
            id: guessLabel
            width: 89; height: 21
            anchors { left: parent.left; leftMargin: root.globalhbordermargin; top: parent.top; topMargin: 5 }
            text: "Guess the note"
            color: "#718897"
            font.pixelSize: 14
        }

        Image {
            id: levelStrip
            objectName: "levelStrip"
            anchors { left: parent.left; right: parent.right; top: guessLabel.bottom; topMargin: 5
                      leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin }
            height: width * 102 / root.levelImageWidth
            source: "res/level" + root.difficultyLevel + ".png"
            z: 100

            MouseArea {
                id: levelStripArea
                objectName: "levelStripArea"
                anchors.fill: parent
                hoverEnabled: true
                property bool overCells: false

                function track(x, y) {
                    var over = root.isOverLevelCells(x, width)
                    if (over === overCells)
                        return
                    overCells = over
                    root.setPointingCursor(over)
                    if (over) {
                        levelTooltip.x = levelStrip.x + x
                        levelTooltip.y = levelStrip.y + y
                    }
                    levelTooltip.visible = over
                }

                onEntered: track(mouseX, mouseY)
                onPositionChanged: track(mouse.x, mouse.y)
                onExited: {
                    overCells = false
                    levelTooltip.visible = false
                    root.setPointingCursor(false)
                }
                onClicked: {
                    var n = root.levelAt(mouse.x, width)
                    if (n > 0)
                        root.startSessionAt(n)
                }
            }
        }

        Rectangle {
            id: levelTooltip
            objectName: "levelTooltip"
            width: 75; height: 18
            visible: false
            color: "#F5F4B4"
            border { color: "#95A9B3"; width: 1 }
            z: 150
            Text {
                anchors.centerIn: parent
                text: "Click on note"
                font.pixelSize: 10
            }
        }

        Item {
            id: progressBand
            objectName: "progressBand"
            anchors { left: parent.left; right: parent.right; top: levelStrip.bottom; topMargin: 10
                      leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin }
            height: 70
            z: 100

            Image {
                id: timelineStrip
                objectName: "timelineStrip"
                width: parent.width
                height: width * 16 / 2432
                anchors.verticalCenter: parent.verticalCenter
                source: "res/timelinestrip.png"
                antialiasing: true
                z: 101
            }

            ListModel { id: cellModel }

            Row {
                id: cellRow
                objectName: "cellRow"
                x: timelineStrip.x + 4
                anchors.verticalCenter: timelineStrip.verticalCenter
                z: 102
                readonly property real cellWidth: cellModel.count > 0 ? (timelineStrip.width - 8) / cellModel.count : 0
                Repeater {
                    id: cells
                    objectName: "cells"
                    model: cellModel
                    Rectangle {
                        objectName: "cell"
                        width: cellRow.cellWidth
                        height: timelineStrip.height - 2
                        border.width: 0
                        color: cellColor
                    }
                }
            }

            // Both markers start on the left end of the cells and stand at the
            // right end of the last answered cell.
            readonly property real markerX: timelineStrip.x - percentMarker.width / 2 + 4
                                            + Math.min(root.answeredCount, cellModel.count) * cellRow.cellWidth

            Image {
                id: percentMarker
                objectName: "percentMarker"
                width: 48; height: 24
                x: progressBand.markerX
                y: timelineStrip.y + timelineStrip.height + 3
                source: "res/total_bg.png"
                z: 103
                Text {
                    id: percentText
                    objectName: "percentText"
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 2
                    text: "0%"
                    color: "white"
                    font.pixelSize: 10
                }
            }

            Image {
                id: scoreMarker
                objectName: "scoreMarker"
                width: 48; height: 24
                x: progressBand.markerX
                y: timelineStrip.y - 3 - height
                rotation: 180
                source: "res/total_bg.png"
                z: 103
                Text {
                    id: scoreText
                    objectName: "scoreText"
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 2
                    rotation: 180
                    text: "0/" + root.repsPerNote
                    color: "white"
                    font.pixelSize: 10
                }
            }
        }
    }

    // ---- speaker band ----

    Image {
        id: speaker
        objectName: "speaker"
        property bool waitinguserinput: false
        width: 243; height: 243
        fillMode: Image.PreserveAspectFit
        x: (root.width - width) / 2
        y: (root.height - height - footer.height + 60 + levelArea.height) / 2
        z: 50
        source: waitinguserinput ? "res/waitingspeaker.png" : "res/speaker.png"
    }

    readonly property int waveStartDiameter: Math.floor(speaker.width / 1000)
    readonly property int waveStartBorder: 40
    readonly property real waveStartOpacity: colorHintOn ? 0.17 : 0.07
    readonly property int waveDuration: 1500
    readonly property int waveDelay: 750
    property bool wavesPlaying: false

    Wave { id: wave1; objectName: "wave1"; center: speaker; startDiameter: root.waveStartDiameter; startBorder: root.waveStartBorder; startOpacity: root.waveStartOpacity }
    Wave { id: wave2; objectName: "wave2"; center: speaker; startDiameter: root.waveStartDiameter; startBorder: root.waveStartBorder; startOpacity: root.waveStartOpacity }
    Wave { id: wave3; objectName: "wave3"; center: speaker; startDiameter: root.waveStartDiameter; startBorder: root.waveStartBorder; startOpacity: root.waveStartOpacity }

    SequentialAnimation {
        id: waveAnimation
        ScriptAction {
            script: {
                speaker.source = "res/speaker.png"
                root.wavesPlaying = true
            }
        }
        ParallelAnimation {
            WaveAnimation { wave: wave1; toDiameter: root.width - 50; span: root.waveDuration }
            SequentialAnimation {
                PauseAnimation { duration: root.waveDelay }
                WaveAnimation { wave: wave2; toDiameter: root.width - 50; span: root.waveDuration }
            }
            SequentialAnimation {
                PauseAnimation { duration: 2 * root.waveDelay }
                WaveAnimation { wave: wave3; toDiameter: root.width - 50; span: root.waveDuration }
            }
        }
        ScriptAction {
            script: {
                wave1.reset(); wave2.reset(); wave3.reset()
                speaker.source = "res/waitingspeaker.png"
                root.wavesPlaying = false
            }
        }
    }

    Button {
        id: startButton
        objectName: "startButton"
        property bool sessionstarted: false
        width: 129; height: 40
        x: (root.width - width) / 2
        y: (speaker.y + speaker.height + footer.y - height) / 2
        z: 200
        enabled: !helpWindow.visible && !root.wavesPlaying
        text: sessionstarted ? "Replay note" : "Begin here"

        style: ButtonStyle {
            background: Image {
                readonly property string base: control.sessionstarted ? "qrc:/res/btn_gray_" : "qrc:/res/btn_green_"
                source: base + (control.pressed ? "p" : control.hovered ? "h" : "n") + ".png"
            }
            label: Text {
                text: control.text
                color: "white"
                font { bold: true; pixelSize: 14; family: "Arial" }
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
            }
        }

        onHoveredChanged: root.setPointingCursor(hovered)
        onClicked: {
            if (!sessionstarted) {
                root.prepareCells(1)
                sessionstarted = true
                appmessenger.startNewSession(1)
                if (root.colorHintOn)
                    root.applyMappedColor()
            } else {
                appmessenger.replayQuestion()
            }
        }
    }

    // ---- footer ----

    Rectangle {
        id: footer
        objectName: "footer"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: root.height / 3.85
        color: root.darkColor
        z: 50
        visible: !helpWindow.visible

        DeviceBox {
            id: deviceBox
            anchors { left: parent.left; right: parent.right; top: parent.top
                      leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin; topMargin: 10 }
            darkColor: root.darkColor
            lightTextColor: root.lightTextColor
        }

        Rectangle {
            id: keyboardArea
            objectName: "keyboardArea"
            color: "#ffffff"
            anchors { left: parent.left; right: parent.right; top: parent.top; bottom: parent.bottom
                      topMargin: 57; leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin }

            Keyboard {
                objectName: "Keyboard"
                anchors.centerIn: parent
                width: parent.width
                height: parent.height
                color: "blue"
            }
        }
    }

    // ---- help ----

    HelpWindow {
        id: helpWindow
        objectName: "helpWindow"
        anchors.centerIn: parent
        visible: false
        z: 500
    }
}
