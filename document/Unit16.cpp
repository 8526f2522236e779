// The document window's form: its pages and components, creation, layout,
// colours, activation and closing.

#include "document/Unit16.h"

#include "common/DocumentTitle.h"
#include "common/ListAlgorithms.h"
#include "common/ProgramState.h"
#include "document/CustomerPage.h"
#include "document/DocumentLayout.h"
#include "document/Document.h"
#include "document/ElementGrid.h"
#include "document/ElementTableModel.h"
#include "document/EntryRow.h"
#include "document/GridCellDelegate.h"
#include "document/GridHeader.h"
#include "document/GroupListBox.h"
#include "document/MaterialComboBox.h"
#include "document/UnitLabel.h"
#include "platform/Colours.h"
#include "platform/FormWidgets.h"
#include "platform/Hint.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

constexpr int kFormWidth = 629;
constexpr int kFormHeight = 319;
constexpr int kGroupPanelWidth = 209;
// What showing or hiding the group panel adds to or takes from the window width.
constexpr int kGroupPanelAllowance = 12;
constexpr std::array<int, kElementGridColumns> kColumnWidths = {32, 48, 51, 97, 48, 18, 18, 41};

QFrame *LoweredPanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A panel has its own face colour; the unit label paints itself in it.
    panel->setAutoFillBackground(true);
    return panel;
}

} // namespace

TForm16::TForm16(ProgramState &state, Platform &desktop, QMenu *gridMenu, QWidget *parent)
    : QMdiSubWindow(parent), m_document(new Document(this)), Elements(m_document->Elements()),
      Groups(m_document->Groups()), MaterialIndex(m_document->MaterialIndex()), m_state(state), m_desktop(desktop),
      m_gridMenu(gridMenu)
{
    setAttribute(Qt::WA_DeleteOnClose);

    auto *client = new QWidget;
    // A face with the widths the form's columns were made for (the desktop's
    // default sans-serif is wider and clips "240.0 *A" in DUZINA).
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    client->setFont(font);
    Pages1 = new QTabWidget(client);
    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(Pages1);
    BuildElementsPage();
    BuildCustomerPage();
    BuildStatisticsPage();
    setWidget(client);
    resize(kFormWidth, kFormHeight);
    connect(Pages1, &QTabWidget::currentChanged, this, &TForm16::Pages1Change);

    connect(m_document, &Document::listsChanged, this, &TForm16::ShowLists);
    connect(m_document, &Document::customerChanged, this, &TForm16::ShowCustomer);
    connect(m_document, &Document::titleChanged, this, &TForm16::ShowTitle);
    connect(m_document, &Document::changed, this, [this] { setWindowModified(m_document->DiffersFromSaved()); });
    connect(m_document, &Document::listsRestored, this, [this](int first, int last) {
        // Only removed: the cursor goes to the element after the gap, or the last one.
        const int count = ElementCount(Elements);
        if (count == 0)
            return;
        const int top = std::min(first, count);
        SelectElements(top, std::max(top, last));
    });
    m_document->SetTitle(QStringLiteral("Untitled"));
    // Every document's system menu would claim the desktop's close keys, and a
    // key claimed twice does nothing: the frame's one Ctrl+F4 closes the active one.
    for (QAction *action : systemMenu()->actions())
        action->setShortcuts({});
    AddPageKeys();
    FormCreate();
}

TForm16::~TForm16() = default;

void TForm16::AddPageKeys()
{
    // Ctrl+Tab belongs to the MDI area, which goes on to the next window with it.
    const std::pair<QKeyCombination, int> keys[] = {{Qt::CTRL | Qt::Key_PageDown, 1}, {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (const auto &[key, step] : keys) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, step = step] {
            Pages1->setCurrentIndex((Pages1->currentIndex() + step + Pages1->count()) % Pages1->count());
        });
        addAction(action);
    }
}

