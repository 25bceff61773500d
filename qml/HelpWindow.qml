import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import QMLMessenger 1.0

// Four-page introduction shown over the main window. Closing it stores
// whether it comes up again at the next start.
Rectangle {
    id: help
    objectName: "helpRoot"
    width: 930
    height: 570
    color: Theme.dark
    radius: 8
    border.width: 0

    property int globalhbordermargin: 15
    property int currentScreen: 0

    property string textContent1: qsTr("Orvelle is software for developing absolute pitch, also called perfect pitch: the ability to recognise a note by ear alone, without a reference tone. For a musician it is a precious skill, because the sound you hear in your mind leads straight to the right note on your instrument. Absolute pitch is not only a gift you are born with. It can be developed over time with the right method, and Orvelle is built on that method.")
    property string textContent2: qsTr("You begin with a single note, played equally often in all octaves of the piano. Orvelle follows your answers, and when you are ready it adds a second note, then a third, until all 12 notes of the chromatic scale are played across every octave. If you prefer, you can choose yourself how many notes are played by clicking a level above the progress strip.")
    property string textContent3: qsTr("Colour can help you memorise the sound of a tone. When the colour hint is switched on, the window takes on the colour of each note while it is played, so that every note gets a face of its own.")
    property string textContent4: qsTr("To answer, click the right key with the mouse on the keyboard at the bottom of the window. You can also plug a MIDI keyboard into your computer by USB: its keys count exactly like clicks on the keyboard on the screen. Only the exact key counts, octave included.")

    // The pages as plain objects rather than JSON text, so that a translated
    // text may hold quotes.
    property var stateMapperObj: ({ "screens": [
        { "picture": "qrc:/res/wizard_pic_about.png", "heading": "Orvelle", "text": textContent1 },
        { "picture": "qrc:/res/wizard_pic_pitch.png", "heading": qsTr("The way to absolute pitch"), "text": textContent2 },
        { "picture": "qrc:/res/wizard_pic_colorhint.png", "heading": qsTr("Color hint"), "text": textContent3 },
        { "picture": "qrc:/res/wizard_pic_midi.png", "heading": qsTr("Midi and graphical keyboard"), "text": textContent4 }
    ] })

    readonly property int pageCount: stateMapperObj.screens.length

    function showScreen(i) {
        if (i > pageCount - 1)
            i = 0
        if (i < 0)
            i = pageCount - 1
        var page = stateMapperObj.screens[i]
        picture.source = page.picture
        heading.text = page.heading
        bodyText.text = page.text
        currentScreen = i
        for (var d = 0; d < dots.count; ++d)
            dots.itemAt(d).opacity = 0.3
        dots.itemAt(i).opacity = 1
    }

    function close() {
        appmessenger.showHelpOnStart = !dontShowBox.checked
        visible = false
    }

    // The controls Tab visits while the help is open, in order.
    function focusChain() {
        var chain = [closeButton, leftArrow, rightArrow]
        for (var d = 0; d < dots.count; ++d)
            chain.push(dots.itemAt(d))
        chain.push(dontShowBox)
        if (websiteLink.visible)
            chain.push(websiteLink)
        chain.push(closeTextButton)
        return chain
    }

    // Keys that reach the window while the help is open: it is modal, so
    // they all stop here.
    Keys.onPressed: {
        if (event.key === Qt.Key_Left)
            showScreen(currentScreen - 1)
        else if (event.key === Qt.Key_Right)
            showScreen(currentScreen + 1)
        else if (event.key === Qt.Key_Escape)
            close()
        else if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab)
            return  // the main window moves the focus along focusChain()
        event.accepted = true
    }

    Accessible.role: Accessible.Dialog
    Accessible.name: qsTr("Help")

    function setPointingCursor(on) {
        appmessenger.changeCursor(on ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    Component.onCompleted: showScreen(0)

    // Clicks that miss the controls must not reach the main window below.
    MouseArea { anchors.fill: parent; hoverEnabled: true }

    ToolButton {
        id: closeButton
        objectName: "helpCloseButton"
        width: 37; height: 37
        anchors { top: parent.top; right: parent.right; margins: help.globalhbordermargin }
        tooltip: qsTr("Close")
        activeFocusOnTab: false
        Accessible.name: qsTr("Close help")
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        FocusRing {}
        iconSource: pressed ? "qrc:/res/btn_close_p.png" : hovered ? "qrc:/res/btn_close_h.png" : "qrc:/res/btn_close_n.png"
        style: ButtonStyle {
            background: Item { implicitWidth: 37; implicitHeight: 37 }
            label: Item {
                Image {
                    anchors.centerIn: parent
                    width: Math.min(implicitWidth, 37)
                    height: Math.min(implicitHeight, 37)
                    fillMode: Image.PreserveAspectFit
                    source: control.iconSource
                }
            }
        }
        onHoveredChanged: help.setPointingCursor(hovered)
        onClicked: help.close()
    }

    Arrow {
        id: leftArrow
        objectName: "leftArrow"
        side: "left"
        anchors { left: parent.left; leftMargin: 30; verticalCenter: parent.verticalCenter }
        onTurn: help.showScreen(help.currentScreen - 1)
    }

    Arrow {
        id: rightArrow
        objectName: "rightArrow"
        side: "right"
        anchors { right: parent.right; rightMargin: 30; verticalCenter: parent.verticalCenter }
        onTurn: help.showScreen(help.currentScreen + 1)
    }

    Image {
        id: picture
        objectName: "helpPicture"
        width: 900; height: 100
        y: 65
        anchors.horizontalCenter: parent.horizontalCenter
        fillMode: Image.PreserveAspectFit
        antialiasing: true
        smooth: true
    }

    Text {
        id: heading
        objectName: "helpHeading"
        width: 900; height: 44
        y: 182
        anchors.horizontalCenter: parent.horizontalCenter
        color: Theme.brightText
        font { bold: true; pixelSize: 30; family: Theme.fontFamily }
        horizontalAlignment: Text.AlignHCenter
    }

    Text {
        id: bodyText
        objectName: "helpBody"
        width: 759; height: 184
        y: 246
        anchors.horizontalCenter: parent.horizontalCenter
        color: Theme.brightText
        font { pixelSize: 16; family: Theme.fontFamily }
        lineHeight: 1.25
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignTop
    }

    Row {
        id: dotRow
        objectName: "dotRow"
        spacing: 10
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 100 }
        Repeater {
            id: dots
            model: help.pageCount
            Rectangle {
                objectName: "dot" + index
                width: 11; height: 11
                radius: 5.5
                color: Theme.brightText
                opacity: 0.3
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Page %1").arg(index + 1)
                Accessible.onPressAction: help.showScreen(index)
                Keys.onPressed: {
                    if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        help.showScreen(index)
                        event.accepted = true
                    }
                }
                // Like a radio button, the focused dot is the page shown.
                onActiveFocusChanged: if (activeFocus) help.showScreen(index)
                FocusRing {}
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: help.setPointingCursor(true)
                    onExited: help.setPointingCursor(false)
                    onClicked: help.showScreen(index)
                }
            }
        }
    }

    Rectangle {
        id: separator
        width: parent.width
        height: 1
        anchors { bottom: parent.bottom; bottomMargin: 52 }
        color: Theme.brightText
    }

    CheckBox {
        id: dontShowBox
        objectName: "dontShowBox"
        width: 18; height: 20
        anchors { left: parent.left; bottom: parent.bottom; margins: help.globalhbordermargin }
        checked: true
        activeFocusOnTab: false
        Accessible.name: dontShowText.text
        Keys.onReturnPressed: checked = !checked
        Keys.onEnterPressed: checked = !checked
        FocusRing {}
    }

    Text {
        id: dontShowText
        objectName: "dontShowText"
        width: 291; height: 15
        x: 38; y: 537
        text: qsTr("Don't show this anymore at programm startup")
        color: Theme.brightText
        font { pixelSize: 14; family: Theme.fontFamily }
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onEntered: help.setPointingCursor(true)
            onExited: help.setPointingCursor(false)
            onClicked: dontShowBox.checked = !dontShowBox.checked
        }
    }

    Text {
        id: websiteLink
        objectName: "websiteLink"
        width: 139; height: 15
        y: 537
        anchors { right: closeTextButton.left; rightMargin: 35 }
        text: qsTr("Visit our website")
        // Shown only when the build names a web site.
        Component.onCompleted: visible = typeof appmessenger.websiteAddress === "string"
                                         && appmessenger.websiteAddress !== ""
        Accessible.role: Accessible.Link
        Accessible.name: text
        Accessible.onPressAction: appmessenger.showCompanyWebsite()
        Keys.onPressed: {
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                appmessenger.showCompanyWebsite()
                event.accepted = true
            }
        }
        FocusRing {}
        color: Theme.brightText
        font { underline: true; pixelSize: 14; family: Theme.fontFamily }
        horizontalAlignment: Text.AlignRight
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onEntered: help.setPointingCursor(true)
            onExited: help.setPointingCursor(false)
            onClicked: {
                appmessenger.showCompanyWebsite()
                console.debug("website link clicked")
            }
        }
    }

    Rectangle {
        id: closeTextButton
        objectName: "helpCloseTextButton"
        // Wide enough for the label in every language; the right edge stays.
        width: Math.max(60, closeLabel.implicitWidth + 20); height: 30
        x: 915 - width; y: 530
        radius: 6
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Close")
        Accessible.onPressAction: help.close()
        Keys.onPressed: {
            if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                help.close()
                event.accepted = true
            }
        }
        FocusRing {}
        // Only the fill darkens, so the label stays fully readable.
        color: closeArea.containsMouse ? Qt.rgba(0, 0, 0, 0.5) : "transparent"
        border { color: Theme.brightText; width: 1 }
        Text {
            id: closeLabel
            anchors.centerIn: parent
            text: qsTr("Close")
            color: Theme.brightText
            font { pixelSize: 14; family: Theme.fontFamily }
        }
        MouseArea {
            id: closeArea
            anchors.fill: parent
            hoverEnabled: true
            onEntered: help.setPointingCursor(true)
            onExited: help.setPointingCursor(false)
            onClicked: help.close()
        }
    }
}
