.pragma library

// The share of right answers as a colour: red for none, through yellow, to
// green for all; grey where nothing was asked.
var neverAsked = "#9aa5ad"

function forShare(share) {
    if (share === undefined || share < 0)
        return neverAsked
    return Qt.hsla(0.33 * Math.max(0, Math.min(1, share)), 0.75, 0.45, 1)
}

function percent(share) {
    return share < 0 ? "–" : Math.round(share * 100) + " %"
}
