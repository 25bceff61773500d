import QtQuick 2.3
import "."
import QtCharts 2.3

// How long answers take per pitch class: the median and the 90th percentile,
// in seconds.
ChartView {
    id: chart
    objectName: "reactionChart"
    property var pitchClasses: []
    title: qsTr("Reaction time per note (s)")
    theme: ChartView.ChartThemeDark
    backgroundColor: Theme.dark
    antialiasing: true
    titleFont { pixelSize: 14; family: Theme.fontFamily }
    legend.labelColor: Theme.lightText

    function seconds(ms) { return ms < 0 ? 0 : Math.round(ms / 100) / 10 }
    readonly property real highest: Math.max.apply(Math, [1].concat(pitchClasses.map(function (p) { return seconds(p.p90Ms) })))

    BarSeries {
        axisX: BarCategoryAxis {
            categories: chart.pitchClasses.map(function (p) { return p.name })
            labelsFont { pixelSize: 11; family: Theme.fontFamily }
        }
        axisY: ValueAxis {
            // Whole seconds on every gridline: steps of 1 s up to 6 s, of 2 s beyond.
            min: 0
            max: Math.ceil(chart.highest) <= 6 ? Math.ceil(chart.highest) : 2 * Math.ceil(chart.highest / 2)
            tickCount: max <= 6 ? max + 1 : max / 2 + 1
            labelFormat: "%.0f"
            labelsFont { pixelSize: 11; family: Theme.fontFamily }
        }
        BarSet {
            label: qsTr("median")
            color: "#6fb7e8"
            values: chart.pitchClasses.map(function (p) { return chart.seconds(p.medianMs) })
        }
        BarSet {
            label: "90 %"
            color: "#3b6f91"
            values: chart.pitchClasses.map(function (p) { return chart.seconds(p.p90Ms) })
        }
    }
}
