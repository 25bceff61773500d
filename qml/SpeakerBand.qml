import QtQuick 2.3
import "."

// The speaker between the level area and the footer, and the three rings
// that spread from it while a question sounds. The band fills the window so
// that the rings can grow under the other parts.
Item {
    id: band
    objectName: "speakerBand"

    // Side and top of the speaker; the main window lays out the band.
    property real speakerSize: 243
    property real speakerY: 0
    property bool waiting: false
    property bool wavesPlaying: false
    property bool colorHintOn: false
    // The speaker is a button too: it does what the start button does.
    property bool canPress: false
    property string pressName: ""
    signal pressed()
    property alias speaker: speaker

    readonly property int waveStartDiameter: Math.floor(speaker.width / 1000)
    // The rings' border keeps its share of the speaker (40 of 243).
    readonly property int waveStartBorder: Math.max(12, Math.round(speaker.width * 40 / 243))
    readonly property real waveStartOpacity: band.colorHintOn ? 0.17 : 0.07
    readonly property int waveDuration: 1500
    readonly property int waveDelay: 750

    function play() { waveAnimation.start() }

    Image {
        id: speaker
        objectName: "speaker"
        width: band.speakerSize; height: band.speakerSize
        fillMode: Image.PreserveAspectFit
        smooth: true
        x: (band.width - width) / 2
        y: band.speakerY
        z: 1
        source: band.waiting ? "res/waitingspeaker.png" : "res/speaker.png"
        opacity: band.canPress || band.wavesPlaying ? 1 : 0.85
        Accessible.role: Accessible.Button
        Accessible.name: band.pressName
        Accessible.onPressAction: if (band.canPress) band.pressed()
        Keys.onPressed: {
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                if (!event.isAutoRepeat && band.canPress)
                    band.pressed()
                event.accepted = true
            }
        }
        MouseArea {
            objectName: "speakerArea"
            // The round speaker only, not the corners of its square.
            anchors.centerIn: parent
            width: parent.width * 0.8; height: width
            enabled: band.canPress
            hoverEnabled: true
            cursorShape: band.canPress ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: band.pressed()
        }
        FocusRing {}
    }

    Wave { id: wave1; objectName: "wave1"; center: speaker; startDiameter: band.waveStartDiameter; startBorder: band.waveStartBorder; startOpacity: band.waveStartOpacity }
    Wave { id: wave2; objectName: "wave2"; center: speaker; startDiameter: band.waveStartDiameter; startBorder: band.waveStartBorder; startOpacity: band.waveStartOpacity }
    Wave { id: wave3; objectName: "wave3"; center: speaker; startDiameter: band.waveStartDiameter; startBorder: band.waveStartBorder; startOpacity: band.waveStartOpacity }

    SequentialAnimation {
        id: waveAnimation
        ScriptAction {
            script: {
                speaker.source = "res/speaker.png"
                band.wavesPlaying = true
            }
        }
        ParallelAnimation {
            WaveAnimation { wave: wave1; toDiameter: band.width - 50; span: band.waveDuration }
            SequentialAnimation {
                PauseAnimation { duration: band.waveDelay }
                WaveAnimation { wave: wave2; toDiameter: band.width - 50; span: band.waveDuration }
            }
            SequentialAnimation {
                PauseAnimation { duration: 2 * band.waveDelay }
                WaveAnimation { wave: wave3; toDiameter: band.width - 50; span: band.waveDuration }
            }
        }
        ScriptAction {
            script: {
                wave1.reset(); wave2.reset(); wave3.reset()
                speaker.source = "res/waitingspeaker.png"
                band.wavesPlaying = false
            }
        }
    }
}
