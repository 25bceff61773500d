import QtQuick 2.3
import "."
import QtCharts 2.3

// Of all wrong answers: the share in the right pitch class but another
// octave, and the shares a given number of semitones off.
ChartView {
    id: chart
    objectName: "errorKindsChart"
    property var errors: ({})
    title: qsTr("Wrong answers by kind")
    theme: ChartView.ChartThemeDark
    backgroundColor: Theme.dark
    antialiasing: true
    legend.visible: false
    titleFont { pixelSize: 14; family: Theme.fontFamily }

    readonly property var kinds: errors && errors.kinds ? errors.kinds : []

    BarSeries {
        axisX: BarCategoryAxis {
            categories: chart.kinds.map(function (k) { return k.label })
            labelsFont { pixelSize: 11; family: Theme.fontFamily }
        }
        axisY: ValueAxis {
            min: 0
            max: 100
            labelFormat: "%d %"
            labelsFont { pixelSize: 11; family: Theme.fontFamily }
        }
        BarSet {
            label: qsTr("share of wrong answers")
            color: "#e0765a"
            values: chart.kinds.map(function (k) { return k.share < 0 ? 0 : Math.round(k.share * 1000) / 10 })
        }
    }
}
