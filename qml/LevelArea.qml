import QtQuick 2.3

// The light band under the header: the level strip, where a click picks the
// number of notes, and the progress strip of the running session.
Rectangle {
    id: levelArea
    objectName: "levelArea"
    height: 21 + 5 + levelStrip.height + 5 + 70 + 10
    color: "#d4e8f4"
    border.color: "#d4e8f4"

    property alias progress: progressBand
    property alias strip: levelStrip

    Text {
        id: guessLabel
        width: 89; height: 21
        anchors { left: parent.left; leftMargin: root.globalhbordermargin; top: parent.top; topMargin: 5 }
        text: "Guess the note"
        // Darker than the design's #718897, which is hard to read on this band.
        color: "#4a5d6a"
        font { pixelSize: 14; family: root.fontFamily }
    }

    // Says when something went wrong that the user should know of (the
    // answer history could not be kept); empty otherwise.
    Text {
        id: statusLine
        objectName: "statusLine"
        anchors { left: guessLabel.right; leftMargin: 20; right: parent.right; rightMargin: root.globalhbordermargin
                  verticalCenter: guessLabel.verticalCenter }
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideRight
        text: typeof appmessenger.statusText === "string" ? appmessenger.statusText : ""
        color: "#7a2a1a"
        font.pixelSize: 13
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Image {
        id: levelStrip
        objectName: "levelStrip"
        anchors { left: parent.left; right: parent.right; top: guessLabel.bottom; topMargin: 5
                  leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin }
        height: width * 102 / root.levelImageWidth
        source: "res/level" + root.difficultyLevel + ".png"
        z: 100

        // With the keyboard focus, Left and Right pick a level and Space or
        // Enter starts it.
        property int keyLevel: root.difficultyLevel
        readonly property real cellWidth: (width - root.levelPictureWidth * width / root.levelImageWidth) / 12
        onActiveFocusChanged: if (activeFocus) keyLevel = root.difficultyLevel
        Accessible.role: Accessible.Slider
        Accessible.name: "Level: number of notes"
        Accessible.description: "Level " + keyLevel + " of 12"
        Accessible.onIncreaseAction: keyLevel = Math.min(12, keyLevel + 1)
        Accessible.onDecreaseAction: keyLevel = Math.max(1, keyLevel - 1)
        Accessible.onPressAction: root.startSessionAt(keyLevel)
        Keys.onPressed: {
            if (event.key === Qt.Key_Left || event.key === Qt.Key_Down) {
                keyLevel = Math.max(1, keyLevel - 1)
            } else if (event.key === Qt.Key_Right || event.key === Qt.Key_Up) {
                keyLevel = Math.min(12, keyLevel + 1)
            } else if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if (!event.isAutoRepeat)
                    root.startSessionAt(keyLevel)
            } else {
                return
            }
            event.accepted = true
        }

        FocusRing {}
        // For screen readers: each level as a button of its own.
        Repeater {
            model: 12
            Item {
                x: index * levelStrip.cellWidth
                width: levelStrip.cellWidth; height: levelStrip.height
                Accessible.role: Accessible.Button
                Accessible.name: "Level " + (index + 1)
                Accessible.onPressAction: root.startSessionAt(index + 1)
            }
        }
        Rectangle {
            objectName: "levelKeyMarker"
            visible: levelStrip.activeFocus
            x: (levelStrip.keyLevel - 1) * levelStrip.cellWidth
            width: levelStrip.cellWidth; height: parent.height
            color: "transparent"
            border { width: 2; color: "#40b06a" }
        }

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
                    root.requestLevel(n)
            }
        }
    }

    Rectangle {
        id: levelTooltip
        objectName: "levelTooltip"
        width: 90; height: 20
        visible: false
        color: "#F5F4B4"
        border { color: "#95A9B3"; width: 1 }
        z: 150
        Text {
            anchors.centerIn: parent
            text: "Click on note"
            font { pixelSize: 12; family: root.fontFamily }
        }
    }

    ProgressStrip {
        id: progressBand
        anchors { left: parent.left; right: parent.right; top: levelStrip.bottom; topMargin: 10
                  leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin }
        z: 100
        cellModel: root.cellModel
        answeredCount: root.answeredCount
    }
}
