import QtQuick 2.3
import "."

// One ring spreading out: it grows, its border thickens, it fades away.
ParallelAnimation {
    property Item wave
    property real toDiameter
    property int span: 1500

    NumberAnimation { target: wave; property: "width"; to: toDiameter; duration: span }
    NumberAnimation { target: wave; property: "border.width"; to: 3 * wave.startBorder; duration: span }
    NumberAnimation { target: wave; property: "opacity"; from: wave.startOpacity; to: 0; duration: span }
}
