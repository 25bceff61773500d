import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import "StatisticsColors.js" as Colors

// The user's progress from the answer history: accuracy per key, the kinds
// of wrong answers, confusions between notes, reaction times and the days
// trained. The figures are computed apart from training, which goes on.
Rectangle {
    id: window
    objectName: "statisticsWindow"
    color: Theme.dark
    radius: 8
    border { color: Theme.lightText; width: 1 }

    property var model: typeof statistics !== "undefined" ? statistics : null
    // The level "This course" means in the twelve levels.
    property int level: 1
    readonly property bool adaptive: typeof courseStatus !== "undefined" && !!courseStatus && courseStatus.adaptive
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
        color: Theme.brightText
        font { pixelSize: 24; bold: true; family: Theme.fontFamily }
    }
    FilterChoice {
        id: period
        objectName: "periodChoice"
        name: "Period"
        anchors { left: title.right; leftMargin: 30; verticalCenter: title.verticalCenter }
        labels: ["All time", "Last 7 days", "This course"]
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
        color: Theme.lightText
        font { pixelSize: 18; family: Theme.fontFamily }
        text: window.model === null ? "" :
              window.model.problem.length > 0 ? window.model.problem :
              window.model.loading ? "Reading your answers…" :
              Colors.emptyText(period.current, source.current, window.level, window.adaptive)
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
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            // Clear of the scroll bar.
            width: page.width - 16
            spacing: 14

            Text {
                objectName: "statisticsOverview"
                readonly property var o: window.ready ? window.model.overall : ({})
                width: parent.width
                wrapMode: Text.WordWrap
                color: Theme.brightText
                font { pixelSize: 15; family: Theme.fontFamily }
                text: window.ready ? Colors.overview(o, period.current, window.level, window.adaptive) : ""
            }

            Row {
                spacing: 16
                Text {
                    text: "Right answers per question"
                    color: Theme.lightText
                    font { pixelSize: 14; family: Theme.fontFamily; bold: true }
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
                keys: window.ready ? window.model.keys : []
                pitchClasses: window.ready ? window.model.pitchClasses : []
                byPitchClass: heatMode.current === 1
            }

            // Two charts side by side on a wide panel, one under the other on
            // a narrow one, so that no axis label has to be cut; the charts
            // grow with the panel.
            Grid {
                id: charts
                objectName: "statisticsCharts"
                width: parent.width
                columns: width >= 1500 ? 2 : 1
                spacing: 20
                readonly property real cellWidth: (width - (columns - 1) * spacing) / columns
                // Side by side, both rows fit below the heat map where the
                // panel is tall enough (each row carries a line of text).
                readonly property real rowsFit: columns === 2 ? (page.height - y - spacing) / 2 - 30 : page.height * 0.55
                readonly property real chartHeight: Math.max(280, Math.min(cellWidth * 0.6, rowsFit))
                Column {
                    width: charts.cellWidth
                    ErrorKindsChart {
                        width: parent.width
                        height: charts.chartHeight
                        errors: window.ready ? window.model.errors : ({})
                    }
                    Text {
                        objectName: "meanError"
                        text: window.ready ? "Mean error, octaves ignored: "
                                             + window.model.errors.meanAbsoluteSemitones.toFixed(1) + " semitones" : ""
                        color: Theme.lightText
                        font { pixelSize: 13; family: Theme.fontFamily }
                    }
                }
                Column {
                    width: charts.cellWidth
                    spacing: 6
                    Text {
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: "Confusions: question (row) and answer (column)"
                        color: Theme.lightText
                        font { pixelSize: 14; family: Theme.fontFamily; bold: true }
                    }
                    ConfusionMatrix {
                        width: Math.min(parent.width, charts.chartHeight)
                        height: width
                        rows: window.ready ? window.model.confusion : []
                    }
                }
                ReactionChart {
                    width: charts.cellWidth
                    height: charts.chartHeight
                    pitchClasses: window.ready ? window.model.pitchClasses : []
                }
                TrendChart {
                    width: charts.cellWidth
                    height: charts.chartHeight
                    days: window.ready ? window.model.days : []
                }
            }

            // The adaptive course over time: each note's state and when it
            // became secure and mastered, and the deadline's moves.
            Text {
                objectName: "statisticsCourse"
                visible: text.length > 0
                width: parent.width
                text: window.ready && window.model.courseText !== undefined ? window.model.courseText : ""
                color: Theme.lightText
                font { pixelSize: 13; family: "DejaVu Sans Mono" }
            }
        }
    }

    ScrollBar {
        objectName: "statisticsScrollBar"
        flickable: page
        x: page.x + page.width - width
        y: page.y
        height: page.height
    }
}
