import QtQuick 2.3
import "."
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2

// A 37 x 37 header tool button: transparent, with the icon images
// <iconName>_n/_h/_p.png for normal, hovered and pressed. The main window
// moves the keyboard focus itself, so the button leaves Tab alone.
ToolButton {
    id: button
    property string iconName
    width: 37; height: 37
    anchors.verticalCenter: parent.verticalCenter
    activeFocusOnTab: false
    iconSource: "qrc:/res/" + iconName + (pressed ? "_p" : hovered ? "_h" : "_n") + ".png"
    Accessible.name: tooltip

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

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)

    FocusRing {}
}
