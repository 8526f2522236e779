#pragma once
// QtGui's fonts and PDF writer need a QGuiApplication; where there is no display
// (the command-line tool) this one runs on Qt's "offscreen" platform. Qt's own
// debug, info and warning messages (such as the start-up note about a missing
// XDG_RUNTIME_DIR when run as root) are dropped while it lives, so they never
// reach the tool's stderr; critical and fatal ones still go through.

#include <QGuiApplication>

#include <functional>
#include <memory>

class OffscreenGuiApplication {
public:
    OffscreenGuiApplication();
    ~OffscreenGuiApplication();
    OffscreenGuiApplication(const OffscreenGuiApplication &) = delete;
    OffscreenGuiApplication &operator=(const OffscreenGuiApplication &) = delete;

private:
    // QGuiApplication keeps referring to argc and argv for its whole life.
    int m_argc = 3;
    char m_program[8] = "mvinput";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char *m_argv[4] = {m_program, m_platformOption, m_platform, nullptr};
    QtMessageHandler m_previousHandler;
    std::unique_ptr<QGuiApplication> m_application;
};

// Runs `print` (a printout into a PDF, returning a result code) where a
// QGuiApplication exists: one made for the call when no application runs yet;
// rcUnexpectedError, nothing run, when a non-GUI Qt application is running.
int WithGuiApplication(const std::function<int()> &print);
