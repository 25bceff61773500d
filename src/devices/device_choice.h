#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class SoundSystem;

// The device box's side of the MIDI set-up: the lists of inputs and outputs
// as the box shows them, the choice in each, and the device line. Choices are
// kept by port name: the owner of the store hears of each choice through
// chosen() and writes it before it takes effect. Lists follow hot-plug: refresh() is called after every
// rescan and whenever another keyboard answers.
class DeviceChoice : public QObject {
    Q_OBJECT
    Q_PROPERTY(QStringList inputEntries READ inputEntries NOTIFY changed)
    Q_PROPERTY(int inputIndex READ inputIndex NOTIFY changed)
    Q_PROPERTY(QStringList outputEntries READ outputEntries NOTIFY changed)
    Q_PROPERTY(int outputIndex READ outputIndex NOTIFY changed)
    Q_PROPERTY(QString deviceLine READ deviceLine NOTIFY changed)
public:
    // Names longer than this are cut in the lists (the tooltip has them whole).
    static constexpr int kMaxShownLength = 120;

    // The choices as stored (empty: all keyboards, the first output).
    DeviceChoice(const QString &storedInput, const QString &storedOutput, QObject *parent = nullptr);

    // Takes the stored choices to the sound system; null detaches.
    void attach(SoundSystem *sound);

    QStringList inputEntries() const { return inputShown; }
    int inputIndex() const { return inputAt; }
    QStringList outputEntries() const { return outputShown; }
    int outputIndex() const { return outputAt; }
    QString deviceLine() const { return line; }

    // A port name made safe to show: control characters replaced, an empty
    // name named, a very long one cut.
    static QString shown(const QString &name);

public slots:
    // Chooses entry `index` of a list, stores it and listens or plays there.
    void chooseInput(int index);
    void chooseOutput(int index);
    // Rebuilds the lists and the line from the sound system.
    void refresh();

signals:
    void changed();
    // A choice was made; emitted before the sound system follows it.
    void chosen(const QString &input, const QString &output);

private:
    void applyChoice();

    QString inputChoice, outputChoice;
    SoundSystem *sound = nullptr;
    // Parallel to the shown entries: the port name behind each entry (empty
    // for "all" / built-in), and whether it can be chosen.
    QStringList inputNames, outputNames;
    QList<bool> inputChoosable;
    QStringList inputShown, outputShown;
    int inputAt = 0;
    int outputAt = 0;
    QString line;
    QString lastKeyboard;
};
