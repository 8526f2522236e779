#include "main/MAIN.h"

#include "common/Conversions.h"
#include "common/ProgramPlaces.h"
#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/Autosave.h"
#include "main/ColourCommands.h"
#include "main/ControlBar.h"
#include "main/DialogCommands.h"
#include "main/DocumentCommands.h"
#include "main/DocumentManager.h"
#include "main/EditMenu.h"
#include "main/ExchangeCommands.h"
#include "main/FrameCommands.h"
#include "main/GridMenu.h"
#include "main/HintTiming.h"
#include "main/ListCommands.h"
#include "main/NoticeLine.h"
#include "main/OpenSaveCommands.h"
#include "main/PlanCommands.h"
#include "main/Recovery.h"
#include "main/ShortcutsOverFields.h"
#include "main/StartupSettings.h"
#include "main/WallPaper.h"
#include "main/WindowMenu.h"
#include "platform/Colours.h"

#include <QAction>
#include <QBrush>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPixmap>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr int kDesignWidth = 529;
constexpr int kDesignHeight = 464;
constexpr int kStatusBarHeight = 34;

} // namespace

std::unique_ptr<TForm1> TForm1::Start(Platform &desktop, ProgramState &state, const std::string &programDir)
{
    const ProgramPlaces places = LocateProgramPlaces(programDir);
    std::optional<TSettings> settings;
    {
        MessageSinkBridge bridge(desktop);
        settings = ReadStartupSettings(places.FilesDir);
    }
    if (!settings)
        return nullptr;
    state.ProgramDir = places.FilesDir;
    state.DataDir = places.DataDir;
    state.Settings = *settings;
    return std::unique_ptr<TForm1>(new TForm1(desktop, state));
}

TForm1::TForm1(Platform &desktop, ProgramState &state)
    : m_sinkBridge(desktop),
      m_mdiArea(new QMdiArea),
      m_listBox1Popup(new QMenu(this)),
      m_documents(new DocumentManager(*m_mdiArea, state, desktop, m_listBox1Popup, this)),
      m_context{*m_documents, state, desktop, [this](const QString &line) { m_noticeLine->Tell(line); }}
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvena"));
    setAcceptDrops(true);
    resize(kDesignWidth, kDesignHeight);

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ControlBar1 = new ControlBar(client);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    layout->addWidget(ControlBar1);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_mdiArea); // the layout hands it to the client widget
    setCentralWidget(client);

    CreateCommands();
    CreateStatusBar();
    m_autosave = new Autosave(*m_documents, WorkDirectoryOf(state.DataDir),
                              [this](const QString &line) { m_noticeLine->Tell(line); }, this);
    BuildGridMenu(*this, m_listBox1Popup);
    // Every command that has run lets an older notice go.
    for (QAction *action : findChildren<QAction *>())
        connect(action, &QAction::triggered, m_noticeLine, &NoticeLine::CommandEnded);
    connect(m_documents, &DocumentManager::DocumentCreated, this, &TForm1::ConnectDocument);

    LoadBoardTypes();
    state.UnitFactor = UnitFactorOf(state.Settings.Unit());
    ApplyMainColour();
    InstallHintTiming();
}

void TForm1::CreateCommands()
{
    BuildFrameCommands(*this, ControlBar1);
    BuildEditMenu(*this, *m_documents->UndoGroup());
    BuildWindowMenu(*this, *m_mdiArea, *m_documents);
    new ShortcutsOverFields(*this, {ElementsNewItem, ElementsUnitItem}); // the frame owns it
    // Ctrl+F4 closes the active document, as in every MDI program of the desktop.
    auto *closeDocument = new QAction(this);
    closeDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(closeDocument, &QAction::triggered, this, &TForm1::FileCloseItemClick);
    addAction(closeDocument);
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
    m_noticeLine = new NoticeLine(StatusBar);
    StatusBar->addPermanentWidget(m_noticeLine);
}

void TForm1::ConnectDocument(TForm16 *document)
{
    connect(document, &TForm16::DeleteSelectionRequested, this, &TForm1::Obrisielemente1Click);
    connect(document, &TForm16::EditCurrentRequested, this, &TForm1::IzmenaPodataka1Click);
    connect(&document->Model(), &Document::lockLost, m_noticeLine, [this, document](int code) {
        m_noticeLine->Tell(QStringLiteral("Baza \"%1\" vise nije zakljucana: drugi korisnici ne vide da je otvorena (%2)")
                               .arg(document->Model().Title(), QString::fromLatin1(ResultText(code))));
    });
}

void TForm1::LoadBoardTypes()
{
    ::LoadBoardTypes(m_context.state);
}

TForm16 *TForm1::ActiveDocument() const
{
    return m_documents->ActiveDocument();
}

