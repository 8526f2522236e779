#pragma once
// A program directory in a temporary folder, the scripted desktop, the program
// state, and the main window started from that directory. The window goes
// first, so every box it shows on the way out is still answered.

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "main/MAIN.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

class QMdiArea;
class QString;
class TForm16;
class QWidget;

#include <QKeyCombination>

// A settings record with the fields the main window reads set to plain values.
TSettings TestSettings();
std::string Bytes(const TSettings &settings);
// Runs `user` on the modal dialog as soon as it is open and has the focus.
void WhenTheDialogShows(std::function<void(QWidget &)> user);
// Types into the focused field and presses Enter.
void TypeAndEnter(const QString &text);
// A key as the desktop delivers it: to the window that has the keyboard.
void PressKey(QKeyCombination key);
// Tab (or Shift+Tab) until `target` has the focus; fails the test when it never comes.
void TabTo(QWidget *target, bool backwards = false);
// Runs `user` in the modal window or pop-up menu that `open` shows, once it has the keyboard.
void InModalWindow(const std::function<void()> &open, const std::function<void()> &user);
// Right-clicks the document's grid and clicks the items of `path` in the menu
// that opens, down through its submenus.
void ChooseFromGridMenu(TForm16 &document, const QStringList &path);

class MainWindowTest : public ::testing::Test {
protected:
    void WriteSettings(const TSettings &settings) { WriteAll(dir.file(kSettingsFileName), Bytes(settings)); }
    // Starts the window from `dir`; fails the test when the start is refused.
    TForm1 &StartWindow();
    // Starts, shows and activates the window.
    TForm1 &ShowWindow();
    std::string Path(const std::string &name) const { return dir.file(name); }
    // The frame's MDI area, around the document windows.
    QMdiArea *ClientArea() const;
    // What the status bar's notice line says.
    QString Notice() const;
    // As the window manager does once a box or menu over the frame closed.
    void GiveTheFrameTheKeyboard();

    TempDir dir;
    ScriptedPlatform desktop;
    ProgramState state;
    std::unique_ptr<TForm1> window;
};

// A shown window with the test settings; closing its last document must not end
// the event loops later steps wait in.
class ShownWindowTest : public MainWindowTest {
protected:
    void SetUp() override;
    void TearDown() override;
};