void TForm16::BuildElementsPage()
{
    TabSheet1 = new QWidget;
    Pages1->addTab(TabSheet1, QStringLiteral("Podaci o elementima"));
    auto *pageLayout = new QHBoxLayout(TabSheet1);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);

    Panel2 = new QFrame(TabSheet1);
    auto *column = new QVBoxLayout(Panel2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel4 = LoweredPanel(Panel2);
    Panel4->setFixedHeight(28);
    auto *comboRow = new QHBoxLayout(Panel4);
    comboRow->setContentsMargins(3, 1, 3, 1); // inside the 1-pixel bevel: left 4, top 2
    ComboBox1 = new MaterialComboBox(
        [this](QPainter &painter, int index, const QRect &rect) { ComboBox1DrawItem(painter, index, rect); }, Panel4);
    SetHint(ComboBox1, QStringLiteral("Izbor materijala"));
    ComboBox1->setMaxVisibleItems(15);
    comboRow->addWidget(ComboBox1);
    connect(ComboBox1, &QComboBox::activated, this, &TForm16::ComboBox1Change);
    column->addWidget(Panel4);

    auto *grid = new ElementGrid(Panel2);
    SG1 = grid;
    m_gridModel = new ElementTableModel(Elements, m_state.Settings, SG1);
    SG1->setHorizontalHeader(new GridHeader(kGridRowHeight, SG1));
    SG1->setModel(m_gridModel);
    SG1->verticalHeader()->hide();
    SG1->verticalHeader()->setMinimumSectionSize(1);
    SG1->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG1->setTabKeyNavigation(false);
    SG1->setShowGrid(false);
    SG1->setWordWrap(false);
    SG1->setItemDelegate(new GridCellDelegate(m_state.Settings, 3, SG1));
    for (int c = 0; c < kElementGridColumns; ++c)
        SG1->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);
    // Row 0 holds the headings for the row arithmetic; the fixed header shows them.
    SG1->setRowHidden(0, true);
    connect(m_gridModel, &QAbstractItemModel::modelReset, SG1, [this] { SG1->setRowHidden(0, true); });
    SetHint(SG1, QStringLiteral("Spisak elemenata"));
    SG1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SG1, &QWidget::customContextMenuRequested, this, &TForm16::SG1ContextMenu);
    connect(SG1, &QAbstractItemView::doubleClicked, this, &TForm16::EditCurrentRequested);
    SG1->installEventFilter(this);
    column->addWidget(SG1, 1);

    Panel3 = LoweredPanel(Panel2);
    Panel3->setFixedHeight(30);
    m_entryRow = new EntryRow(m_state.Settings, m_state.UnitFactor, Panel3);
    Edit1 = m_entryRow->lengthEdit;
    Label4 = m_entryRow->timesLabel;
    Edit5 = m_entryRow->widthEdit;
    Edit6 = m_entryRow->countEdit;
    Label5 = m_entryRow->piecesLabel;
    CheckBox1 = m_entryRow->grainBox;
    PaintBox1 = m_entryRow->unitLabel;
    connect(m_entryRow, &EntryRow::AddRequested, this, &TForm16::AddFromEntryRow);
    connect(PaintBox1, &UnitLabel::DoubleClicked, this, &TForm16::PaintBox1DblClick);
    column->addWidget(Panel3);

    pageLayout->addWidget(Panel2, 1);
    BuildGroupPanel();
    pageLayout->addWidget(Panel1);
}

void TForm16::BuildGroupPanel()
{
    Panel1 = LoweredPanel(TabSheet1);
    Panel1->setFixedWidth(kGroupPanelWidth);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    ListBox1 = new GroupListBox(Panel1);
    ListBox1->setFixedHeight(178);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    SetBaseColour(ListBox1, ColourFromWindows(kDesignColour));
    panelLayout->addWidget(ListBox1);
    panelLayout->addStretch(1);

    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(7, 0, 7, 7); // 8 from the panel's edges, past its bevel
    buttons->setSpacing(7);
    Button1 = new QPushButton(QStringLiteral("Dodaj u selektovanu grupu"), Panel1);
    Button2 = new QPushButton(QStringLiteral("Dodaj u novu grupu"), Panel1);
    for (QPushButton *button : {Button1, Button2}) {
        button->setFixedHeight(25);
        buttons->addWidget(button);
    }
    panelLayout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &TForm16::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm16::Button2Click);
    ListBox1->installEventFilter(this);
}

void TForm16::BuildCustomerPage()
{
    TabSheet2 = new QWidget;
    Pages1->addTab(TabSheet2, QStringLiteral("Podaci o kupcu"));
    m_customerPage = new CustomerPage(TabSheet2);
    Label1 = m_customerPage->nameLabel;
    Label2 = m_customerPage->addressLabel;
    Label3 = m_customerPage->telephoneLabel;
    Edit2 = m_customerPage->nameEdit;
    Edit3 = m_customerPage->addressEdit;
    Edit4 = m_customerPage->telephoneEdit;
    connect(m_customerPage, &CustomerPage::Edited, m_document, &Document::SetCustomer);
}

void TForm16::FormCreate()
{
    // The document starts empty, without material, as read from nowhere.
    m_document->Fill(DatabaseContents{});
    m_document->SetMaterialIndex(0);
    if (!m_state.Settings.GroupPanel())
        HideGroupPanel();
    FillMaterials();
    ApplyColours();
    m_document->MarkSaved(QString());
}

void TForm16::showEvent(QShowEvent *event)
{
    QMdiSubWindow::showEvent(event);
    if (!m_layoutRestored) {
        m_layoutRestored = true;
        RestoreLayout();
    }
}

void TForm16::RestoreLayout()
{
    RestoreDocumentLayout(*this, *SG1, m_state.Settings);
    // With the panel setting on, the panel is already docked on the right; hiding
    // and showing it again would only dissolve groups a file may have brought.
}

