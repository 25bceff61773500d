import QtQuick 2.3
import QtCharts 2.3
import "."

// Day by day: the share of exact answers, the share right ignoring the
// octave, and the median reaction time. The day axis counts local calendar
// days (so a daylight-saving change moves nothing): each point sits on its
// day, and the labels stand on whole days, every day over a short span and
// every week over a longer one.
ChartView {
    id: chart
    objectName: "trendChart"
    property var days: []
    readonly property alias dayAxis: dayAxis
    readonly property alias secondsAxis: secondsAxis
    readonly property alias exactSeries: exact
    title: qsTr("Day by day")
    theme: ChartView.ChartThemeDark
    backgroundColor: Theme.dark
    antialiasing: true
    titleFont { pixelSize: Theme.textSize; family: Theme.fontFamily }
    legend.labelColor: Theme.lightText
    legend.font { pixelSize: Theme.smallSize; family: Theme.fontFamily }

    // Local calendar day of a time, as a whole number of days.
    function dayNumber(ms) {
        var d = new Date(ms)
        return Math.round(Date.UTC(d.getFullYear(), d.getMonth(), d.getDate()) / 86400000)
    }
    function dateOf(dayNumber) {
        var u = new Date(dayNumber * 86400000)
        return new Date(u.getUTCFullYear(), u.getUTCMonth(), u.getUTCDate(), 12)
    }
    // Set by fill() from the days: their first day, how many days they span,
    // the days between two labels, and the seconds axis.
    property int firstDay: 0
    property int span: 1
    property int labelStep: 1
    // Where each label of the day axis stands, in days from the first.
    property var labelValues: []
    property int secondsMax: 2
    property int secondsTicks: 3

    // Each series in one go where the program offers it: append() lays the
    // series out again for every point.
    function fill() {
        firstDay = days.length > 0 ? dayNumber(days[0].time) : 0
        span = days.length > 0 ? dayNumber(days[days.length - 1].time) - firstDay + 1 : 1
        labelStep = span <= 10 ? 1 : span <= 70 ? 7 : 7 * Math.ceil(span / 56)
        // Whole seconds on every gridline: steps of 1 s up to 6 s, of 2 s beyond.
        var slowest = Math.max(2, Math.ceil(Math.max.apply(Math, [0].concat(days.map(function (d) { return d.medianMs / 1000 })))))
        secondsMax = slowest <= 6 ? slowest : 2 * Math.ceil(slowest / 2)
        secondsTicks = secondsMax <= 6 ? secondsMax + 1 : secondsMax / 2 + 1
        var labels = dayAxis.categoriesLabels
        for (var l = 0; l < labels.length; ++l)
            dayAxis.remove(labels[l])
        var values = []
        for (var n = 0; n < span; n += labelStep) {
            dayAxis.append(Qt.formatDate(dateOf(firstDay + n), "d MMM"), n)
            values.push(n)
        }
        labelValues = values
        var xs = [], exactShares = [], chromaShares = [], reactionDays = [], seconds = []
        for (var i = 0; i < days.length; ++i) {
            var x = dayNumber(days[i].time) - firstDay
            xs.push(x)
            exactShares.push(Math.round(days[i].share * 100))
            chromaShares.push(Math.round(days[i].chromaShare * 100))
            if (days[i].medianMs >= 0) {
                reactionDays.push(x)
                seconds.push(days[i].medianMs / 1000)
            }
        }
        setPoints(exact, xs, exactShares)
        setPoints(chroma, xs, chromaShares)
        setPoints(reaction, reactionDays, seconds)
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

    CategoryAxis {
        id: dayAxis
        objectName: "dayAxis"
        min: -0.5
        max: chart.span - 0.5
        startValue: -0.5
        labelsPosition: CategoryAxis.AxisLabelsPositionOnValue
        labelsFont { pixelSize: Theme.smallSize; family: Theme.fontFamily }
    }
    ValueAxis {
        id: shareAxis
        min: 0; max: 100
        tickCount: 5
        labelFormat: "%d %"
        labelsFont { pixelSize: Theme.smallSize; family: Theme.fontFamily }
    }
    ValueAxis {
        id: secondsAxis
        objectName: "secondsAxis"
        min: 0
        max: chart.secondsMax
        tickCount: chart.secondsTicks
        labelFormat: "%.0f s"
        labelsFont { pixelSize: Theme.smallSize; family: Theme.fontFamily }
    }
    LineSeries { id: exact; objectName: "exactSeries"; name: qsTr("exact"); axisX: dayAxis; axisY: shareAxis; color: "#7ed36f"; width: 2; pointsVisible: true }
    LineSeries { id: chroma; name: qsTr("ignoring octave"); axisX: dayAxis; axisY: shareAxis; color: "#f2c94c"; width: 2; pointsVisible: true }
    LineSeries { id: reaction; objectName: "reactionSeries"; name: qsTr("median reaction"); axisX: dayAxis; axisYRight: secondsAxis; color: "#6fb7e8"; width: 2; pointsVisible: true }
}
