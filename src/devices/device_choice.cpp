#include "device_choice.h"

#include "sound_system.h"

#include <midi/midi_device_rt.h>
#include <midi/port_name.h>

DeviceChoice::DeviceChoice(const QString &storedInput, const QString &storedOutput, QObject *parent)
    : QObject(parent), inputChoice(storedInput), outputChoice(storedOutput)
{
    refresh();
}

void DeviceChoice::attach(SoundSystem *soundSystem)
{
    sound = soundSystem;
    if (sound) {
        sound->SetInputChoice(inputChoice);
        sound->SetOutputChoice(outputChoice);
    }
    refresh();
}

QString DeviceChoice::shown(const QString &name)
{
    if (name.isEmpty())
        return tr("(unnamed port)");
    QString safe;
    safe.reserve(qMin(name.size(), kMaxShownLength + 1));
    for (int at = 0; at < name.size(); ++at) {
        if (safe.size() == kMaxShownLength) {
            if (safe.at(safe.size() - 1).isHighSurrogate())
                safe.chop(1); // never half a character
            safe += QChar(0x2026);
            break;
        }
        // A byte of a name that is not UTF-8 is shown as a replacement character.
        const QChar c = name.at(at);
        const bool unshowable = c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                                Core::IsStrayByteAt(name, at);
        safe += unshowable ? QChar(0xFFFD) : c;
    }
    return safe;
}

void DeviceChoice::refresh()
{
    inputNames = QStringList(QString());
    inputChoosable = {true};
    inputShown = QStringList(tr("All MIDI keyboards"));
    outputNames = QStringList(QString());
    outputShown.clear();
    inputAt = outputAt = 0;

    const bool builtIn = sound && sound->Controller()->HasBuiltInOutput();
    outputShown << (builtIn || !sound ? tr("Built-in synthesizer") : tr("First MIDI output"));
    if (!sound) {
        line = tr("No MIDI found");
        emit changed();
        return;
    }

    Core::SoundController &controller = *sound->Controller();
    for (int i = 0; i < controller.GetInDeviceCount(); ++i) {
        const QString name = controller.GetInDevice(i)->GetName();
        inputNames << name;
        inputChoosable << true;
        inputShown << shown(name);
    }
    for (const QString &name : sound->UnopenedInputs()) {
        inputNames << name;
        inputChoosable << false;
        inputShown << tr("%1 (cannot open)").arg(shown(name));
    }
    const QString input = sound->InputChoice();
    if (sound->InputChoiceMissing()) {
        inputNames << input;
        inputChoosable << true;
        inputShown << tr("%1 (not connected)").arg(shown(input));
    }
    inputAt = input.isEmpty() ? 0 : qMax(0, inputNames.lastIndexOf(input));

    for (const QString &name : sound->OutputPortNames()) {
        outputNames << name;
        outputShown << shown(name);
    }
    const QString output = sound->OutputChoice();
    if (sound->OutputChoiceMissing()) {
        outputNames << output;
        outputShown << tr("%1 (not connected)").arg(shown(output));
    }
    outputAt = output.isEmpty() ? 0 : qMax(0, outputNames.lastIndexOf(output));

    const QString answering = sound->AnsweringInputName();
    if (sound->InputChoiceMissing())
        line = tr("%1 (not connected)").arg(shown(input));
    else if (!answering.isEmpty())
        line = tr("Using the %1 keyboard device").arg(shown(answering));
    else if (!lastKeyboard.isEmpty())
        line = tr("%1 (not connected)").arg(shown(lastKeyboard));
    else
        line = tr("No MIDI found");
    if (!answering.isEmpty())
        lastKeyboard = answering;
    emit changed();
}

void DeviceChoice::chooseInput(int index)
{
    if (index < 0 || index >= inputNames.size() || !inputChoosable.at(index) || !sound) {
        emit changed(); // the box goes back to the current entry
        return;
    }
    inputChoice = inputNames.at(index);
    applyChoice();
}

void DeviceChoice::chooseOutput(int index)
{
    if (index < 0 || index >= outputNames.size() || !sound) {
        emit changed();
        return;
    }
    outputChoice = outputNames.at(index);
    applyChoice();
}

void DeviceChoice::applyChoice()
{
    emit chosen(inputChoice, outputChoice);
    sound->SetInputChoice(inputChoice);
    sound->SetOutputChoice(outputChoice);
    sound->ConnectMidiDevices();
    refresh();
}