QList<TForm16 *> TForm1::Documents() const
{
    return m_documents->Documents();
}

void TForm1::RefreshDocuments()
{
    m_documents->RefreshDocuments();
}

void TForm1::RepaintDocuments()
{
    m_documents->RepaintDocuments();
}

TForm16 *TForm1::NewDocument()
{
    return NewDatabase(m_context);
}

void TForm1::OpenDatabase(const QString &fileName, bool AskNewWindow)
{
    ::OpenDatabase(m_context, fileName, AskNewWindow);
}

void TForm1::OpenFiles(const QStringList &fileNames)
{
    OpenNamedFiles(m_context, fileNames);
}

namespace {

QStringList LocalFilesOf(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!LocalFilesOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent *event)
{
    const QStringList files = LocalFilesOf(event->mimeData());
    event->acceptProposedAction();
    for (const QString &file : files)
        OpenDatabase(file, true);
}

void TForm1::SaveDatabase()
{
    ::SaveDatabase(m_context);
}

void TForm1::FileExportItemClick()
{
    if (const std::optional<QString> where = ExportActiveDocument(m_context))
        m_noticeLine->Tell(*where);
}

void TForm1::FileCloseItemClick()
{
    CloseActiveDocument(m_context);
}

void TForm1::FileExitItemClick()
{
    close();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (CloseAllDocuments(m_context))
        event->accept();
    else
        event->ignore();
}

void TForm1::Obrisielemente1Click()
{
    DeleteSelectedElements(m_context, MenuItem1->text());
}

void TForm1::IzmenaPodataka1Click()
{
    EditCurrentElement(m_context, this, MenuItem2->text());
}

void TForm1::ToolButton10Click()
{
    AddElementsThroughDialog(m_context, this, [this](const QString &where) { m_noticeLine->Tell(where); });
}

void TForm1::ToolButton1Click()
{
    ShowAboutBox(this);
}

void TForm1::ElementsUnitItemClick()
{
    if (TForm16 *document = ActiveDocument())
        document->PaintBox1DblClick();
}

void TForm1::Pomnozispisakelemenatasa1Click()
{
    MultiplyAllCounts(m_context, Pomnozispisakelemenatasa1->text());
}

void TForm1::Pomnoziselektovaneelementesa1Click()
{
    MultiplySelectedCounts(m_context, Pomnoziselektovaneelementesa1->text());
}

void TForm1::Spajanjeistihelemenata1Click()
{
    MergeSameElementsOfActive(m_context, Spajanjeistihelemenata1->text());
}

void TForm1::Stampanjespiskaelemenata1Click()
{
    if (const std::optional<QString> where = PrintActiveDocument(m_context, this))
        m_noticeLine->Tell(*where);
}

void TForm1::Stampanjenalepnica1Click()
{
    if (const std::optional<QString> where = PrintLabelsOfActiveDocument(m_context, this))
        m_noticeLine->Tell(*where);
}

void TForm1::Plansecenja1Click()
{
    ShowPlanWindow(m_context, this);
}

void TForm1::ToolButton2Click()
{
    Stampanjespiskaelemenata1Click();
}

void TForm1::Sortiranjespiskapoduzini1Click()
{
    SortActiveByLength(m_context, Sortiranjespiskapoduzini1->text());
}

void TForm1::Postavinasveelemente1Click()
{
    SetGrainOnAll(m_context, true, Postavinasveelemente1->text());
}

void TForm1::Uklonisasvihelemenata1Click()
{
    SetGrainOnAll(m_context, false, Uklonisasvihelemenata1->text());
}

void TForm1::Kontratexturanasvimelementima1Click()
{
    CounterGrainOnAll(m_context, Kontratexturanasvimelementima1->text());
}

void TForm1::ColourCommandClick(const ColourCommand &command)
{
    if (!ChangeColour(m_context, command))
        return;
    if (command.refresh == ColourCommand::Refresh::MainWindow)
        ApplyMainColour();
    else
        RepaintDocuments();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_recoveryOffered)
        return;
    m_recoveryOffered = true;
    QTimer::singleShot(0, this, [this] { OfferRecovery(m_context, *m_autosave); });
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
        m_wallPaper = LoadWallPaper(m_context.state.ProgramDir);
        if (!m_wallPaper.isNull())
            m_mdiArea->setBackground(QBrush(QPixmap::fromImage(m_wallPaper))); // tiled from the top left
    }
    // An activation that finds the frame still minimised brings it back maximised.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void TForm1::ApplyMainColour()
{
    if (m_wallPaper.isNull())
        m_mdiArea->setBackground(ColourFromWindows(m_context.state.Settings.MainColour()));
}
