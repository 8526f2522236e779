#include "main/MAIN.h"

#include "common/BoardType.h"
#include "common/Conversions.h"
#include "common/ResultCodes.h"
#include "document/Unit16.h"
#include "main/ControlBar.h"
#include "main/HintTiming.h"
#include "main/StartupSettings.h"
#include "main/ToolPictures.h"
#include "main/WallPaper.h"
#include "platform/Colours.h"
#include "platform/Hint.h"
#include "platform/Platform.h"

#include <QAction>
#include <QBrush>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdint>
#include <optional>

namespace {

constexpr int kDesignWidth = 529;
constexpr int kDesignHeight = 464;
constexpr int kStatusBarHeight = 34;
constexpr int kToolBar3Left = 11;
constexpr int kToolBar1Left = 174;
const QSize kToolButtonSize(28, 25);
const QSize kToolPictureSize(21, 19);

QAction *AddMenuItem(QMenu *menu, const QString &caption, const QString &hint, const QKeySequence &shortCut = {})
{
    QAction *item = menu->addAction(caption);
    SetHint(item, hint);
    item->setShortcut(shortCut);
    return item;
}

QToolButton *AddToolButton(QToolBar *bar, const QString &name, ToolPicture picture, const QString &hint)
{
    QAction *action = bar->addAction(ToolIcon(picture), ShortHint(hint));
    SetHint(action, hint);
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
    button->setObjectName(name);
    button->setFixedSize(kToolButtonSize);
    return button;
}

QToolBar *CreateToolBar(QWidget *parent, const QString &name)
{
    auto *bar = new QToolBar(name, parent);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setIconSize(kToolPictureSize);
    bar->setContentsMargins(0, 0, 0, 0);
    return bar;
}

// Places a tool bar at its left position, centred in the height of the band.
void PlaceToolBar(QToolBar *bar, int left)
{
    bar->adjustSize();
    bar->move(left, (bar->parentWidget()->height() - bar->height()) / 2);
}

} // namespace

std::unique_ptr<TForm1> TForm1::Start(Platform &desktop, const std::string &programDir)
{
    std::optional<TSettings> settings;
    {
        MessageSinkBridge bridge(desktop);
        settings = ReadStartupSettings(programDir);
    }
    if (!settings)
        return nullptr;
    return std::unique_ptr<TForm1>(new TForm1(desktop, programDir, *settings));
}

TForm1::TForm1(Platform &desktop, const std::string &programDir, const TSettings &settings)
    : m_sinkBridge(desktop), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvena"));
    resize(kDesignWidth, kDesignHeight);

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ControlBar1 = new ControlBar(client);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    layout->addWidget(ControlBar1);
    m_mdiArea = new QMdiArea(client);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_mdiArea);
    setCentralWidget(client);

    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    CreateListBox1Popup();

    m_state.ProgramDir = programDir;
    m_state.Settings = settings;
    LoadBoardTypes();
    m_state.UnitFactor = UnitFactorOf(m_state.Settings.Unit());
    ApplyMainColour();
}

TForm1::~TForm1()
{
    // Document windows reach the state through their host: they go first.
    std::unique_ptr<QWidget> client(takeCentralWidget());
}

void TForm1::CreateMenus()
{
    File1 = menuBar()->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    SetHint(File1->menuAction(), QStringLiteral("File related commands"));
    FileNewItem = AddMenuItem(File1, QStringLiteral("&New"), QStringLiteral("New|Create a new file"),
                              QKeySequence(Qt::CTRL | Qt::Key_N));
    FileOpenItem = AddMenuItem(File1, QStringLiteral("&Open"), QStringLiteral("Open|Open a file"),
                               QKeySequence(Qt::CTRL | Qt::Key_O));
    FileCloseItem = AddMenuItem(File1, QStringLiteral("&Close"), QStringLiteral("Close|Close current file"));
    FileSaveItem = AddMenuItem(File1, QStringLiteral("&Save"), QStringLiteral("Save|Save current file"),
                               QKeySequence(Qt::CTRL | Qt::Key_S));
    File1->addSeparator();
    FileExitItem = AddMenuItem(File1, QStringLiteral("E&xit"), QStringLiteral("Exit|Exit application"));

    connect(FileNewItem, &QAction::triggered, this, &TForm1::NewDocument);
    connect(FileCloseItem, &QAction::triggered, this, &TForm1::FileCloseItemClick);
    connect(FileExitItem, &QAction::triggered, this, &TForm1::FileExitItemClick);
    // Opening and saving databases have no command yet; their items stay disabled until they do.
    FileOpenItem->setEnabled(false);
    FileSaveItem->setEnabled(false);
}

