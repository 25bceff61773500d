import QtQuick 2.3
import "."
import QtQuick.Window 2.2

// Keyboard use of the main window. The focus moves along a fixed chain (the
// open overlay's own chain while one is open); Escape closes overlays and
// never the program; Space, Enter or R with no control focused plays the
// start button's part (begin, replay, next round).
QtObject {
    id: control
    property Item returnFocusTo: null
    // The window's overlays, the topmost first.
    property var overlayItems: []

    // Reading order: the header left to right, the level strip, the centre,
    // the footer.
    function mainChain() {
        return [header.colorSwitch, header.pitchTestButton, header.statisticsButton, header.settingsButton, header.helpButton,
                header.hideButton, header.closeButton, levelArea.strip, speakerBand.speaker, startButton,
                footer.deviceBox, footer.outputBox]
    }

    // The open overlays, the topmost first.
    function overlays() {
        return overlayItems.filter(function(overlay) { return overlay && overlay.visible })
    }

    function chain() {
        var open = overlays()
        var items = open.length > 0 ? open[0].focusChain() : mainChain()
        return items.filter(function(item) { return item && item.visible && item.enabled })
    }

    // From no focused control both directions start at the start button (or
    // the chain's head in an overlay), so close and minimise never get the
    // first focus.
    function moveFocus(forward) {
        var items = chain()
        if (items.length === 0)
            return
        var current = -1
        for (var i = 0; i < items.length; ++i)
            if (items[i].activeFocus)
                current = i
        var first = Math.max(0, items.indexOf(startButton))
        var next = current < 0 ? first : (current + (forward ? 1 : items.length - 1)) % items.length
        items[next].forceActiveFocus(forward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
    }

    function closeTopOverlay() {
        var open = overlays()
        if (open.length > 0)
            open[0].close()
        else
            root.forceActiveFocus()  // leaves the focused control
    }

    function overlayShown(overlay, shown) {
        if (shown) {
            var focused = root.Window.activeFocusItem
            if (focused !== overlay && !(focused && overlay.contains(focused.mapToItem(overlay, 0, 0))))
                returnFocusTo = focused
            overlay.forceActiveFocus()
        } else if (overlays().length === 0) {
            // (root.overlayOpen may not have caught up inside this change)
            if (returnFocusTo && returnFocusTo.visible && returnFocusTo.enabled)
                returnFocusTo.forceActiveFocus()
            else
                root.forceActiveFocus()
            returnFocusTo = null
        }
    }

    function handle(event) {
        var key = event.key
        if (key === Qt.Key_Tab || key === Qt.Key_Backtab) {
            moveFocus(key === Qt.Key_Tab && !(event.modifiers & Qt.ShiftModifier))
        } else if (key === Qt.Key_Escape) {
            closeTopOverlay()
        } else if (root.overlayOpen) {
            // modal: nothing reaches the window below
        } else if ((key === Qt.Key_Space || key === Qt.Key_R || key === Qt.Key_Return || key === Qt.Key_Enter)
                   && !(event.modifiers & (Qt.ControlModifier | Qt.AltModifier))) {
            if (!event.isAutoRepeat && startButton.enabled)
                startButton.clicked()
        } else {
            return
        }
        event.accepted = true
    }
}
