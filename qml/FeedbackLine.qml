import QtQuick 2.3
import "."

// Names the notes of the last answer ("C3 ✓", "You played D3 — it was C3")
// until the next one; on a dark pill, so it reads on every hint colour.
Rectangle {
    id: line
    objectName: "feedbackLine"
    property alias text: label.text
    width: label.implicitWidth + 28
    height: 30
    radius: 15
    color: Theme.dark

    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    // The notes of the answer just scored, as MIDI numbers, and how long it
    // took where that is known.
    function showAnswer(answerNote, questionNote, reactionText) {
        var time = reactionText ? " " + reactionText : ""
        text = answerNote === questionNote
                ? noteName(questionNote) + " \u2713" + time
                : qsTr("You played %1 \u2014 it was %2").arg(noteName(answerNote)).arg(noteName(questionNote)) + time
    }

    // In the learner's note names; scientific pitch notation (middle C is
    // C4) where the program gives none.
    function noteName(midiNote) {
        if (typeof noteNamer !== "undefined")
            return noteNamer.note(midiNote)
        var names = ["C", "C\u266f", "D", "D\u266f", "E", "F", "F\u266f", "G", "G\u266f", "A", "A\u266f", "B"]
        return names[midiNote % 12] + (Math.floor(midiNote / 12) - 1)
    }

    Text {
        id: label
        objectName: "feedbackText"
        anchors.centerIn: parent
        color: Theme.brightText
        font { pixelSize: 16; bold: true; family: Theme.fontFamily }
    }
}
