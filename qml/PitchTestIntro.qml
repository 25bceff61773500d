import QtQuick 2.3
import "."

// The first page of the pitch test: what will happen, and Start (or, for a
// test broken off, Resume and Discard).
Item {
    id: intro
    property var test: null
    readonly property bool resumable: test !== null && test.resumable

    function focusChain() {
        return resumable ? [resumeButton, discardButton, leaveButton] : [startButton, leaveButton]
    }
    function startOrResume() {
        if (resumable)
            test.resume()
        else
            test.start()
    }

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.margin, 720)
        spacing: Theme.gap * 1.5

        Text {
            objectName: "pitchTestTitle"
            width: parent.width
            text: qsTr("Pitch test")
            color: Theme.brightText
            font { pixelSize: Theme.titleSize; bold: true; family: Theme.fontFamily }
        }
        Text {
            objectName: "pitchTestIntroText"
            width: parent.width
            wrapMode: Text.WordWrap
            color: Theme.lightText
            font { pixelSize: Theme.largeSize; family: Theme.fontFamily }
            text: qsTr("72 notes, about 8 minutes: 36 on the piano and 36 pure tones, in two blocks with a rest between. First 4 practice notes tell you whether you were right; after that there is no feedback until the end. Answer with any key of the right name: the octave is scored separately. Each answer is followed by 2 seconds of noise. Escape leaves the test; you can take it up again later.")
        }
        Text {
            objectName: "pitchTestResumeText"
            width: parent.width
            visible: intro.resumable
            wrapMode: Text.WordWrap
            color: Theme.brightText
            font { pixelSize: Theme.largeSize; family: Theme.fontFamily }
            text: intro.test ? qsTr("A test you began has %n of 72 notes answered. Resume it, or discard it to start again.",
                                    "", intro.test.resumableAnswered) : ""
        }
        Text {
            objectName: "pitchTestProblem"
            width: parent.width
            visible: text !== ""
            wrapMode: Text.WordWrap
            color: "#ffb4a0"
            font { pixelSize: Theme.textSize; family: Theme.fontFamily }
            text: intro.test ? intro.test.problem : ""
        }
        Row {
            spacing: Theme.gap
            DialogButton {
                id: startButton
                objectName: "pitchTestStart"
                visible: !intro.resumable
                primary: true
                label: qsTr("Start")
                onActivated: intro.test.start()
            }
            DialogButton {
                id: resumeButton
                objectName: "pitchTestResume"
                visible: intro.resumable
                primary: true
                label: qsTr("Resume")
                onActivated: intro.test.resume()
            }
            DialogButton {
                id: discardButton
                objectName: "pitchTestDiscard"
                visible: intro.resumable
                label: qsTr("Discard")
                onActivated: intro.test.discard()
            }
            DialogButton {
                id: leaveButton
                objectName: "pitchTestLeave"
                label: qsTr("Back to training")
                onActivated: intro.test.leave()
            }
        }
    }
}
