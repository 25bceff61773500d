import QtQuick 2.3
import "."

// The options of the training itself: what follows a wrong answer, and the
// names on the C keys.
Column {
    id: training
    objectName: "trainingSettings"
    spacing: 16
    width: parent ? parent.width : 0
    readonly property var focusItems: [goOnOption, replayOption, labelOption]
    property int afterWrongAnswer: 0
    property bool labelCKeys: true
    // The lowest and highest C in the learner's note names; reading the
    // names' list makes them follow a change of naming.
    readonly property var outerCs: typeof noteNamer !== "undefined" && noteNamer.pitchClasses.length > 0
                                   ? [noteNamer.note(24), noteNamer.note(108)] : ["C1", "C8"]
    signal afterWrongAnswerChosen(int choice)
    signal labelCKeysChosen(bool on)

    SettingsSection {
        title: qsTr("After a wrong answer")
        SettingOption {
            id: goOnOption
            objectName: "goOnOption"
            exclusive: true
            text: qsTr("Go on to the next question at once")
            checked: training.afterWrongAnswer === 0
            onActivated: training.afterWrongAnswerChosen(0)
        }
        SettingOption {
            id: replayOption
            objectName: "replayOption"
            exclusive: true
            text: qsTr("Pause 2 s and play the right note once more")
            checked: training.afterWrongAnswer === 1
            onActivated: training.afterWrongAnswerChosen(1)
        }
    }

    SettingsSection {
        title: qsTr("Keyboard")
        SettingOption {
            id: labelOption
            objectName: "labelCKeysOption"
            text: qsTr("Name the C keys (%1 to %2)").arg(training.outerCs[0]).arg(training.outerCs[1])
            checked: training.labelCKeys
            onActivated: training.labelCKeysChosen(!training.labelCKeys)
        }
    }
}
