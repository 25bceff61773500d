import QtQuick 2.3
import "."

// The settings overlay, opened by the gear in the header. Each option is
// stored the moment it changes. Further sections go into `sections`; each
// lists its focusable items in focusItems, so Tab reaches them.
Rectangle {
    id: panel
    objectName: "settingsPanel"
    width: Math.min(640, parent ? parent.width - 40 : 640)
    height: content.height + 40
    color: Theme.dark
    radius: 8
    visible: false

    Accessible.role: Accessible.Dialog
    Accessible.name: qsTr("Settings")

    // Height the panel may take; the sections scroll inside it.
    property real availableHeight: 800
    property int afterWrongAnswer: 0
    property bool labelCKeys: true
    signal afterWrongAnswerChosen(int choice)
    signal labelCKeysChosen(bool on)

    function open() { visible = true }
    function close() { visible = false }

    function focusChain() {
        var chain = []
        for (var i = 0; i < sections.children.length; ++i) {
            var items = sections.children[i].focusItems
            if (items)
                chain = chain.concat(items)
        }
        chain.push(closeButton)
        return chain
    }

    // Modal: keys stop here; Tab is moved by the main window, Escape closes.
    Keys.onPressed: {
        if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab)
            return
        if (event.key === Qt.Key_Escape)
            close()
        event.accepted = true
    }

    // Clicks that miss the controls must not reach the window below.
    MouseArea { anchors.fill: parent; hoverEnabled: true }

    Column {
        id: content
        x: 30; y: 20
        width: parent.width - 60
        spacing: 20

        Text {
            id: settingsTitle
            text: qsTr("Settings")
            color: Theme.brightText
            font { pixelSize: 24; bold: true; family: Theme.fontFamily }
        }

        // Scrolls where the window is too low for every section.
        Flickable {
            id: scroller
            width: parent.width
            height: Math.max(60, Math.min(sections.height, panel.availableHeight - 40 - 2 * content.spacing
                                                               - settingsTitle.height - closeButton.height))
            contentHeight: sections.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            ScrollBar {
                id: scrollBar
                objectName: "settingsScrollBar"
                flickable: scroller
                parent: scroller
                anchors { right: parent.right; top: parent.top; bottom: parent.bottom }
            }

            Column {
                id: sections
                objectName: "settingsSections"
                // Clear of the scroll bar when there is one.
                width: scroller.width - (scrollBar.visible ? 16 : 0)
                spacing: 20
                TrainingSettings {
                    afterWrongAnswer: panel.afterWrongAnswer
                    labelCKeys: panel.labelCKeys
                    onAfterWrongAnswerChosen: panel.afterWrongAnswerChosen(choice)
                    onLabelCKeysChosen: panel.labelCKeysChosen(on)
                }
                InstrumentSettings {}
                LanguageSettings {}
                CourseSettings {}
            }
        }

        // Drawn like every overlay's buttons.
        DialogButton {
            id: closeButton
            objectName: "settingsCloseButton"
            anchors.right: parent.right
            label: qsTr("Close")
            onActivated: panel.close()
        }
    }
}
