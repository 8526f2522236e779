#include "common/MessageSink.h"

#include <iostream>
#include <utility>

namespace {

void WriteToStandardError(MessageKind, const std::string &text)
{
    std::cerr << text << std::endl;
}

MessageSink &CurrentSink()
{
    static MessageSink sink = WriteToStandardError;
    return sink;
}

} // namespace

MessageSink SetMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(CurrentSink());
    CurrentSink() = sink ? std::move(sink) : MessageSink(WriteToStandardError);
    return previous;
}

void ShowMessage(MessageKind kind, const std::string &text)
{
    CurrentSink()(kind, text);
}
