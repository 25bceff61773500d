#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

#include <cstdint>

// One answer with its origin, made where it is given (on the MIDI input
// thread or the GUI thread) and handed on whole, by value, to the scoring
// and the history.
struct Answer {
    Q_GADGET
public:
    enum class Source { ScreenKeyboard, ComputerKeyboard, MidiDevice };
    Q_ENUM(Source)

    unsigned note = 0; // MIDI note number
    Source source = Source::MidiDevice;
    QString port;                        // the MIDI input port; empty for the screen and the computer keys
    std::int64_t arrivedMs = -1;         // when it came, on the monotonic clock (Core::Timer::NowMs)
    std::int64_t questionAudibleMs = -1; // when the question it answers began to sound; -1 unknown

    // How the history names the origin: the keys used, or the port.
    QString originName() const;
    // From the question's start to the answer; -1 when either is unknown.
    std::int64_t reactionMs() const
    {
        return questionAudibleMs >= 0 && arrivedMs >= questionAudibleMs ? arrivedMs - questionAudibleMs : -1;
    }
};

Q_DECLARE_METATYPE(Answer)
