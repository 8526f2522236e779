// The document window's form: its pages and components, creation, layout,
// colours, activation and closing.

#include "document/Unit16.h"

#include "common/Encoding.h"
#include "document/DocumentHost.h"
#include "document/ElementGrid.h"
#include "document/ElementTableModel.h"
#include "document/EntryFieldValidator.h"
#include "document/GridCellDelegate.h"
#include "document/GridHeader.h"
#include "document/MaterialComboBox.h"
#include "document/UnitLabel.h"
#include "document/Win1250Validator.h"
#include "platform/Colours.h"
#include "platform/Hint.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int kFormWidth = 629;
constexpr int kFormHeight = 319;
constexpr int kGroupPanelWidth = 209;
// What showing or hiding the group panel adds to or takes from the window width.
constexpr int kGroupPanelAllowance = 12;
constexpr int kRowHeight = 15;
constexpr std::array<int, kElementGridColumns> kColumnWidths = {32, 48, 51, 97, 48, 18, 18, 41};
constexpr std::array<int, 3> kStatisticsColumnWidths = {36, 198, 111};

QFrame *LoweredPanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A panel has its own face colour; the unit label paints itself in it.
    panel->setAutoFillBackground(true);
    return panel;
}

void SetBaseColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QLabel *LabelAt(const QString &caption, int left, int top, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->adjustSize();
    label->move(left, top);
    return label;
}

std::uint16_t ToWord(int value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF));
}

} // namespace

// What the document held when it was last created, opened or saved.
struct TForm16::Snapshot {
    TElementList elements{};
    TElementGroups groups{};
    QString customer;
    QString address;
    QString telephone;
};

TForm16::TForm16(DocumentHost &host, QWidget *parent)
    : QMdiSubWindow(parent), m_host(host), m_saved(std::make_unique<Snapshot>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Untitled"));

    auto *client = new QWidget;
    QFont font(QStringLiteral("Sans Serif"));
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

    connect(this, &QMdiSubWindow::aboutToActivate, this, &TForm16::FormActivate);
    FormCreate();
}

TForm16::~TForm16() = default;

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
    m_model = new ElementTableModel(Elements, m_host.State(), SG1);
    SG1->setHorizontalHeader(new GridHeader(kRowHeight, SG1));
    SG1->setModel(m_model);
    SG1->verticalHeader()->hide();
    SG1->verticalHeader()->setMinimumSectionSize(1);
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG1->setTabKeyNavigation(false);
    SG1->setShowGrid(false);
    SG1->setWordWrap(false);
    SG1->setItemDelegate(new GridCellDelegate(m_host.State(), 3, SG1));
    for (int c = 0; c < kElementGridColumns; ++c)
        SG1->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);
    // Row 0 holds the headings for the row arithmetic; the fixed header shows them.
    SG1->setRowHidden(0, true);
    connect(m_model, &QAbstractItemModel::modelReset, SG1, [this] { SG1->setRowHidden(0, true); });
    SetHint(SG1, QStringLiteral("Spisak elemenata"));
    SG1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SG1, &QWidget::customContextMenuRequested, this, &TForm16::SG1ContextMenu);
    SG1->installEventFilter(this);
    column->addWidget(SG1, 1);

    Panel3 = LoweredPanel(Panel2);
    Panel3->setFixedHeight(30);
    Panel3->installEventFilter(this);
    BuildEntryRow();
    column->addWidget(Panel3);

    pageLayout->addWidget(Panel2, 1);
    BuildGroupPanel();
    pageLayout->addWidget(Panel1);
}

void TForm16::BuildEntryRow()
{
    const ProgramState &state = m_host.State();
    Edit1 = new QLineEdit(Panel3);
    Edit1->setGeometry(4, 4, 41, 21);
    Edit1->setValidator(new EntryFieldValidator(EntryFieldValidator::Kind::Dimension, state, Edit1));
    SetHint(Edit1, QStringLiteral("Duzina|Duzina (dimenzija koja prati teksturu) elementa"));
    Label4 = LabelAt(QStringLiteral("x"), 52, 8, Panel3);
    Edit5 = new QLineEdit(Panel3);
    Edit5->setGeometry(64, 4, 45, 21);
    Edit5->setValidator(new EntryFieldValidator(EntryFieldValidator::Kind::Dimension, state, Edit5));
    SetHint(Edit5, QStringLiteral("Sirina|Sirina elementa"));
    Edit6 = new QLineEdit(Panel3);
    Edit6->setGeometry(116, 4, 33, 21);
    Edit6->setMaxLength(4);
    Edit6->setValidator(new EntryFieldValidator(EntryFieldValidator::Kind::Count, state, Edit6));
    SetHint(Edit6, QStringLiteral("Komada|Broj ovakvih elemenata"));
    Label5 = LabelAt(QStringLiteral("kom"), 156, 12, Panel3);
    CheckBox1 = new QCheckBox(QStringLiteral("Prati teksturu"), Panel3);
    CheckBox1->setGeometry(188, 9, 97, 17);
    SetHint(CheckBox1, QStringLiteral("Tekstura|Cekirajte ovo ako element mora da prati teksturu"));
    PaintBox1 = new UnitLabel(state, Panel3);
    PaintBox1->setGeometry(368, 10, 31, 20);
    SetHint(PaintBox1, QStringLiteral("Jedinice mere|Jedinice mere...Dupli klik misem za promenu"));
    connect(PaintBox1, &UnitLabel::DoubleClicked, this, &TForm16::PaintBox1DblClick);

    for (QWidget *field : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit5),
                           static_cast<QWidget *>(Edit6), static_cast<QWidget *>(CheckBox1)})
        field->installEventFilter(this);
}

