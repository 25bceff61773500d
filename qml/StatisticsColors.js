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
    return share < 0 ? "–" : Math.round(share * 100) + " %"
}

// "1 answer", "2 answers": a count with the word that goes with it.
function count(n, one, many) {
    return n + " " + (n === 1 ? one : many)
}

// A period's figures as one line: answers, exact share, days and minutes.
function periodLine(name, p) {
    return name + ": " + count(p.asked, "answer", "answers") + ", " + percent(p.share) + " exact, "
            + count(p.days, "day", "days") + ", " + p.minutes + " min."
}

// The overview under the title, for the period chosen (0 all time, 1 the
// last 7 days, 2 this course: the level, or the adaptive course).
function overview(o, period, level, adaptive) {
    var head = count(o.asked, "answer", "answers") + ": " + percent(o.share) + " exact, "
            + percent(o.chromaShare) + " ignoring the octave. Training days in a row: " + o.streakDays + "."
    var line = period === 1 ? periodLine("Last 7 days", o.last7Days)
             : period === 2 ? periodLine(adaptive ? "In the adaptive course" : "At level " + level, o.allDays)
             : periodLine("Last 7 days", o.last7Days) + "   " + periodLine("Last 30 days", o.last30Days)
               + "   All days: " + count(o.allDays.days, "day", "days") + ", " + o.allDays.minutes + " min."
    return head + "\n" + line
}

// What an empty page says: why there is nothing under this filter.
function emptyText(period, source, level, adaptive) {
    if (source === 1)
        return "No answers from MIDI keyboards yet."
    if (source === 2)
        return "No answers on the screen keyboard yet."
    if (period === 1)
        return "No answers in the last 7 days."
    if (period === 2)
        return adaptive ? "No answers in the adaptive course yet." : "No answers at level " + level + " yet."
    return "Answer a few questions and your statistics appear here."
}
