import QtQuick 2.3
import QtCharts 2.3
import "."

// The statistics' "Pitch tests" page: every finished test's points on pure
// tones and on the piano (of 36) on a time axis, with the absolute pitch
// line at 24.5, and the tests listed below.
Item {
    id: scores
    objectName: "pitchTestScores"
    // [{ time, pureTonePoints, pianoPoints, classPercent, keyPercent, apReached }], oldest first.
    property var tests: []

    Text {
        objectName: "pitchTestScoresEmpty"
        anchors.centerIn: parent
        visible: scores.tests.length === 0
        text: qsTr("No pitch test finished yet. Ctrl+T starts one.")
        color: Theme.lightText
        font { pixelSize: 18; family: Theme.fontFamily }
    }

    ChartView {
        id: chart
        objectName: "pitchTestChart"
        visible: scores.tests.length > 0
        anchors { left: parent.left; right: parent.right; top: parent.top }
        height: Math.max(260, parent.height * 0.6)
        title: qsTr("Pitch tests")
        theme: ChartView.ChartThemeDark
        backgroundColor: Theme.dark
        antialiasing: true
        titleFont { pixelSize: Theme.textSize; family: Theme.fontFamily }
        legend.labelColor: Theme.lightText
        legend.font { pixelSize: Theme.smallSize; family: Theme.fontFamily }

        function fill() {
            pure.clear()
            piano.clear()
            line.clear()
            var t = scores.tests
            if (t.length === 0)
                return
            // A day either side, so that a single test has room.
            var first = t[0].time - 86400000, last = t[t.length - 1].time + 86400000
            timeAxis.min = new Date(first)
            timeAxis.max = new Date(last)
            for (var i = 0; i < t.length; ++i) {
                pure.append(t[i].time, t[i].pureTonePoints)
                piano.append(t[i].time, t[i].pianoPoints)
            }
            line.append(first, 24.5)
            line.append(last, 24.5)
        }

        DateTimeAxis {
            id: timeAxis
            format: "d MMM yy"
            tickCount: 5
            labelsFont { pixelSize: Theme.smallSize; family: Theme.fontFamily }
        }
        ValueAxis {
            id: pointsAxis
            min: 0; max: 36
            tickCount: 5
            labelFormat: "%.0f"
            labelsFont { pixelSize: Theme.smallSize; family: Theme.fontFamily }
        }
        LineSeries { id: pure; objectName: "pureToneSeries"; name: qsTr("pure tones (of 36)"); axisX: timeAxis; axisY: pointsAxis; color: "#6fb7e8"; width: 2; pointsVisible: true }
        LineSeries { id: piano; objectName: "pianoSeries"; name: qsTr("piano (of 36)"); axisX: timeAxis; axisY: pointsAxis; color: "#7ed36f"; width: 2; pointsVisible: true }
        LineSeries { id: line; name: qsTr("absolute pitch line, 24.5"); axisX: timeAxis; axisY: pointsAxis; color: "#f2c94c"; width: 1; style: Qt.DashLine }
    }

    Column {
        objectName: "pitchTestList"
        anchors { left: parent.left; right: parent.right; top: chart.bottom; topMargin: Theme.gap }
        visible: scores.tests.length > 0
        spacing: 2
        Repeater {
            model: scores.tests
            Text {
                //: One finished test: date, points of 36 on pure tones and piano, per cent right.
                text: (modelData.apReached
                       ? qsTr("%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %   AP line reached")
                       : qsTr("%1   pure tones %2   piano %3   pitch class %4 %   exact key %5 %"))
                      .arg(Qt.formatDateTime(new Date(modelData.time), "yyyy-MM-dd hh:mm"))
                      .arg(modelData.pureTonePoints.toFixed(2)).arg(modelData.pianoPoints.toFixed(2))
                      .arg(modelData.classPercent.toFixed(1)).arg(modelData.keyPercent.toFixed(1))
                color: Theme.lightText
                font { pixelSize: Theme.smallSize; family: Theme.fontFamily }
            }
        }
    }

    onTestsChanged: chart.fill()
    Component.onCompleted: chart.fill()
}
