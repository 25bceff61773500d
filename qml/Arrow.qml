import QtQuick 2.3
import "."

// A page arrow of the help window. It turns the page on the press, so holding
// the button down turns exactly one page.
Image {
    id: arrow
    property string side: "left"
    signal turn()

    width: 25; height: 41
    Accessible.role: Accessible.Button
    Accessible.name: side === "left" ? qsTr("Previous page") : qsTr("Next page")
    Accessible.onPressAction: turn()
    Keys.onPressed: {
        if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (!event.isAutoRepeat)
                turn()
            event.accepted = true
        }
    }
    FocusRing {}
    source: "qrc:/res/arrow_" + side + "_" + (area.pressed ? "pressed" : area.containsMouse ? "hover" : "nomal") + ".png"

    MouseArea {
        id: area
        objectName: arrow.objectName + "Area"
        anchors.fill: parent
        hoverEnabled: true
        onEntered: appmessenger.changeCursor(Qt.PointingHandCursor)
        onExited: appmessenger.changeCursor(Qt.ArrowCursor)
        onPressed: arrow.turn()
    }
}
