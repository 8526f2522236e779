// The new-elements dialog's list of entered elements: its context menu and the
// statistics panel.

#include "dialogs/Unit2.h"

#include "common/ListEdits.h"
#include "common/ProgramState.h"
#include "dialogs/DialogHints.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/EntryStatistics.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/TScrtext.h"
#include "dialogs/Unit12.h"
#include "platform/Platform.h"
#include "platform/TextFit.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include <algorithm>


namespace {

constexpr int kListWidth = 219;
constexpr int kPanelWidth = 266;
constexpr int kPanelHeight = 213;
constexpr int kCaptionLeft = 4;
constexpr int kValueLeft = 175;
constexpr int kCaptionGap = 4;

QAction *MenuItem(QMenu *menu, const QString &caption, const QString &hint)
{
    QAction *action = menu->addAction(caption);
    if (!hint.isEmpty())
        action->setStatusTip(hint);
    return action;
}

} // namespace

void TForm2::BuildList()
{
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(width() - kListWidth, 0, kListWidth, height());
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setUniformItemSizes(true);
    SetDialogHint(ListBox1, QStringLiteral("Spisak unetih elemenata"));

    PopupMenu1 = new QMenu(this);
    POPMEdit3 = MenuItem(PopupMenu1, QStringLiteral("Izmena"), QString());
    Delete1 = MenuItem(PopupMenu1, QStringLiteral("Brisanje"), QStringLiteral("Brisanje selektovanog elementa"));
    Duplicate1 = MenuItem(PopupMenu1, QStringLiteral("Dupliranje"),
                          QStringLiteral("Dodavanje jos jednog selektovanog elementa u bazu"));
    Databaseproperties1 = MenuItem(PopupMenu1, QStringLiteral("Informacije o elementima"),
                                   QStringLiteral("Statistika unetih elemenata"));
    Clearallelements1 = MenuItem(PopupMenu1, QStringLiteral("Brisanje svih elemenata"),
                                 QStringLiteral("Brisanje svih elemenata"));
    Printdatabase1 = MenuItem(PopupMenu1, QStringLiteral("Stampanje baze podataka"), QString());
    // Printing is wired by the main window; until it is, the item stays off.
    Printdatabase1->setEnabled(false);

    connect(POPMEdit3, &QAction::triggered, this, &TForm2::POPMEdit3Click);
    connect(Delete1, &QAction::triggered, this, &TForm2::Delete1Click);
    connect(Duplicate1, &QAction::triggered, this, &TForm2::Duplicate1Click);
    connect(Databaseproperties1, &QAction::triggered, this, &TForm2::Databaseproperties1Click);
    connect(Clearallelements1, &QAction::triggered, this, &TForm2::Clearallelements1Click);
    connect(Printdatabase1, &QAction::triggered, this, &TForm2::PrintRequested);

    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(position)); });
}

void TForm2::BuildStatisticsPanel()
{
    Panel1 = new QFrame(GroupBox1);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    Panel1->setGeometry(0, GroupBox1->height(), kPanelWidth, kPanelHeight);
    Panel1->hide();

    SText1 = new TScrollingText(Panel1);
    SText1->setGeometry(3, 8, 256, 25);
    SText1->Text = QStringLiteral("Statistika baze podataka");
    SText1->Timer = 200;
    QFont headerFont = DialogFont(11);
    headerFont.setBold(true);
    SText1->setFont(headerFont);

    struct Row {
        const char *caption;
        QLabel **value;
    };
    const Row rows[] = {
        {"Ukupan broj elemenata:", &Label12},     {"Ukupna povrsina elemenata:", &Label13},
        {"Oznaka osnovne table:", &Label21},      {"Dimenzija osnovne table:", &Label14},
        {"Povrsina osnovne table:", &Label15},    {"Minimalan broj potrebnih tabli:", &Label16},
        {"Cena 1m\u00b2 materijala:", &Label17}, {"Ukupna cena elemenata:", &Label18},
    };
    QStringList captions;
    for (const Row &row : rows)
        captions << QString::fromUtf8(row.caption);
    // The longest caption must end before the values begin.
    const QFont captionFont = FontFitting(Panel1->font(), captions, kValueLeft - kCaptionLeft - kCaptionGap);
    int top = 40;
    for (const Row &row : rows) {
        QLabel *caption = LabelAt(QString::fromUtf8(row.caption), kCaptionLeft, top, Panel1);
        caption->setFont(captionFont);
        caption->adjustSize();
        *row.value = LabelAt(QStringLiteral("xxx"), kValueLeft, top, Panel1);
        top += 16;
    }

    Button3 = new KeyboardButton(QStringLiteral("Button3"), Panel1);
    Button3->setGeometry(88, 176, 75, 25);
    Button3->installEventFilter(this);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
}

