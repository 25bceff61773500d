#pragma once

#include <cstddef>
#include <cstdint>

namespace Core {

// One MIDI message of at most three bytes, packed into four bytes.
// Longer messages (system exclusive) keep their first three bytes only.
#pragma pack(push, 1)
struct MidiMessage {
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
    std::uint8_t length = 0;

    static constexpr std::size_t kMaxBytes = 3;

    MidiMessage() = default;

    MidiMessage(const std::uint8_t *bytes, std::size_t count)
        : status(count > 0 ? bytes[0] : 0),
          data1(count > 1 ? bytes[1] : 0),
          data2(count > 2 ? bytes[2] : 0),
          length(static_cast<std::uint8_t>(count))
    {
    }

    MidiMessage(std::uint8_t type, std::uint8_t channel, std::uint8_t d1, std::uint8_t d2)
        : status(static_cast<std::uint8_t>(type | channel)), data1(d1), data2(d2), length(3)
    {
    }

    int GetChannel() const { return status & 0x0F; }
    int GetType() const { return status & 0xF0; }
    // The low eight bits of the count as received; may exceed what the record holds.
    int GetLength() const { return length; }
    // Bytes actually held, never more than three.
    std::size_t StoredLength() const { return length < kMaxBytes ? length : kMaxBytes; }
    std::uint8_t GetData1() const { return data1; }
    std::uint8_t GetData2() const { return data2; }
    void SetData2(std::uint8_t value) { data2 = value; }

    std::uint8_t GetPressure() const
    {
        if (GetType() == 0xA0)
            return data2;
        if (GetType() == 0xD0)
            return data1;
        return 0;
    }
    bool IsPolyPressure() const { return GetType() == 0xA0; }
    // Data bytes are seven bits: a byte with the top bit set is a status byte,
    // so a record holding one in its place is not a note-on, whatever sent it.
    bool IsNoteOn() const { return GetType() == 0x90 && data1 < 0x80 && data2 > 0 && data2 < 0x80; }
    bool HasNoteOnStatus() const { return GetType() == 0x90; }
    bool IsNoteOff() const { return GetType() == 0x80; }
};
#pragma pack(pop)

static_assert(sizeof(MidiMessage) == 4, "a MIDI message is four packed bytes");

// A message with its position: whole ticks and seconds.
struct alignas(8) MidiEvent {
    MidiMessage message;
    std::int32_t tick = 0;
    double time = 0.0;

    MidiEvent() = default;
    MidiEvent(const MidiMessage &m, std::int32_t t, double seconds) : message(m), tick(t), time(seconds) {}

    const MidiMessage &GetMessage() const { return message; }
    MidiMessage &GetMessage() { return message; }
    std::int32_t GetTick() const { return tick; }
    double GetTime() const { return time; }
};

static_assert(sizeof(MidiEvent) == 16, "a MIDI event is sixteen bytes");

} // namespace Core
