#include "answer.h"

QString Answer::originName() const
{
    switch (source) {
    case Source::ScreenKeyboard:
        return QStringLiteral("screen keyboard");
    case Source::ComputerKeyboard:
        return QStringLiteral("computer keyboard");
    case Source::MidiDevice:
        break;
    }
    return port.isEmpty() ? QStringLiteral("MIDI") : port;
}
