import QtQuick 2.3
import "."

// The round under way as the progress strip shows it: one cell per question,
// coloured as it is answered, and the score beside the cells.
QtObject {
    id: tally
    property int correct: 0
    property int incorrect: 0
    readonly property int answered: correct + incorrect
    // The round's length, for the score.
    property int questionCount: 0
    // The strip that shows the score; its cells show `cells`.
    property Item progress: null
    property ListModel cells: ListModel {}

    // An empty strip of `count` cells.
    function prepare(count) {
        cells.clear()
        for (var i = 0; i < count; ++i)
            cells.append({ "cellColor": "transparent" })
        progress.percentText = "0%"
        progress.scoreText = "0/" + count
    }

    // The question being asked counts in the score before it is answered.
    function showQuestion() {
        progress.scoreText = (answered + 1) + "/" + questionCount
    }

    function record(right) {
        if (right)
            correct += 1
        else
            incorrect += 1
        showScore()
        // Answers beyond the last cell only count; there is no cell to colour.
        if (answered <= cells.count)
            cells.setProperty(answered - 1, "cellColor", right ? Theme.right : Theme.wrong)
    }

    function showScore() {
        progress.scoreText = answered + "/" + questionCount
        progress.percentText = Math.round(correct / answered * 100) + "%"
    }

    // A round's answers so far, each right or not (true/false).
    function showRound(results) {
        var right = 0
        for (var i = 0; i < results.length && i < cells.count; ++i) {
            right += results[i] ? 1 : 0
            cells.setProperty(i, "cellColor", results[i] ? Theme.right : Theme.wrong)
        }
        correct = right
        incorrect = results.length - right
        if (results.length > 0)
            showScore()
    }

    // A stored round: its counts and, where the store kept them, each
    // answer's result (1 right, 0 wrong). Cells of answers stored by a
    // version that did not keep their results show that they are unknown.
    function restore(right, wrong, results) {
        correct = right
        incorrect = wrong
        var shown = results.length > 0 ? results.length : Math.min(answered, cells.count)
        for (var i = 0; i < shown && i < cells.count; ++i) {
            var color = i < results.length ? (results[i] === 1 ? Theme.right : Theme.wrong) : Theme.unknownResult
            cells.setProperty(i, "cellColor", color)
        }
        if (answered > 0)
            showScore()
    }
}
