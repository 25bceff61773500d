import QtQuick 2.3
import "."

// Which course the questions come from, the twelve levels or the adaptive
// one, and whether relative pitch is blocked (questions far apart, with
// noise between them).
Column {
    id: courseSettings
    objectName: "courseSettings"
    spacing: 16
    width: parent ? parent.width : 0
    readonly property var focusItems: [levelsOption, adaptiveOption, blockOption]

    SettingsSection {
        title: "Course"
        SettingOption {
            id: levelsOption
            objectName: "levelsCourseOption"
            exclusive: true
            text: "Twelve levels"
            checked: preferences.course === "levels"
            onActivated: preferences.course = "levels"
        }
        SettingOption {
            id: adaptiveOption
            objectName: "adaptiveCourseOption"
            exclusive: true
            text: "Adaptive"
            checked: preferences.course === "adaptive"
            onActivated: preferences.course = "adaptive"
        }
        SettingOption {
            id: blockOption
            objectName: "blockRelativePitchOption"
            text: "Block relative pitch"
            checked: preferences.blockRelativePitch
            onActivated: preferences.blockRelativePitch = !preferences.blockRelativePitch
        }
    }
}
