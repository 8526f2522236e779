#pragma once
// The main window: the frame around the document windows, with the menus, tool
// bars and status bar, and the handlers that forward each command. Only Start
// creates it, and refuses when no settings record can be read. The program
// state and the desktop it is given must outlive it; document windows are
// children of its MDI area and die with it.

#include "common/FileUtils.h"
#include "main/CommandContext.h"
#include "platform/MessageSinkBridge.h"

#include <QImage>
#include <QList>
#include <QMainWindow>

#include <memory>
#include <string>

class Autosave;
class DocumentManager;
class Platform;
class QAction;
class QMdiArea;
class QMenu;
class NoticeLine;
class QStatusBar;
class QToolBar;
class QToolButton;
class TForm16;
struct ColourCommand;
struct ProgramState;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up steps in order: settings (with the backup fallback), board
    // table, unit factor, colours. Null when neither "Setup.Dat" nor "setup.bak"
    // could be read; the error has then been shown through `desktop`. The window
    // is returned unshown. `programDir` is the executable's folder; the files are
    // read, and the data kept, where LocateProgramPlaces says.
    static std::unique_ptr<TForm1> Start(Platform &desktop, ProgramState &state,
                                         const std::string &programDir = GetProgramDir());

    ProgramState &State() const { return m_context.state; }
    QMenu *ListBox1Popup() const { return m_listBox1Popup; }
    // The active document window, or null.
    TForm16 *ActiveDocument() const;
    // Every document window, in the order they were created.
    QList<TForm16 *> Documents() const;
    // Null until an activation found a wallpaper file.
    const QImage &WallPaper() const { return m_wallPaper; }

    void LoadBoardTypes();
    void RefreshDocuments();
    void RepaintDocuments();

    TForm16 *NewDocument();
    void OpenDatabase(const QString &fileName, bool AskNewWindow);
    // Database files named when the program starts, each in a window of its own.
    void OpenFiles(const QStringList &fileNames);
    void SaveDatabase();
    void FileExportItemClick();
    void FileCloseItemClick();
    void FileExitItemClick();
    void Obrisielemente1Click();
    void IzmenaPodataka1Click();
    void ToolButton10Click();
    void ToolButton1Click();
    // The active document's unit switch, as a double click on its unit label.
    void ElementsUnitItemClick();
    void Pomnozispisakelemenatasa1Click();
    void Pomnoziselektovaneelementesa1Click();
    void Spajanjeistihelemenata1Click();
    void Stampanjespiskaelemenata1Click();
    void Stampanjenalepnica1Click();
    void Plansecenja1Click();
    void ToolButton2Click();
    void Sortiranjespiskapoduzini1Click();
    void Postavinasveelemente1Click();
    void Uklonisasvihelemenata1Click();
    void Kontratexturanasvimelementima1Click();
    void ColourCommandClick(const ColourCommand &command);

    // Runs each time the frame becomes the active window.
    void FormActivate();

    QMenu *File1 = nullptr;
    QAction *FileNewItem = nullptr;
    QAction *FileOpenItem = nullptr;
    QAction *FileCloseItem = nullptr;
    QAction *FileSaveItem = nullptr;
    QAction *FileExportItem = nullptr;
    QAction *FileExitItem = nullptr;

    QMenu *Edit1 = nullptr;
    QAction *EditUndoItem = nullptr;
    QAction *EditRedoItem = nullptr;

    QMenu *Elements1 = nullptr;
    QAction *ElementsNewItem = nullptr;
    QAction *ElementsPlanItem = nullptr;
    QAction *ElementsUnitItem = nullptr;

    QMenu *Window1 = nullptr;
    QAction *WindowCascadeItem = nullptr;
    QAction *WindowTileItem = nullptr;
    QAction *WindowNextItem = nullptr;
    QAction *WindowPreviousItem = nullptr;

    QMenu *Help1 = nullptr;
    QAction *HelpAboutItem = nullptr;

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
    QAction *MenuItem2 = nullptr;
    QAction *Pomnozispisakelemenatasa1 = nullptr;
    QAction *Pomnoziselektovaneelementesa1 = nullptr;
    QAction *Postaviprioritet1 = nullptr;
    QAction *Spajanjeistihelemenata1 = nullptr;
    QAction *Stampanjespiskaelemenata1 = nullptr;
    QAction *Stampanjenalepnica1 = nullptr;
    QAction *Plansecenja1 = nullptr;
    QAction *Sortiranjespiskapoduzini1 = nullptr;
    QMenu *EXTURA1 = nullptr;
    QAction *Postavinasveelemente1 = nullptr;
    QAction *Uklonisasvihelemenata1 = nullptr;
    QAction *Kontratexturanasvimelementima1 = nullptr;
    QMenu *PODESAVANJEBOJE1 = nullptr;
    QAction *Selektovanitekst1 = nullptr;
    QAction *Pozadinaselteksta1 = nullptr;
    QAction *Pozadinakontrola1 = nullptr;
    QAction *Pozadinaglavnogprozora1 = nullptr;

protected:
    bool event(QEvent *event) override;
    // Files dropped on the frame open as Open opens them.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // The first show offers the recovery copies of an earlier run, once the window is up.
    void showEvent(QShowEvent *event) override;
    // The program stays open when a document refuses to close.
    void closeEvent(QCloseEvent *event) override;

private:
    TForm1(Platform &desktop, ProgramState &state);

    void CreateCommands();
    void CreateStatusBar();
    void ConnectDocument(TForm16 *document);
    // The colour around the documents, where no wallpaper covers it.
    void ApplyMainColour();

    MessageSinkBridge m_sinkBridge; // the core's messages reach the desktop while the frame lives
    QMdiArea *m_mdiArea = nullptr;
    QMenu *m_listBox1Popup = nullptr;
    DocumentManager *m_documents = nullptr;
    CommandContext m_context;
    Autosave *m_autosave = nullptr;
    NoticeLine *m_noticeLine = nullptr;
    bool m_recoveryOffered = false;
    QImage m_wallPaper;
};
