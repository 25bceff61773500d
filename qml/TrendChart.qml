import QtQuick 2.3
import QtCharts 2.3

// Day by day: the share of exact answers, the share right ignoring the
// octave, and the median reaction time.
ChartView {
    id: chart
    objectName: "trendChart"
    property var days: []
    title: "Day by day"
    theme: ChartView.ChartThemeDark
    backgroundColor: "#424c53"
    antialiasing: true
    titleFont { pixelSize: 14; family: "DejaVu Sans" }
    legend.labelColor: "#d0efff"

    readonly property real firstTime: days.length > 0 ? days[0].time - 43200000 : 0
    readonly property real lastTime: days.length > 0 ? days[days.length - 1].time + 43200000 : 86400000

    // Each series in one go where the program offers it: append() lays the
    // series out again for every point.
    function fill() {
        var times = [], exactShares = [], chromaShares = [], reactionTimes = [], seconds = []
        for (var i = 0; i < days.length; ++i) {
            times.push(days[i].time)
            exactShares.push(Math.round(days[i].share * 100))
            chromaShares.push(Math.round(days[i].chromaShare * 100))
            if (days[i].medianMs >= 0) {
                reactionTimes.push(days[i].time)
                seconds.push(days[i].medianMs / 1000)
            }
        }
        setPoints(exact, times, exactShares)
        setPoints(chroma, times, chromaShares)
        setPoints(reaction, reactionTimes, seconds)
    }
    function setPoints(series, xs, ys) {
        if (typeof chartPoints !== "undefined" && chartPoints.replace(series, xs, ys))
            return
        series.clear()
        for (var i = 0; i < xs.length; ++i)
            series.append(xs[i], ys[i])
    }
    onDaysChanged: fill()
    Component.onCompleted: fill()

    DateTimeAxis {
        id: dayAxis
        min: new Date(chart.firstTime)
        max: new Date(chart.lastTime)
        format: "d MMM"
        tickCount: Math.min(7, Math.max(2, chart.days.length + 1))
        labelsFont { pixelSize: 11; family: "DejaVu Sans" }
    }
    ValueAxis {
        id: shareAxis
        min: 0; max: 100
        labelFormat: "%d %"
        labelsFont { pixelSize: 11; family: "DejaVu Sans" }
    }
    ValueAxis {
        id: secondsAxis
        min: 0
        max: 10
        labelFormat: "%.0f s"
        labelsFont { pixelSize: 11; family: "DejaVu Sans" }
    }
    LineSeries { id: exact; name: "exact"; axisX: dayAxis; axisY: shareAxis; color: "#7ed36f"; width: 2; pointsVisible: true }
    LineSeries { id: chroma; name: "ignoring octave"; axisX: dayAxis; axisY: shareAxis; color: "#f2c94c"; width: 2; pointsVisible: true }
    LineSeries { id: reaction; name: "median reaction"; axisX: dayAxis; axisYRight: secondsAxis; color: "#6fb7e8"; width: 2; pointsVisible: true }
}