void TForm1::CreateToolBars()
{
    ToolBar3 = CreateToolBar(ControlBar1, QStringLiteral("ToolBar3"));
    ToolButton13 = AddToolButton(ToolBar3, QStringLiteral("ToolButton13"), ToolPicture::NewFile,
                                 QStringLiteral("Nova baza|Kreiranje nove baze podataka"));
    ToolButton14 = AddToolButton(ToolBar3, QStringLiteral("ToolButton14"), ToolPicture::OpenFile,
                                 QStringLiteral("Ucitavanje podataka|Ucitavanje podataka uz fajla"));
    ToolButton15 = AddToolButton(ToolBar3, QStringLiteral("ToolButton15"), ToolPicture::SaveFile,
                                 QStringLiteral("Snimanje podataka|Snimanje podataka u fajl"));
    ToolButton1 = AddToolButton(ToolBar3, QStringLiteral("ToolButton1"), ToolPicture::About,
                                QStringLiteral("Informacije o programu"));
    PlaceToolBar(ToolBar3, kToolBar3Left);

    ToolBar1 = CreateToolBar(ControlBar1, QStringLiteral("ToolBar1"));
    ToolButton10 = AddToolButton(ToolBar1, QStringLiteral("ToolButton10"), ToolPicture::AddElements,
                                 QStringLiteral("Dodavanje|Dodavanje podataka u aktivni prozor"));
    ToolButton2 = AddToolButton(ToolBar1, QStringLiteral("ToolButton2"), ToolPicture::Print,
                                QStringLiteral("Stampanje|Stampanje spiska elemenata"));
    PlaceToolBar(ToolBar1, kToolBar1Left);

    connect(ToolButton13, &QToolButton::clicked, this, &TForm1::NewDocument);
    // Open, save, the about box, adding and printing have no command yet; their
    // buttons are shown but disabled until they do.
    for (QToolButton *button : {ToolButton14, ToolButton15, ToolButton1, ToolButton10, ToolButton2})
        button->defaultAction()->setEnabled(false);
}

void TForm1::CreateStatusBar()
{
    StatusBar = statusBar(); // shows the status tip of whatever is under the mouse
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setFixedHeight(kStatusBarHeight);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(16);
    font.setBold(true);
    StatusBar->setFont(font);
}

void TForm1::CreateListBox1Popup()
{
    m_listBox1Popup = new QMenu(this);
    m_listBox1Popup->setObjectName(QStringLiteral("ListBox1Popup"));
    MenuItem1 = m_listBox1Popup->addAction(QStringLiteral("Obrisi element(e)"));
    connect(MenuItem1, &QAction::triggered, this, &TForm1::Obrisielemente1Click);

    PODESAVANJEBOJE1 = m_listBox1Popup->addMenu(QStringLiteral("PODESAVANJE BOJE"));
    Selektovanitekst1 = PODESAVANJEBOJE1->addAction(QStringLiteral("Selektovani tekst"));
    Pozadinaselteksta1 = PODESAVANJEBOJE1->addAction(QStringLiteral("Pozadina sel. teksta"));
    Pozadinakontrola1 = PODESAVANJEBOJE1->addAction(QStringLiteral("Pozadina kontrola"));
    Pozadinaglavnogprozora1 = PODESAVANJEBOJE1->addAction(QStringLiteral("Pozadina glavnog prozora"));
    connect(Selektovanitekst1, &QAction::triggered, this, &TForm1::Selektovanitekst1Click);
    connect(Pozadinaselteksta1, &QAction::triggered, this, &TForm1::Pozadinaselteksta1Click);
    connect(Pozadinakontrola1, &QAction::triggered, this, &TForm1::Pozadinakontrola1Click);
    connect(Pozadinaglavnogprozora1, &QAction::triggered, this, &TForm1::Pozadinaglavnogprozora1Click);
}

