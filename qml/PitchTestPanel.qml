import QtQuick 2.3
import "."

// The pitch test over the window's middle: the keyboard below stays free
// for answers. Shows the page the test is on; Escape leaves at any time
// (a test under way can be taken up again).
Rectangle {
    id: panel
    objectName: "pitchTestPanel"
    color: Theme.dark
    visible: test !== null && test.isOpen

    // The test's binding (a TestController); null where there is none.
    property var test: null
    readonly property string page: test ? test.page : "closed"

    function focusChain() {
        if (page === "intro")
            return intro.focusChain()
        if (page === "rest")
            return rest.focusChain()
        if (page === "report")
            return report.focusChain()
        return []
    }
    function close() { test.leave() }

    onVisibleChanged: if (visible) forceActiveFocus()
    onPageChanged: if (visible) forceActiveFocus()

    // Clicks on the panel stay in it.
    MouseArea { anchors.fill: parent }

    Accessible.role: Accessible.Dialog
    Accessible.name: qsTr("Pitch test")

    PitchTestIntro {
        id: intro
        anchors.fill: parent
        visible: panel.page === "intro"
        test: panel.test
    }
    PitchTestTrial {
        anchors.fill: parent
        visible: panel.page === "practice" || panel.page === "block"
        test: panel.test
        practice: panel.page === "practice"
    }
    PitchTestRest {
        id: rest
        anchors.fill: parent
        visible: panel.page === "rest"
        test: panel.test
    }
    PitchTestReport {
        id: report
        anchors.fill: parent
        visible: panel.page === "report"
        test: panel.test
    }

    // Escape leaves; Enter starts from the first page ("Start" is its
    // default button) and goes on from the rest; Tab moves along the page's
    // buttons. Nothing else reaches the training below.
    Keys.onPressed: {
        if (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab)
            return
        event.accepted = true
        if (event.key === Qt.Key_Escape)
            test.leave()
        else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
            if (intro.visible)
                intro.startOrResume()
            else if (rest.visible)
                test.skipRest()
        }
    }
}
