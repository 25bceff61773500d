import QtQuick 2.3
import "."

// The report at the end of a pitch test: the figures per timbre and
// overall, the absolute pitch line, the score among the reference means,
// the pitch classes and the confusions; printable to PDF.
Item {
    id: page
    property var test: null
    readonly property var report: test ? test.report : ({})

    function focusChain() { return [pdfButton, closeButton] }

    Flickable {
        anchors { fill: parent; margins: Theme.margin }
        contentHeight: content.height
        clip: true

        Column {
            id: content
            width: parent.width
            spacing: Theme.gap

            Text {
                objectName: "pitchTestReportTitle"
                text: qsTr("Pitch test — %1").arg(page.report.finished || "")
                color: Theme.brightText
                font { pixelSize: Theme.titleSize; bold: true; family: Theme.fontFamily }
            }

            Grid {
                objectName: "pitchTestReportTable"
                columns: 4
                columnSpacing: 24
                rowSpacing: 4
                Repeater {
                    model: ["", qsTr("Piano"), qsTr("Pure tone"), qsTr("Overall")]
                    Text {
                        text: modelData
                        color: Theme.brightText
                        font { pixelSize: Theme.textSize; bold: true; family: Theme.fontFamily }
                    }
                }
                Repeater {
                    model: page.report.rows || []
                    delegate: Repeater {
                        model: [modelData.label, modelData.piano, modelData.pureTone, modelData.overall]
                        Text {
                            text: modelData
                            color: Theme.lightText
                            font { pixelSize: Theme.textSize; family: Theme.fontFamily }
                        }
                    }
                }
            }

            Text {
                objectName: "pitchTestApLine"
                text: page.report.apLine || ""
                color: page.report.apReached ? Theme.accent : Theme.brightText
                font { pixelSize: Theme.largeSize; bold: true; family: Theme.fontFamily }
            }

            Text {
                objectName: "pitchTestOverall"
                text: qsTr("Pitch class right, all tones: %1 %").arg((page.report.overallPercent || 0).toFixed(1))
                color: Theme.brightText
                font { pixelSize: Theme.textSize; family: Theme.fontFamily }
            }
            ReferenceBar {
                width: Math.min(content.width, 700)
                percent: page.report.overallPercent || 0
                marks: [{ percent: page.report.chancePercent || 8.3, name: qsTr("chance") },
                        { percent: page.report.nonPossessorPercent || 17.0, name: qsTr("non-possessors") },
                        { percent: page.report.possessorPercent || 85.9, name: qsTr("possessors") }]
            }

            Text {
                text: qsTr("Right per pitch class")
                color: Theme.brightText
                font { pixelSize: Theme.textSize; bold: true; family: Theme.fontFamily }
            }
            Row {
                spacing: 4
                Repeater {
                    model: page.report.classes || []
                    Column {
                        width: 52
                        Text {
                            width: parent.width
                            horizontalAlignment: Text.AlignHCenter
                            text: modelData.name
                            color: Theme.lightText
                            font { pixelSize: Theme.smallSize; family: Theme.fontFamily }
                        }
                        Text {
                            width: parent.width
                            horizontalAlignment: Text.AlignHCenter
                            text: modelData.right + "/" + modelData.trials
                            color: Theme.brightText
                            font { pixelSize: Theme.smallSize; family: Theme.fontFamily }
                        }
                    }
                }
            }

            Text {
                text: qsTr("Confusions (rows: note played, columns: key answered)")
                color: Theme.brightText
                font { pixelSize: Theme.textSize; bold: true; family: Theme.fontFamily }
            }
            Grid {
                objectName: "pitchTestConfusion"
                columns: 13
                Repeater {
                    model: 13 * 13
                    Rectangle {
                        readonly property int row: Math.floor(index / 13) - 1
                        readonly property int column: index % 13 - 1
                        readonly property var counts: page.report.confusion || []
                        readonly property int count: row >= 0 && column >= 0 && counts.length > row
                                                     ? counts[row][column] : 0
                        readonly property var names: typeof noteNamer !== "undefined" ? noteNamer.pitchClasses
                            : ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
                        width: 34; height: 20
                        color: row >= 0 && row === column ? Theme.accentDeep : "transparent"
                        border { width: row >= 0 && column >= 0 ? 1 : 0; color: Theme.choice }
                        Text {
                            anchors.centerIn: parent
                            text: row < 0 && column >= 0 ? parent.names[column]
                                : column < 0 && row >= 0 ? parent.names[row]
                                : row >= 0 && column >= 0 && parent.count > 0 ? parent.count : ""
                            color: Theme.lightText
                            font { pixelSize: Theme.smallSize; family: Theme.fontFamily }
                        }
                    }
                }
            }

            Row {
                spacing: Theme.gap
                DialogButton {
                    id: pdfButton
                    objectName: "pitchTestPdf"
                    label: qsTr("Save as PDF")
                    onActivated: page.test.printPdf("")
                }
                DialogButton {
                    id: closeButton
                    objectName: "pitchTestClose"
                    primary: true
                    label: qsTr("Back to training")
                    onActivated: page.test.leave()
                }
            }
            Text {
                objectName: "pitchTestPdfMessage"
                text: page.test ? page.test.pdfMessage : ""
                color: Theme.lightText
                font { pixelSize: Theme.textSize; family: Theme.fontFamily }
            }
        }
    }
}
