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

    Text {
        id: guessLabel
        width: 89; height: 21
        anchors { left: parent.left; leftMargin: root.globalhbordermargin; top: parent.top; topMargin: 5 }
        text: "Guess the note"
        color: "#718897"
        font.pixelSize: 14
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

    ProgressStrip {
        id: progressBand
        anchors { left: parent.left; right: parent.right; top: levelStrip.bottom; topMargin: 10
                  leftMargin: root.globalhbordermargin; rightMargin: root.globalhbordermargin }
        z: 100
        cellModel: root.cellModel
        answeredCount: root.answeredCount
    }
}
