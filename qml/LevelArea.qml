import QtQuick 2.3
import "."

// The light band under the header: the level strip, where a click picks the
// number of notes, and the progress strip of the running session.
Rectangle {
    id: levelArea
    objectName: "levelArea"
    height: 21 + 5 + levelStrip.height + 5 + 70 + 10
    color: Theme.levelBand
    border.color: Theme.levelBand

    property alias progress: progressBand
    property alias strip: levelStrip
    // What the band shows: the current level and the session's cells.
    property int level: 1
    property var cellModel
    property int answeredCount: 0
    property int firstTotal: 7
    // Every way of choosing a level (mouse, keys, screen reader) asks here;
    // the window decides whether a round must be left first.
    signal levelRequested(int level)

    // Level under x on a strip stripWidth pixels wide, or -1 where a click
    // selects nothing (x = 0 and the picture at the right end).
    function levelAt(x, stripWidth) {
        var cell = (stripWidth - pictureWidth(stripWidth)) / Theme.levelCount
        var n = Math.ceil(x / cell)
        return (n > 0 && n <= Theme.levelCount) ? n : -1
    }
    function pictureWidth(stripWidth) { return Theme.levelPictureWidth * stripWidth / Theme.levelImageWidth }
    function isOverLevelCells(x, stripWidth) { return x < stripWidth - pictureWidth(stripWidth) }

    Text {
        id: guessLabel
        width: 89; height: 21
        anchors { left: parent.left; leftMargin: Theme.margin; top: parent.top; topMargin: 5 }
        text: qsTr("Guess the note")
        color: Theme.bandText
        font { pixelSize: 14; family: Theme.fontFamily }
    }

    // Says when something went wrong that the user should know of (the
    // answer history could not be kept); empty otherwise.
    Text {
        id: statusLine
        objectName: "statusLine"
        anchors { left: guessLabel.right; leftMargin: 20; right: parent.right; rightMargin: Theme.margin
                  verticalCenter: guessLabel.verticalCenter }
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideRight
        text: typeof appmessenger.statusText === "string" ? appmessenger.statusText : ""
        color: Theme.problemText
        font.pixelSize: 13
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Image {
        id: levelStrip
        objectName: "levelStrip"
        anchors { left: parent.left; right: parent.right; top: guessLabel.bottom; topMargin: 5
                  leftMargin: Theme.margin; rightMargin: Theme.margin }
        height: width * 102 / Theme.levelImageWidth
        source: "res/level" + levelArea.level + ".png"
        z: 100

        // With the keyboard focus, Left and Right pick a level and Space or
        // Enter starts it.
        property int keyLevel: levelArea.level
        readonly property real cellWidth: (width - levelArea.pictureWidth(width)) / Theme.levelCount
        onActiveFocusChanged: if (activeFocus) keyLevel = levelArea.level
        Accessible.role: Accessible.Slider
        Accessible.name: qsTr("Level: number of notes")
        Accessible.description: qsTr("Level %1 of %2").arg(keyLevel).arg(Theme.levelCount)
        Accessible.onIncreaseAction: keyLevel = Math.min(Theme.levelCount, keyLevel + 1)
        Accessible.onDecreaseAction: keyLevel = Math.max(1, keyLevel - 1)
        Accessible.onPressAction: levelArea.levelRequested(keyLevel)
        Keys.onPressed: {
            if (event.key === Qt.Key_Left || event.key === Qt.Key_Down) {
                keyLevel = Math.max(1, keyLevel - 1)
            } else if (event.key === Qt.Key_Right || event.key === Qt.Key_Up) {
                keyLevel = Math.min(Theme.levelCount, keyLevel + 1)
            } else if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if (!event.isAutoRepeat)
                    levelArea.levelRequested(keyLevel)
            } else {
                return
            }
            event.accepted = true
        }

        FocusRing {}
        // For screen readers: each level as a button of its own.
        Repeater {
            model: Theme.levelCount
            Item {
                x: index * levelStrip.cellWidth
                width: levelStrip.cellWidth; height: levelStrip.height
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Level %1").arg(index + 1)
                Accessible.onPressAction: levelArea.levelRequested(index + 1)
            }
        }
        LevelTiles {
            anchors.fill: parent
            visible: !(!!courseStatus && courseStatus.adaptive)
            level: levelArea.level
            keyLevel: levelStrip.activeFocus ? levelStrip.keyLevel : 0
        }
        // The adaptive course has no levels: its notes take their place.
        ClassStrip {
            anchors.fill: parent
            visible: (!!courseStatus && courseStatus.adaptive)
            status: courseStatus
            z: 200
        }

        // The goal's words beside the trophy, in the learner's language, over
        // the picture's own.
        Rectangle {
            objectName: "trophyWords"
            readonly property real unit: levelStrip.width / Theme.levelImageWidth
            x: (Theme.levelImageWidth - Theme.levelPictureWidth + 90) * unit
            y: 14 * unit
            width: 164 * unit
            height: 76 * unit
            color: "#fff6dc"
            Text {
                anchors.fill: parent
                text: qsTr("PERFECT PITCH")
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                fontSizeMode: Text.Fit
                minimumPixelSize: 6
                color: "#8a6310"
                font { bold: true; pixelSize: Math.max(6, 23 * parent.unit); family: Theme.fontFamily }
            }
        }

        MouseArea {
            id: levelStripArea
            objectName: "levelStripArea"
            anchors.fill: parent
            enabled: !(!!courseStatus && courseStatus.adaptive)
            hoverEnabled: true
            property bool overCells: false

            function track(x, y) {
                var over = levelArea.isOverLevelCells(x, width)
                if (over === overCells)
                    return
                overCells = over
                appmessenger.changeCursor((over) ? Qt.PointingHandCursor : Qt.ArrowCursor)
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
                appmessenger.changeCursor(Qt.ArrowCursor)
            }
            onClicked: {
                var n = levelArea.levelAt(mouse.x, width)
                if (n > 0)
                    levelArea.levelRequested(n)
            }
        }
    }

    Rectangle {
        id: levelTooltip
        objectName: "levelTooltip"
        width: 90; height: 20
        visible: false
        color: Theme.tooltip
        border { color: Theme.tooltipBorder; width: 1 }
        z: 150
        Text {
            anchors.centerIn: parent
            text: qsTr("Click on note")
            color: Theme.tooltipText
            font { pixelSize: 12; family: Theme.fontFamily }
        }
    }

    ProgressStrip {
        id: progressBand
        anchors { left: parent.left; right: parent.right; top: levelStrip.bottom; topMargin: 10
                  leftMargin: Theme.margin; rightMargin: Theme.margin }
        z: 100
        cellModel: levelArea.cellModel
        answeredCount: levelArea.answeredCount
        firstTotal: levelArea.firstTotal
    }
}
