#pragma once
// The desktop's own boxes and dialogs behind the Platform interface. Every box is
// modal and parented to the active window; nothing here keeps state between calls.
// The label options dialog is one of the program's dialogs, above this layer:
// DesktopPlatform in dialogs/ completes this class with it.

#include "platform/Platform.h"

class QtPlatform : public Platform {
public:
    std::optional<QString> InputBox(const QString &title, const QString &prompt, const QString &text) override;
    FileChoice OpenDialog(const FileDialog &dialog) override;
    FileChoice SaveDialog(const FileDialog &dialog) override;
    std::optional<QColor> ColourDialog(const QColor &initial) override;
    void ProcessEvents() override;
    void OpenWithDesktop(const QString &fileName) override;
    void Beep() override;

protected:
    Answer ShowMessageBox(Icon icon, Buttons buttons, const QString &text, Answer defaultButton) override;
};