std::vector<int> TForm2::SelectedElements() const
{
    std::vector<int> elements;
    const QModelIndexList selected = ListBox1->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        elements.push_back(index.row() + 1);
    return elements;
}

void TForm2::POPMEdit3Click()
{
    const int k = ListBox1->currentRow() + 1;
    if (k < 1 || ElementCount(Elements) == 0)
        return;
    TElement &element = Elements[static_cast<std::size_t>(k - 1)];
    TForm12 edit(m_state, this);
    edit.UnitFactor = m_state.UnitFactor;
    edit.OldElement = element;
    if (edit.exec() == QDialog::Accepted) {
        element = edit.NewElement;
        ShowList();
    }
    // Back from the window above it, the dialog starts its entry afresh.
    FormActivate();
}

void TForm2::Delete1Click()
{
    if (DeleteSet(Elements, SelectedElements()) == ListEditResult::Done)
        ShowList();
}

void TForm2::Duplicate1Click()
{
    if (DuplicateEntries(Elements, SelectedElements()) == ListEditResult::Done)
        ShowList();
}

void TForm2::Databaseproperties1Click()
{
    const EntryStatistics statistics = ComputeEntryStatistics(Elements, m_state.Settings);
    Panel1->move(0, 0);
    Panel1->show();
    Panel1->raise();
    SText1->StartScrolling();
    ListBox1->setEnabled(false);
    Button3->setFocus(); // the fields are under the panel: the keyboard stays on it

    const std::pair<QLabel *, const std::string *> values[] = {
        {Label12, &statistics.pieces},    {Label13, &statistics.area},   {Label21, &statistics.material},
        {Label14, &statistics.board},     {Label15, &statistics.boardArea}, {Label16, &statistics.boards},
        {Label17, &statistics.price},     {Label18, &statistics.totalPrice},
    };
    for (const auto &[label, text] : values) {
        label->setText(QString::fromStdString(*text));
        label->adjustSize();
    }
    // The material's name is the one figure of any length: it is cut to the panel.
    const int room = Panel1->contentsRect().right() - kValueLeft - kCaptionGap;
    SetElidedText(*Label21, QString::fromStdString(statistics.material), room);
    Label21->resize(std::min(Label21->width(), room), Label21->height());
}

void TForm2::Button3Click()
{
    Panel1->lower();
    Panel1->hide();
    SText1->StopScrolling();
    ListBox1->setEnabled(true);
    FocusLength();
}

void TForm2::Clearallelements1Click()
{
    if (ElementCount(Elements) == 0)
        return;
    // Emptying the list must be chosen: Enter picks No.
    const Platform::Answer answer = m_desktop.MessageBox(
        Platform::Icon::Warning, Platform::Buttons::YesNo,
        QStringLiteral("Da li ste sigurni da zelite da obrisete sve elemente sa spiska?\n\n"), Platform::Answer::No);
    if (answer == Platform::Answer::Yes) {
        ClearList(Elements);
        ShowList();
        emit ElementsCleared();
    }
    FormActivate();
}
