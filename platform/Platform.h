#pragma once
// Everything the windows take from the desktop: message boxes, the input box,
// file and colour dialogs, and letting pending events run. The program uses the
// Qt implementation; tests answer from a script.

#include "print/core/LabelLayout.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class Platform {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, Cancel, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No, Closed };

    struct FileDialog {
        QString title;
        QStringList filters;        // "Morvena elements (*.tab)" style, one per entry
        int selectedFilter = 0;
        QString initialDirectory;
        QString defaultSuffix;      // without the dot; empty for none
    };
    struct FileChoice {
        QString fileName;           // empty when cancelled
        int filterIndex = 0;
        bool accepted() const { return !fileName.isEmpty(); }
    };

    virtual ~Platform() = default;

    // A modal box; Enter presses `defaultButton` (the first of the set when not
    // given). Escape and the close box answer Closed, never one of the buttons.
    Answer MessageBox(Icon icon, Buttons buttons, const QString &text) {
        return ShowMessageBox(icon, buttons, text, FirstButton(buttons));
    }
    Answer MessageBox(Icon icon, Buttons buttons, const QString &text, Answer defaultButton) {
        return ShowMessageBox(icon, buttons, text, defaultButton);
    }
    // What was typed; nothing when the box was cancelled or closed.
    virtual std::optional<QString> InputBox(const QString &title, const QString &prompt, const QString &text) = 0;
    virtual FileChoice OpenDialog(const FileDialog &dialog) = 0;
    // Never asks about replacing an existing file: the caller does.
    virtual FileChoice SaveDialog(const FileDialog &dialog) = 0;
    // Opens fully, custom colours shown; nothing when cancelled.
    virtual std::optional<QColor> ColourDialog(const QColor &initial) = 0;
    // Lets pending events run, but no user input: a long command can be
    // neither changed nor started again midway.
    virtual void ProcessEvents() = 0;
    // The label stock, the first position and printer or PDF; nothing when cancelled.
    virtual std::optional<LabelJobOptions> LabelOptionsDialog(bool printerInstalled) = 0;
    // Opens a file (a PDF written instead of printing) in the desktop's viewer.
    virtual void OpenWithDesktop(const QString &fileName) = 0;
    // The desktop's warning sound, for a refusal that needs no words.
    virtual void Beep() = 0;

    static Answer FirstButton(Buttons buttons);

protected:
    virtual Answer ShowMessageBox(Icon icon, Buttons buttons, const QString &text, Answer defaultButton) = 0;
};

inline Platform::Answer Platform::FirstButton(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::Cancel: return Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    }
    return Answer::Ok;
}
