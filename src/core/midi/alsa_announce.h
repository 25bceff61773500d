#pragma once

#include <alsa/asoundlib.h>

namespace Core {

// Whether an event from the sequencer's announce port means that the list of
// ports changed. Client events do not count: every enumeration of the ports
// starts and ends a client of the program's own, and a client that goes
// takes its ports with it, each announced. The watch's own client
// (ownClient) does not count either.
inline bool IsPortListChange(const snd_seq_event_t &event, int ownClient)
{
    switch (event.type) {
    case SND_SEQ_EVENT_PORT_START:
    case SND_SEQ_EVENT_PORT_EXIT:
    case SND_SEQ_EVENT_PORT_CHANGE:
        return event.data.addr.client != ownClient;
    default:
        return false;
    }
}

} // namespace Core
