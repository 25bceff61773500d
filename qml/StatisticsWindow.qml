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
    function focusChain() {
        return pageChoice.buttons().concat(showsTests ? [] : periodChoiceItems().concat(sourceChoiceItems(), heatModeItems()),
                                           [closeButton])
    }
    // The training's figures, or the pitch tests' scores.
    readonly property bool showsTests: pageChoice.current === 1
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
    Accessible.name: qsTr("Statistics")

    Text {
        id: title
        anchors { left: parent.left; top: parent.top; margins: 20 }
        text: qsTr("Statistics")
        color: Theme.brightText
        font { pixelSize: 24; bold: true; family: Theme.fontFamily }
    }
    FilterChoice {
        id: pageChoice
        objectName: "statisticsPageChoice"
        name: qsTr("Page")
        anchors { left: title.right; leftMargin: 30; verticalCenter: title.verticalCenter }
        labels: [qsTr("Training"), qsTr("Pitch tests")]
    }
    FilterChoice {
        id: period
        objectName: "periodChoice"
        name: qsTr("Period")
        visible: !window.showsTests
        anchors { left: pageChoice.right; leftMargin: 30; verticalCenter: title.verticalCenter }
        labels: [qsTr("All time"), qsTr("Last 7 days"), qsTr("This course")]
        onCurrentChanged: window.refresh()
    }
    FilterChoice {
        id: source
        objectName: "sourceChoice"
        name: qsTr("Answers from")
        visible: !window.showsTests
        // Beside the period where both fit before the close button, else
        // under it: some languages need the room.
        readonly property bool besidePeriod: period.x + period.width + 20 + width + 20 <= closeButton.x
        anchors {
            left: besidePeriod ? period.right : period.left
            leftMargin: besidePeriod ? 20 : 0
            verticalCenter: besidePeriod ? title.verticalCenter : undefined
            top: besidePeriod ? undefined : period.bottom
            topMargin: 6
        }
        labels: [qsTr("All answers"), qsTr("MIDI keyboards"), qsTr("On screen")]
        onCurrentChanged: window.refresh()
    }
    DialogButton {
        id: closeButton
        objectName: "statisticsCloseButton"
        anchors { right: parent.right; top: parent.top; margins: 16 }
        label: qsTr("Close")
        onActivated: window.close()
    }

    Text {
        id: message
        objectName: "statisticsMessage"
        anchors.centerIn: parent
        visible: !window.showsTests && (!window.ready || window.model.total === 0)
        width: parent.width - 80
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        color: Theme.lightText
        font { pixelSize: 18; family: Theme.fontFamily }
        text: window.model === null ? "" :
              window.model.problem.length > 0 ? window.model.problem :
              window.model.loading ? qsTr("Reading your answers…") :
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
        visible: !window.showsTests && window.ready && window.model.total > 0
        anchors {
            left: parent.left; right: parent.right; bottom: parent.bottom; margins: 20
            top: source.besidePeriod ? title.bottom : source.bottom
        }
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
                    text: qsTr("Right answers per question")
                    color: Theme.lightText
                    font { pixelSize: 14; family: Theme.fontFamily; bold: true }
                    anchors.verticalCenter: parent.verticalCenter
                }
                FilterChoice {
                    id: heatMode
                    objectName: "heatMapMode"
                    name: qsTr("Heat map")
                    labels: [qsTr("By key"), qsTr("By pitch class")]
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
                        text: window.ready ? qsTr("Mean error, octaves ignored: %1 semitones")
                                             .arg(Colors.decimal(window.model.errors.meanAbsoluteSemitones)) : ""
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
                        text: qsTr("Confusions: question (row) and answer (column)")
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

    PitchTestScores {
        visible: window.showsTests
        anchors { left: parent.left; right: parent.right; top: title.bottom; bottom: parent.bottom; margins: 20 }
        tests: visible && typeof pitchTest !== "undefined" ? pitchTest.finishedTests : []
    }

    ScrollBar {
        objectName: "statisticsScrollBar"
        flickable: page
        x: page.x + page.width - width
        y: page.y
        height: page.height
    }
}
