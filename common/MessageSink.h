#pragma once
// Where the core's few messages go. The default writes to standard error;
// the GUI installs a sink that shows a modal message box.

#include <functional>
#include <string>

enum class MessageKind {
    Error, // ShowError: a box with one OK button
    Plain, // a plain box with one OK button and no icon
};

// Texts are UTF-8; a line break is "\n".
using MessageSink = std::function<void(MessageKind kind, const std::string &text)>;

// Installs sink and returns the previous one; an empty sink restores the default.
MessageSink SetMessageSink(MessageSink sink);
void ShowMessage(MessageKind kind, const std::string &text);
