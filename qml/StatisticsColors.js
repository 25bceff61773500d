.pragma library

// The share of right answers as a colour: red for none, through orange and
// yellow, to green only near all (64 % and 90 % look apart); grey where
// nothing was asked. Light enough for dark text on every shade.
var neverAsked = "#9aa5ad"

function forShare(share) {
    if (share === undefined || share < 0)
        return neverAsked
    var s = Math.max(0, Math.min(1, share))
    return Qt.hsla(0.33 * s * s, 0.75, 0.6, 1)
}

function percent(share) {
    return share < 0 ? "–" : qsTr("%1 %").arg(Math.round(share * 100))
}

// A number with one decimal, in the reader's way of writing it.
function decimal(x) {
    return Number(x).toLocaleString(Qt.locale(), "f", 1)
}

// A period's figures as one line: answers, exact share, days and minutes.
function periodLine(period, p) {
    var answers = qsTr("%n answers", "", p.asked)
    var days = qsTr("%n days", "", p.days)
    if (period === "last7")
        return qsTr("Last 7 days: %1, %2 exact, %3, %4 min.").arg(answers).arg(percent(p.share)).arg(days).arg(p.minutes)
    if (period === "last30")
        return qsTr("Last 30 days: %1, %2 exact, %3, %4 min.").arg(answers).arg(percent(p.share)).arg(days).arg(p.minutes)
    if (period === "adaptive")
        return qsTr("In the adaptive course: %1, %2 exact, %3, %4 min.").arg(answers).arg(percent(p.share)).arg(days)
                .arg(p.minutes)
    return qsTr("At level %1: %2, %3 exact, %4, %5 min.").arg(period).arg(answers).arg(percent(p.share)).arg(days)
            .arg(p.minutes)
}

// The overview under the title, for the period chosen (0 all time, 1 the
// last 7 days, 2 this course: the level, or the adaptive course).
function overview(o, period, level, adaptive) {
    var head = qsTr("%1: %2 exact, %3 ignoring the octave. Training days in a row: %4.")
            .arg(qsTr("%n answers", "", o.asked)).arg(percent(o.share)).arg(percent(o.chromaShare)).arg(o.streakDays)
    var line = period === 1 ? periodLine("last7", o.last7Days)
             : period === 2 ? periodLine(adaptive ? "adaptive" : level, o.allDays)
             : periodLine("last7", o.last7Days) + "   " + periodLine("last30", o.last30Days) + "   "
               + qsTr("All days: %1, %2 min.").arg(qsTr("%n days", "", o.allDays.days)).arg(o.allDays.minutes)
    return head + "\n" + line
}

// What an empty page says: why there is nothing under this filter.
function emptyText(period, source, level, adaptive) {
    if (source === 1)
        return qsTr("No answers from MIDI keyboards yet.")
    if (source === 2)
        return qsTr("No answers on the screen keyboard yet.")
    if (period === 1)
        return qsTr("No answers in the last 7 days.")
    if (period === 2)
        return adaptive ? qsTr("No answers in the adaptive course yet.") : qsTr("No answers at level %1 yet.").arg(level)
    return qsTr("Answer a few questions and your statistics appear here.")
}
