#pragma once
// Records every message the core shows while it lives, instead of printing it;
// the previous sink comes back when it goes out of scope.

#include "common/MessageSink.h"

#include <string>
#include <utility>
#include <vector>

class MessageCapture {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };

    MessageCapture()
        : m_previous(SetMessageSink([this](MessageKind kind, const std::string &text) {
              m_messages.push_back({kind, text});
          }))
    {
    }
    ~MessageCapture() { SetMessageSink(std::move(m_previous)); }
    MessageCapture(const MessageCapture &) = delete;
    MessageCapture &operator=(const MessageCapture &) = delete;

    const std::vector<Message> &messages() const { return m_messages; }

private:
    std::vector<Message> m_messages;
    MessageSink m_previous;
};
