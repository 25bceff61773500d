pragma Singleton
import QtQuick 2.3

// The one place for the window's look: palette, fonts and sizes, spacing,
// the focus ring and the number of levels. Every component reads it here.
QtObject {
    // ---- palette ----
    readonly property color neutral: "#89a1af"       // the window while no hint colour shows
    readonly property color dark: "#424c53"          // header, footer and every overlay panel
    readonly property color darker: "#263036"        // grid lines, text on light fills
    readonly property color lightText: "#d0efff"     // text on the dark panels
    readonly property color brightText: "#ffffff"
    readonly property color levelBand: "#d4e8f4"
    // Darker than the band's first drawing (#718897), which is hard to read.
    readonly property color bandText: "#4a5d6a"
    readonly property color problemText: "#7a2a1a"
    readonly property color tooltip: "#F5F4B4"
    readonly property color tooltipBorder: "#95A9B3"
    readonly property color tooltipText: "#000000"
    readonly property color accent: "#40b06a"
    // White on it keeps 4.5:1 (the lighter accent gives 2.9:1).
    readonly property color accentDeep: "#2a7d4a"
    readonly property color accentHover: "#236b3f"
    readonly property color choice: "#5b6a74"
    readonly property color chosen: "#2a72a0"  // white on it: 5.2:1
    readonly property color unknownResult: "#8c9aa3"
    readonly property color backdrop: Qt.rgba(0.08, 0.1, 0.12, 0.72)
    // Cell colours of the progress strip (names: list models keep strings).
    readonly property string right: "green"
    readonly property string wrong: "red"
    // The window's colour per note index while the colour hint is on.
    readonly property var hintColors: ["#0010FF", "#FFCC00", "#FF0000", "#009A00",
                                       "#7305E3", "#E17800", "#FF8695", "#00A2FF",
                                       "#FFE26F", "#59E559", "#CF6BF0", "#FFAC62"]

    // ---- fonts and sizes ----
    // Has ♯ and ♭ in both its weights, so note names never fall back.
    readonly property string fontFamily: "DejaVu Sans"
    readonly property int smallSize: 12
    readonly property int textSize: 14
    readonly property int largeSize: 16
    readonly property int headingSize: 18
    readonly property int titleSize: 24

    // ---- spacing ----
    readonly property int margin: 30
    readonly property int gap: 10
    readonly property int panelPadding: 24
    readonly property int radius: 8
    readonly property int buttonHeight: 34

    // ---- focus ring: an accent ring with a dark rim, seen on light, dark and green ----
    readonly property color focusRing: "#40b06a"
    readonly property color focusRim: "#10181c"
    readonly property int focusWidth: 2

    // ---- levels ----
    readonly property int levelCount: 12
    // The level pictures: 2434 pixels wide, the last 263 the trophy.
    readonly property int levelImageWidth: 2434
    readonly property int levelPictureWidth: 263
}