void TForm1::LoadBoardTypes()
{
    ClearBoardTable(m_state.BoardTypes);
    const std::string name = JoinPath(m_state.ProgramDir, kBoardTableFileName);
    if (!FileExists(name))
        return;
    const int code = ReadBoardTable(name, m_state.BoardTypes);
    if (code != rcOK)
        ShowError("Error loading mainboard types (\"" + name + "\")", code);
}

TForm16 *TForm1::ActiveDocument() const
{
    // The current child stays current while a menu or a dialog has the focus.
    return qobject_cast<TForm16 *>(m_mdiArea->currentSubWindow());
}

QList<TForm16 *> TForm1::Documents() const
{
    QList<TForm16 *> documents;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *document = qobject_cast<TForm16 *>(window))
            documents.append(document);
    }
    return documents;
}

void TForm1::RefreshDocuments()
{
    for (TForm16 *document : Documents())
        document->ShowElements();
}

void TForm1::RepaintDocuments()
{
    for (TForm16 *document : Documents()) {
        document->SG1->viewport()->update();
        document->ApplyColours();
        document->ComboBox1->update();
    }
}

TForm16 *TForm1::NewDocument()
{
    // Numbers count the untitled windows now open, so they can repeat.
    int untitled = 0;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (window->windowTitle().left(8).toUpper() == QLatin1String("UNTITLED"))
            ++untitled;
    }
    LoadBoardTypes();

    auto *document = new TForm16(*this);
    m_mdiArea->addSubWindow(document); // the MDI area owns it from here
    document->SetTitle(QStringLiteral("Untitled ") + QString::fromStdString(IntToText(untitled + 1)));
    document->Edit2->clear();
    document->Edit3->clear();
    document->Edit4->clear();
    document->MarkSaved();
    document->show();
    m_mdiArea->setActiveSubWindow(document);
    document->Edit1->setFocus(Qt::OtherFocusReason);
    document->Edit1->selectAll();
    return document;
}

void TForm1::FileCloseItemClick()
{
    if (QMdiSubWindow *window = m_mdiArea->currentSubWindow())
        window->close();
}

void TForm1::FileExitItemClick()
{
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Topmost first. The first document that refuses keeps the program open, and
    // the others are not asked: a "Yes" given after that "No" would drop a
    // document while the program stays.
    const QList<QMdiSubWindow *> stacked = m_mdiArea->subWindowList(QMdiArea::StackingOrder);
    const QList<QPointer<QMdiSubWindow>> windows(stacked.crbegin(), stacked.crend());
    for (const QPointer<QMdiSubWindow> &window : windows) {
        if (window && !window->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void TForm1::Obrisielemente1Click()
{
    if (m_mdiArea->subWindowList().isEmpty())
        return;
    if (TForm16 *document = ActiveDocument())
        document->DeleteSelectedElements();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TForm1::FormActivate()
{
    // A picture once found stays for the run; until then every activation looks again.
    if (m_wallPaper.isNull()) {
        m_wallPaper = LoadWallPaper(m_state.ProgramDir);
        if (!m_wallPaper.isNull())
            m_mdiArea->setBackground(QBrush(QPixmap::fromImage(m_wallPaper))); // tiled from the top left
    }
    // An activation that finds the frame still minimised brings it back maximised.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    InstallHintTiming();
}

void TForm1::ApplyMainColour()
{
    if (m_wallPaper.isNull())
        m_mdiArea->setBackground(ColourFromWindows(m_state.Settings.MainColour()));
}

bool TForm1::ChooseColour(std::size_t offset)
{
    TSettings &settings = m_state.Settings;
    const std::optional<QColor> chosen =
        m_desktop.ColourDialog(ColourFromWindows(settings.get<std::uint32_t>(offset)));
    if (!chosen)
        return false;
    settings.set<std::uint32_t>(offset, ColourToWindows(*chosen));
    return true;
}

void TForm1::Selektovanitekst1Click()
{
    if (ChooseColour(SettingsOffset::SelectedTextColour))
        RepaintDocuments();
}

void TForm1::Pozadinaselteksta1Click()
{
    if (ChooseColour(SettingsOffset::SelectedBackColour))
        RepaintDocuments();
}

void TForm1::Pozadinakontrola1Click()
{
    if (ChooseColour(SettingsOffset::ControlColour))
        RepaintDocuments();
}

void TForm1::Pozadinaglavnogprozora1Click()
{
    if (ChooseColour(SettingsOffset::MainColour))
        ApplyMainColour();
}
