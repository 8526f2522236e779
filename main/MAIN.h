#pragma once
// The main window: the frame around the document windows and the owner of the
// program-wide state (settings, board table, unit factor) for the whole run.
// Only Start creates it, and refuses when no settings record can be read.
// Document windows are children of its MDI area and die with it.

#include "common/FileUtils.h"
#include "document/DocumentHost.h"
#include "common/ProgramState.h"
#include "platform/MessageSinkBridge.h"

#include <QImage>
#include <QList>
#include <QMainWindow>

#include <cstddef>
#include <memory>
#include <string>

class Platform;
class QAction;
class QMdiArea;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class TForm16;

class TForm1 : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    // Runs the start-up steps in order: settings (with the backup fallback), board
    // table, unit factor, colours. Null when neither "Setup.Dat" nor "setup.bak"
    // could be read; the error has then been shown through `desktop`. The window
    // is returned unshown. `desktop` must outlive it.
    static std::unique_ptr<TForm1> Start(Platform &desktop, const std::string &programDir = GetProgramDir());
    ~TForm1() override;

    ProgramState &State() override { return m_state; }
    Platform &Desktop() override { return m_desktop; }
    QMenu *ListBox1Popup() override { return m_listBox1Popup; }
    void Obrisielemente1Click() override;
    void RefreshDocuments() override;

    // Clears the board table and reads "Table.T01" again; a missing file leaves it empty.
    void LoadBoardTypes();
    // Grids, control colours and material selectors of every document window.
    void RepaintDocuments();

    TForm16 *NewDocument();
    void FileCloseItemClick();
    void FileExitItemClick();

    // Runs each time the frame becomes the active window.
    void FormActivate();

    void Selektovanitekst1Click();
    void Pozadinaselteksta1Click();
    void Pozadinakontrola1Click();
    void Pozadinaglavnogprozora1Click();

    QMdiArea *ClientArea() const { return m_mdiArea; }
    // The current child when it is a document window, else null.
    TForm16 *ActiveDocument() const;
    // Every document window, in the order they were created.
    QList<TForm16 *> Documents() const;
    // Null until an activation found a wallpaper file.
    const QImage &WallPaper() const { return m_wallPaper; }

    QMenu *File1 = nullptr;
    QAction *FileNewItem = nullptr;
    QAction *FileOpenItem = nullptr;
    QAction *FileCloseItem = nullptr;
    QAction *FileSaveItem = nullptr;
    QAction *FileExitItem = nullptr;

    QWidget *ControlBar1 = nullptr;
    QToolBar *ToolBar3 = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButton13 = nullptr;
    QToolButton *ToolButton14 = nullptr;
    QToolButton *ToolButton15 = nullptr;
    QToolButton *ToolButton1 = nullptr;
    QToolButton *ToolButton10 = nullptr;
    QToolButton *ToolButton2 = nullptr;
    QStatusBar *StatusBar = nullptr;

    QAction *MenuItem1 = nullptr;
    QMenu *PODESAVANJEBOJE1 = nullptr;
    QAction *Selektovanitekst1 = nullptr;
    QAction *Pozadinaselteksta1 = nullptr;
    QAction *Pozadinakontrola1 = nullptr;
    QAction *Pozadinaglavnogprozora1 = nullptr;

protected:
    bool event(QEvent *event) override;
    // Each document's close query runs, topmost first, until one refuses: that
    // keeps the program open.
    void closeEvent(QCloseEvent *event) override;

private:
    TForm1(Platform &desktop, const std::string &programDir, const TSettings &settings);

    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void CreateListBox1Popup();
    // Asks for a new value of the colour at `offset` in the settings; false when cancelled.
    bool ChooseColour(std::size_t offset);
    // The colour around the documents, where no wallpaper covers it.
    void ApplyMainColour();

    MessageSinkBridge m_sinkBridge; // first: the core's messages reach the desktop from the start
    Platform &m_desktop;
    ProgramState m_state;
    QImage m_wallPaper;
    QMdiArea *m_mdiArea = nullptr;
    QMenu *m_listBox1Popup = nullptr;
};
