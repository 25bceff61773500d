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
            text: qsTr("Name the C keys (C1 to C8)")
            checked: training.labelCKeys
            onActivated: training.labelCKeysChosen(!training.labelCKeys)
        }
    }
}
