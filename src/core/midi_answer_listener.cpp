#include "midi_answer_listener.h"

namespace Core {

MidiAnswerListener::MidiAnswerListener(AnswerRule rule, const std::shared_ptr<MidiInDevice> &inputDevice)
    : answerRule(std::move(rule)), device(inputDevice)
{
    if (inputDevice)
        inputDevice->AddObserver(this);
}

MidiAnswerListener::~MidiAnswerListener()
{
    // Removal waits for a delivery in progress on another thread, so none
    // can run into the destroyed listener.
    if (auto current = device.lock())
        current->RemoveObserver(this);
}

void MidiAnswerListener::SetDevice(const std::shared_ptr<MidiInDevice> &inputDevice)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (auto old = device.lock())
        old->RemoveObserver(this);
    device = inputDevice;
    if (inputDevice)
        inputDevice->AddObserver(this);
}

std::shared_ptr<MidiInDevice> MidiAnswerListener::GetDevice() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return device.lock();
}

void MidiAnswerListener::OnMidiEvent(const MidiEvent &event)
{
    answerRule(event);
}

} // namespace Core