void TForm16::BuildGroupPanel()
{
    Panel1 = LoweredPanel(TabSheet1);
    Panel1->setFixedWidth(kGroupPanelWidth);
    auto *panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    ListBox1 = new QListWidget(Panel1);
    ListBox1->setFixedHeight(178);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    SetBaseColour(ListBox1, ColourFromWindows(kDesignColour));
    panelLayout->addWidget(ListBox1);
    panelLayout->addStretch(1);

    // Moving pieces into groups is not offered yet: the buttons stay disabled.
    auto *buttons = new QVBoxLayout;
    buttons->setContentsMargins(7, 0, 7, 7); // 8 from the panel's edges, past its bevel
    buttons->setSpacing(7);
    Button1 = new QPushButton(QStringLiteral("Dodaj u selektovanu grupu"), Panel1);
    Button2 = new QPushButton(QStringLiteral("Dodaj u novu grupu"), Panel1);
    for (QPushButton *button : {Button1, Button2}) {
        button->setFixedHeight(25);
        button->setEnabled(false);
        buttons->addWidget(button);
    }
    panelLayout->addLayout(buttons);
}

void TForm16::BuildCustomerPage()
{
    TabSheet2 = new QWidget;
    Pages1->addTab(TabSheet2, QStringLiteral("Podaci o kupcu"));
    Label1 = LabelAt(QStringLiteral("Kupac:"), 8, 16, TabSheet2);
    Label2 = LabelAt(QStringLiteral("Adresa:"), 8, 40, TabSheet2);
    Label3 = LabelAt(QStringLiteral("Telefon:"), 8, 64, TabSheet2);
    Edit2 = new QLineEdit(TabSheet2);
    Edit3 = new QLineEdit(TabSheet2);
    Edit4 = new QLineEdit(TabSheet2);
    const std::array<QLineEdit *, 3> edits = {Edit2, Edit3, Edit4};
    const std::array<int, 3> lengths = {50, 50, 20};
    for (std::size_t i = 0; i < edits.size(); ++i) {
        edits[i]->setGeometry(80, 8 + 24 * static_cast<int>(i), 527, 21);
        edits[i]->setMaxLength(lengths[i]);
        edits[i]->setValidator(new Win1250Validator(edits[i]));
    }
    TabSheet2->installEventFilter(this);
}

void TForm16::BuildStatisticsPage()
{
    TabSheet3 = new QWidget;
    Pages1->addTab(TabSheet3, QStringLiteral("Statistika baze"));
    auto *pageLayout = new QVBoxLayout(TabSheet3);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    SG2 = new QTableWidget(0, static_cast<int>(kStatisticsColumnWidths.size()), TabSheet3);
    SG2->horizontalHeader()->hide();
    SG2->verticalHeader()->hide();
    SG2->verticalHeader()->setMinimumSectionSize(1);
    SG2->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SG2->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG2->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < SG2->columnCount(); ++c)
        SG2->setColumnWidth(c, kStatisticsColumnWidths[static_cast<std::size_t>(c)]);
    pageLayout->addWidget(SG2);
}

void TForm16::FormCreate()
{
    ClearList(Elements);
    ClearGroups(Groups);
    if (!m_host.State().Settings.GroupPanel())
        HideGroupPanel();
    MaterialIndex = 0;
    ShowElements();
    FillMaterials();
    ApplyColours();
    MarkSaved();
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
    const TSettings &settings = m_host.State().Settings;
    const QSize screenSize = screen() != nullptr ? screen()->geometry().size() : QSize();
    QPoint position = pos();
    if (settings.WindowLeft() < screenSize.width())
        position.setX(settings.WindowLeft());
    if (settings.WindowTop() < screenSize.height())
        position.setY(settings.WindowTop());
    move(position);
    QSize size = this->size();
    if (settings.WindowWidth() > 1)
        size.setWidth(settings.WindowWidth());
    if (settings.WindowHeight() > 1)
        size.setHeight(settings.WindowHeight());
    resize(size);
    if (settings.WindowState() == 1)
        setWindowState(windowState() | Qt::WindowMinimized);
    else if (settings.WindowState() == 2)
        setWindowState(windowState() | Qt::WindowMaximized);
    for (int c = 1; c <= kElementGridColumns; ++c) {
        if (settings.ColumnWidth(c) > 1)
            SG1->setColumnWidth(c - 1, settings.ColumnWidth(c));
    }
    // With the panel setting on, the panel is already docked on the right; hiding
    // and showing it again would only dissolve groups a file may have brought.
}

