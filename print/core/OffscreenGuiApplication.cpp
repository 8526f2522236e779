#include "print/core/OffscreenGuiApplication.h"

#include "common/ResultCodes.h"

#include <optional>

namespace {

QtMessageHandler g_passOn = nullptr;

void DropQtChatter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_passOn)
        g_passOn(type, context, message);
}

} // namespace

OffscreenGuiApplication::OffscreenGuiApplication()
    : m_previousHandler(qInstallMessageHandler(DropQtChatter))
{
    g_passOn = m_previousHandler;
    m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

OffscreenGuiApplication::~OffscreenGuiApplication()
{
    m_application.reset();
    qInstallMessageHandler(m_previousHandler);
    g_passOn = nullptr;
}

int WithGuiApplication(const std::function<int()> &print)
{
    std::optional<OffscreenGuiApplication> gui;
    if (!QCoreApplication::instance())
        gui.emplace();
    else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return rcUnexpectedError;
    return print();
}
