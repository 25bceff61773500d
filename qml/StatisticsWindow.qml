import QtQuick 2.3
import QtQuick.Controls 1.2
import "StatisticsColors.js" as Colors

// The user's progress from the answer history: accuracy per key, the kinds
// of wrong answers, confusions between notes, reaction times and the days
// trained. The figures are computed apart from training, which goes on.
Rectangle {
    id: window
    objectName: "statisticsWindow"
    color: "#424c53"
    radius: 8
    border { color: "#d0efff"; width: 1 }

    property var model: typeof statistics !== "undefined" ? statistics : null
    readonly property bool ready: model !== null && !model.loading && model.problem.length === 0
    signal closed()

    function open() {
        visible = true
        refresh()
        forceActiveFocus()
    }
    function close() {
        visible = false
        closed()
    }
    function focusChain() { return periodChoiceItems().concat(sourceChoiceItems(), heatModeItems(), [closeButton]) }
    function periodChoiceItems() { return period.buttons() }
    function sourceChoiceItems() { return source.buttons() }
    function heatModeItems() { return heatMode.buttons() }

    function refresh() {
        if (model)
            model.refresh(period.current, source.current)
        setAside.refresh()
    }

    Keys.onEscapePressed: close()
    // Clicks beside the controls stay in the window.
    MouseArea { anchors.fill: parent }
    Accessible.role: Accessible.Dialog
    Accessible.name: "Statistics"

    Text {
        id: title
        anchors { left: parent.left; top: parent.top; margins: 20 }
        text: "Statistics"
        color: "white"
        font { pixelSize: 24; bold: true; family: "DejaVu Sans" }
    }
    FilterChoice {
        id: period
        objectName: "periodChoice"
        name: "Period"
        anchors { left: title.right; leftMargin: 30; verticalCenter: title.verticalCenter }
        labels: ["All time", "Last 7 days", "This level"]
        onCurrentChanged: window.refresh()
    }
    FilterChoice {
        id: source
        objectName: "sourceChoice"
        name: "Answers from"
        anchors { left: period.right; leftMargin: 20; verticalCenter: title.verticalCenter }
        labels: ["All answers", "MIDI keyboards", "On screen"]
        onCurrentChanged: window.refresh()
    }
    DialogButton {
        id: closeButton
        objectName: "statisticsCloseButton"
        anchors { right: parent.right; top: parent.top; margins: 16 }
        label: "Close"
        onActivated: window.close()
    }

    Text {
        id: message
        objectName: "statisticsMessage"
        anchors.centerIn: parent
        visible: !window.ready || window.model.total === 0
        width: parent.width - 80
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: "#d0efff"
        font { pixelSize: 18; family: "DejaVu Sans" }
        text: window.model === null ? "" :
              window.model.problem.length > 0 ? window.model.problem :
              window.model.loading ? "Reading your answers…" :
              "Answer a few questions and your statistics appear here."
    }

    SetAsideHistories {
        id: setAside
        z: 1
        anchors { right: parent.right; bottom: parent.bottom; margins: 20 }
        onRecovered: window.refresh()
    }

    Flickable {
        id: page
        visible: window.ready && window.model.total > 0
        anchors { left: parent.left; right: parent.right; top: title.bottom; bottom: parent.bottom; margins: 20 }
        contentHeight: content.height
        clip: true

        Column {
            id: content
            width: page.width
            spacing: 14

            Text {
                objectName: "statisticsOverview"
                readonly property var o: window.ready ? window.model.overall : ({})
                width: parent.width
                wrapMode: Text.WordWrap
                color: "white"
                font { pixelSize: 15; family: "DejaVu Sans" }
                text: !window.ready ? "" :
                      o.asked + " answers: " + Colors.percent(o.share) + " exact, " + Colors.percent(o.chromaShare)
                      + " ignoring the octave. Training days in a row: " + o.streakDays + "."
                      + "\nLast 7 days: " + o.last7Days.asked + " answers, " + Colors.percent(o.last7Days.share) + " exact, "
                      + o.last7Days.minutes + " min.   Last 30 days: " + o.last30Days.asked + " answers, "
                      + Colors.percent(o.last30Days.share) + " exact, " + o.last30Days.minutes + " min.   All days: "
                      + o.allDays.days + " days, " + o.allDays.minutes + " min."
            }

            Row {
                spacing: 16
                Text {
                    text: "Right answers per question"
                    color: "#d0efff"
                    font { pixelSize: 14; family: "DejaVu Sans"; bold: true }
                    anchors.verticalCenter: parent.verticalCenter
                }
                FilterChoice {
                    id: heatMode
                    objectName: "heatMapMode"
                    name: "Heat map"
                    labels: ["By key", "By pitch class"]
                }
            }
            HeatMap {
                width: parent.width
                height: 130
                keys: window.ready ? window.model.keys : []
                pitchClasses: window.ready ? window.model.pitchClasses : []
                byPitchClass: heatMode.current === 1
            }

            Row {
                width: parent.width
                spacing: 20
                Column {
                    width: (parent.width - 20) / 2
                    ErrorKindsChart {
                        width: parent.width
                        height: 300
                        errors: window.ready ? window.model.errors : ({})
                    }
                    Text {
                        objectName: "meanError"
                        text: window.ready ? "Mean error, octaves ignored: "
                                             + window.model.errors.meanAbsoluteSemitones.toFixed(1) + " semitones" : ""
                        color: "#d0efff"
                        font { pixelSize: 13; family: "DejaVu Sans" }
                    }
                }
                Column {
                    width: (parent.width - 20) / 2
                    spacing: 6
                    Text {
                        text: "Confusions: question (row) and answer (column)"
                        color: "#d0efff"
                        font { pixelSize: 14; family: "DejaVu Sans"; bold: true }
                    }
                    ConfusionMatrix {
                        width: Math.min(parent.width, 360)
                        height: width
                        rows: window.ready ? window.model.confusion : []
                    }
                }
            }

            Row {
                width: parent.width
                spacing: 20
                ReactionChart {
                    width: (parent.width - 20) / 2
                    height: 300
                    pitchClasses: window.ready ? window.model.pitchClasses : []
                }
                TrendChart {
                    width: (parent.width - 20) / 2
                    height: 300
                    days: window.ready ? window.model.days : []
                }
            }
        }
    }
}
