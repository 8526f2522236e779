#include "platform/MessageSinkBridge.h"

#include "platform/Platform.h"

#include <QString>

#include <utility>

MessageSinkBridge::MessageSinkBridge(Platform &desktop)
    : m_previous(SetMessageSink([&desktop](MessageKind kind, const std::string &text) {
          const Platform::Icon icon = kind == MessageKind::Error ? Platform::Icon::Error : Platform::Icon::None;
          desktop.MessageBox(icon, Platform::Buttons::Ok, QString::fromStdString(text));
      }))
{
}

MessageSinkBridge::~MessageSinkBridge()
{
    SetMessageSink(std::move(m_previous));
}
