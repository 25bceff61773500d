import QtQuick 2.3
import "."

// The language of the window (taken up at the next start) and the names the
// notes are called by (at once): the letters or syllables, and the octaves'
// numbers. Kept in preferences.
Column {
    id: section
    objectName: "languageSettings"
    spacing: 16
    width: parent ? parent.width : 0
    readonly property var focusItems: {
        var items = []
        for (var i = 0; i < languages.count; ++i)
            items.push(languages.itemAt(i))
        return items.concat([englishNames, germanNames, solfegeNames, scientificOctaves, frenchOctaves])
    }
    readonly property bool ready: typeof preferences !== "undefined" && typeof noteNamer !== "undefined"
    readonly property string language: ready ? preferences.language : ""

    function chooseLanguage(code) { preferences.language = code }
    function chooseNames(letters, octaves) { preferences.noteNames = noteNamer.keyFor(letters, octaves) }

    SettingsSection {
        title: qsTr("Language")
        Flow {
            width: parent.width
            spacing: 4
            Repeater {
                id: languages
                // Each language by its own name, so that it is found
                // whatever the window speaks.
                model: [{ code: "", name: qsTr("System") }, { code: "en", name: "English" },
                        { code: "de", name: "Deutsch" }, { code: "fr", name: "Fran\u00e7ais" },
                        { code: "es", name: "Espa\u00f1ol" }, { code: "it", name: "Italiano" },
                        { code: "ja", name: "\u65e5\u672c\u8a9e" }, { code: "zh_CN", name: "\u7b80\u4f53\u4e2d\u6587" }]
                SettingOption {
                    objectName: "languageOption" + (modelData.code === "" ? "System" : modelData.code)
                    exclusive: true
                    text: modelData.name
                    checked: section.language === modelData.code
                    onActivated: section.chooseLanguage(modelData.code)
                }
            }
        }
        Text {
            width: parent.width
            wrapMode: Text.WordWrap
            text: qsTr("The language changes at the next start.")
            color: Theme.lightText
            font { family: Theme.fontFamily; pixelSize: Theme.smallSize }
        }
    }

    SettingsSection {
        title: qsTr("Note names")
        SettingOption {
            id: englishNames
            objectName: "englishNamesOption"
            exclusive: true
            text: qsTr("C D E \u2026 B")
            checked: section.ready && noteNamer.letters === 0
            onActivated: section.chooseNames(0, noteNamer.octaves)
        }
        SettingOption {
            id: germanNames
            objectName: "germanNamesOption"
            exclusive: true
            text: qsTr("C D E \u2026 H (B for B\u266d)")
            checked: section.ready && noteNamer.letters === 1
            onActivated: section.chooseNames(1, noteNamer.octaves)
        }
        SettingOption {
            id: solfegeNames
            objectName: "solfegeNamesOption"
            exclusive: true
            text: qsTr("Do R\u00e9 Mi \u2026 Si")
            checked: section.ready && noteNamer.letters === 2
            onActivated: section.chooseNames(2, noteNamer.octaves)
        }
        Item { width: 1; height: 6 }
        SettingOption {
            id: scientificOctaves
            objectName: "scientificOctavesOption"
            exclusive: true
            text: qsTr("middle C = C4")
            checked: section.ready && noteNamer.octaves === 0
            onActivated: section.chooseNames(noteNamer.letters, 0)
        }
        SettingOption {
            id: frenchOctaves
            objectName: "frenchOctavesOption"
            exclusive: true
            text: qsTr("middle C = do 3")
            checked: section.ready && noteNamer.octaves === 1
            onActivated: section.chooseNames(noteNamer.letters, 1)
        }
    }
}
