#pragma once
// Routes the core's messages (ShowError's error box, the plain overflow box) into
// a Platform for as long as the bridge lives; the previous sink comes back after.
// Bridges nest: destroy them in the reverse order of their creation.

#include "common/MessageSink.h"

class Platform;

class MessageSinkBridge {
public:
    explicit MessageSinkBridge(Platform &desktop);
    ~MessageSinkBridge();
    MessageSinkBridge(const MessageSinkBridge &) = delete;
    MessageSinkBridge &operator=(const MessageSinkBridge &) = delete;

private:
    MessageSink m_previous;
};