void TForm16::SaveLayout()
{
    TSettings &settings = m_host.State().Settings;
    settings.SetWindowWidth(ToWord(width()));
    settings.SetWindowHeight(ToWord(height()));
    settings.SetWindowLeft(ToWord(x()));
    settings.SetWindowTop(ToWord(y()));
    settings.SetWindowState(isMinimized() ? 1 : isMaximized() ? 2 : 0);
    for (int c = 1; c <= kElementGridColumns; ++c)
        settings.SetColumnWidth(c, ToWord(SG1->columnWidth(c - 1)));
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
    const QColor colour = ColourFromWindows(m_host.State().Settings.ControlColour());
    for (QWidget *widget : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit5),
                            static_cast<QWidget *>(Edit6), static_cast<QWidget *>(Edit2),
                            static_cast<QWidget *>(Edit3), static_cast<QWidget *>(Edit4),
                            static_cast<QWidget *>(SG1), static_cast<QWidget *>(SG2),
                            static_cast<QWidget *>(ComboBox1)})
        SetBaseColour(widget, colour); // a changed palette repaints the widget
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

void TForm16::TabSheet2Resize()
{
    const int width = TabSheet2->width() - Edit2->x() - 5;
    for (QLineEdit *edit : {Edit2, Edit3, Edit4})
        edit->resize(width, edit->height());
}

void TForm16::Panel3Resize()
{
    // The unit label keeps its distance from the right edge.
    constexpr int kRightDistance = 33;
    PaintBox1->move(Panel3->width() - kRightDistance, PaintBox1->y());
}

bool TForm16::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && EntryRowKeyPress(watched))
            return true;
        break;
    }
    case QEvent::KeyRelease:
        if (watched == SG1)
            SG1KeyUp(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::Resize:
        // The grid's height follows the page's; the filter sees it after the layout did.
        if (watched == SG1)
            TabSheet1Resize();
        else if (watched == TabSheet2)
            TabSheet2Resize();
        else if (watched == Panel3)
            Panel3Resize();
        break;
    default:
        break;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

QString TForm16::Title() const
{
    return windowTitle();
}

void TForm16::SetTitle(const QString &title)
{
    setWindowTitle(title);
}

std::string TForm16::CustomerBytes(const QLineEdit *edit)
{
    std::string bytes;
    if (Utf8ToWin1250(edit->text().toStdString(), bytes))
        return bytes;
    // Only text set by code can get here; the field refuses such characters when typed.
    for (const char32_t c : edit->text().toUcs4()) {
        std::string one;
        bytes += Utf8ToWin1250(QString::fromUcs4(&c, 1).toStdString(), one) ? one : std::string("?");
    }
    return bytes;
}

void TForm16::SetCustomerBytes(QLineEdit *edit, const std::string &bytes)
{
    edit->setText(QString::fromStdString(Win1250ToUtf8(bytes)));
}

void TForm16::MarkSaved()
{
    m_saved->elements = Elements;
    m_saved->groups = Groups;
    m_saved->customer = Edit2->text();
    m_saved->address = Edit3->text();
    m_saved->telephone = Edit4->text();
}

bool TForm16::DiffersFromSaved() const
{
    return std::memcmp(&m_saved->elements, &Elements, sizeof Elements) != 0
        || std::memcmp(&m_saved->groups, &Groups, sizeof Groups) != 0
        || m_saved->customer != Edit2->text() || m_saved->address != Edit3->text()
        || m_saved->telephone != Edit4->text();
}

bool TForm16::FormCloseQuery()
{
    const bool untitled = Title().toUpper().left(8) == QLatin1String("UNTITLED");
    if (!(untitled && ElementCount(Elements) > 0) && !DiffersFromSaved())
        return true;
    const QString text = QStringLiteral("Baza podataka \"") + Title() + QStringLiteral("\" nije sacuvana.\r")
        + QStringLiteral("Ako je zatvorite podaci koje ste uneli ce biti trajno izbrisani.\r")
        + QStringLiteral("Da li ste sigurni da zelite da zatvorite ovu bazu ?");
    return m_host.Desktop().MessageBox(Platform::Icon::Warning, Platform::Buttons::YesNo, text)
        == Platform::Answer::Yes;
}

void TForm16::FormClose()
{
    SaveLayout();
}

void TForm16::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMdiSubWindow::closeEvent(event);
}
