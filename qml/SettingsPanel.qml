import QtQuick 2.3

// The settings overlay, opened by the gear in the header. Each option is
// stored the moment it changes. Further sections go into `sections`; each
// lists its focusable items in focusItems, so Tab reaches them.
Rectangle {
    id: panel
    objectName: "settingsPanel"
    width: Math.min(640, parent ? parent.width - 40 : 640)
    height: content.height + 40
    color: root.darkColor
    radius: 8
    visible: false

    Accessible.role: Accessible.Dialog
    Accessible.name: "Settings"

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
            text: "Settings"
            color: "#ffffff"
            font { pixelSize: 24; bold: true; family: root.fontFamily }
        }

        // Scrolls where the window is too low for every section.
        Flickable {
            id: scroller
            width: parent.width
            height: Math.min(sections.height, (panel.parent ? panel.parent.height : 800) - 170)
            contentHeight: sections.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: sections
                objectName: "settingsSections"
                width: scroller.width
                spacing: 20
                TrainingSettings {}
                InstrumentSettings { width: parent.width }
            }
        }

        Rectangle {
            id: closeButton
            objectName: "settingsCloseButton"
            anchors.right: parent.right
            width: 80; height: 32
            radius: 6
            color: closeArea.containsMouse ? Qt.rgba(0, 0, 0, 0.5) : "transparent"
            border { color: "white"; width: 1 }
            Accessible.role: Accessible.Button
            Accessible.name: "Close"
            Accessible.onPressAction: panel.close()
            Text {
                anchors.centerIn: parent
                text: "Close"
                color: "white"
                font { pixelSize: 14; family: root.fontFamily }
            }
            MouseArea {
                id: closeArea
                anchors.fill: parent
                hoverEnabled: true
                onEntered: root.setPointingCursor(true)
                onExited: root.setPointingCursor(false)
                onClicked: panel.close()
            }
            Keys.onPressed: {
                if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    panel.close()
                    event.accepted = true
                }
            }
            FocusRing {}
        }
    }
}