void TForm16::SaveLayout()
{
    SaveDocumentLayout(*this, *SG1, m_state.Settings);
}

void TForm16::ShowGroupPanel()
{
    if (!Panel1->isHidden())
        return;
    Panel1->show();
    resize(width() + Panel1->width() + kGroupPanelAllowance, height());
}

void TForm16::HideGroupPanel()
{
    if (Panel1->isHidden())
        return;
    UngroupAll();
    // A list too full to take the pieces back keeps its groups, and they stay in sight.
    if (GroupCount(Groups) > 0)
        return;
    resize(width() - Panel1->width() - kGroupPanelAllowance, height());
    Panel1->hide();
}

void TForm16::ApplyColours()
{
    const QColor colour = ColourFromWindows(m_state.Settings.ControlColour());
    for (QWidget *widget : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit5),
                            static_cast<QWidget *>(Edit6), static_cast<QWidget *>(Edit2),
                            static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Edit4),
                            static_cast<QWidget *>(SG1), static_cast<QWidget *>(SG2),
                            static_cast<QWidget *>(ComboBox1)})
        SetBaseColour(widget, colour); // a changed palette repaints the widget
}

void TForm16::Repaint()
{
    SG1->viewport()->update();
    ComboBox1->update();
    PaintBox1->update();
}

void TForm16::FormActivate()
{
    Pages1->setCurrentIndex(0);
    ComboBox1Change();
}

void TForm16::TabSheet1Resize()
{
    const int rows = (SG1->height() + ComboBox1->height() - 20) / MaterialComboBox::ItemHeight;
    ComboBox1->setMaxVisibleItems(std::max(1, rows));
}

bool TForm16::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SG1) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            // SG1KeyPress: Enter edits the current element.
            const auto &press = *static_cast<QKeyEvent *>(event);
            if (press.key() == Qt::Key_Return || press.key() == Qt::Key_Enter) {
                emit EditCurrentRequested();
                return true;
            }
            if (press.keyCombination() == QKeyCombination(Qt::SHIFT | Qt::Key_F10)) {
                OpenGridMenuAtCursor();
                return true;
            }
            if (const int digit = MainKeyboardDigit(press); digit != 0 && !press.isAutoRepeat())
                m_shiftAtDigitPress[static_cast<std::size_t>(digit)] = press.modifiers().testFlag(Qt::ShiftModifier);
            break;
        }
        case QEvent::ContextMenu:
            // The Menu key opens it at the current row, as Shift+F10 does.
            if (static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
                OpenGridMenuAtCursor();
                return true;
            }
            break;
        case QEvent::KeyRelease:
            SG1KeyUp(*static_cast<QKeyEvent *>(event));
            break;
        case QEvent::Resize:
            // The grid's height follows the page's; the filter sees it after the layout did.
            TabSheet1Resize();
            break;
        default:
            break;
        }
    }
    if (watched == ListBox1 && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyRelease)
            ListBox1KeyUp(key);
        if (key.key() == Qt::Key_Delete)
            return true; // the list itself makes nothing of Delete
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void TForm16::ShowTitle()
{
    // "[*]" is where Qt shows the "*" of a changed document.
    const QString readOnly = m_document->IsReadOnly() ? QStringLiteral(" (samo za citanje)") : QString();
    setWindowTitle(m_document->Title() + readOnly + QStringLiteral("[*]"));
}

void TForm16::ShowCustomer()
{
    m_customerPage->Show(m_document->Customer());
}

void TForm16::ShowLists()
{
    ShowElements();
    ShowGroups();
}

bool TForm16::FormCloseQuery()
{
    if (!m_document->IsModified())
        return true;
    const QString text = QStringLiteral("Baza podataka \"") + m_document->Title() + QStringLiteral("\" nije sacuvana.\r")
        + QStringLiteral("Ako je zatvorite podaci koje ste uneli ce biti trajno izbrisani.\r")
        + QStringLiteral("Da li ste sigurni da zelite da zatvorite ovu bazu ?");
    // Losing the list must be chosen: Enter picks No, and a box closed unanswered counts as No.
    return m_desktop.MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNo, text, Platform::Answer::No)
        == Platform::Answer::Yes;
}

void TForm16::FormClose()
{
    SaveLayout();
    // The file is free for others as soon as the window goes, not when it is deleted later.
    m_document->ReleaseLock();
}

void TForm16::CloseQueried()
{
    m_closeQueried = true;
    close();
}

void TForm16::closeEvent(QCloseEvent *event)
{
    const bool mayClose = m_closeQueried || FormCloseQuery();
    m_closeQueried = false;
    if (!mayClose) {
        event->ignore();
        return;
    }
    FormClose();
    QMdiSubWindow::closeEvent(event);
}
