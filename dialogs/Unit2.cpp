// The new-elements dialog's form: its components, activation, colours and the
// banding and label switches.

#include "dialogs/Unit2.h"

#include "common/ProgramState.h"
#include "dialogs/DialogHints.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/KeyboardButton.h"
#include "dialogs/TScrtext.h"
#include "platform/Win1250Validator.h"
#include "platform/Colours.h"
#include "platform/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QShowEvent>
#include <QToolButton>

#include <initializer_list>
#include <iterator>

namespace {

constexpr int kFormWidth = 487;
constexpr int kFormHeight = 317;
constexpr int kFieldCharacters = 5;
constexpr int kLabelCharacters = 15;
const QSize kPreviewSize(150, 83);

QLineEdit *FieldAt(int left, int top, int width, int maxLength, const QString &text, QWidget *parent)
{
    QLineEdit *field = EditAt(QRect(left, top, width, 23), parent);
    field->setMaxLength(maxLength);
    field->setText(text);
    return field;
}

void ShowAll(std::initializer_list<QWidget *> widgets, bool visible)
{
    for (QWidget *widget : widgets)
        widget->setVisible(visible);
}

QToolButton *SwitchAt(const QString &caption, int top, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(8, top, 81, 22);
    return button;
}

} // namespace

TForm2::TForm2(ProgramState &state, Platform &desktop, QWidget *parent)
    : KeyboardDialog(parent), m_state(state), m_desktop(desktop)
{
    setWindowTitle(QStringLiteral("Unosenje novih elemenata"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kFormWidth, kFormHeight);
    setFont(DialogFont(11));
    BuildEntryFields();
    BuildPreviewAndSwitches();
    BuildList();
    BuildStatisticsPanel();
    SetTabOrder();
    NameComponents({{this, "Form2"}, {GroupBox1, "GroupBox1"}, {Duzina, "Duzina"}, {Sirina, "Sirina"},
                    {Edit2, "Edit2"}, {RadioGroup1, "RadioGroup1"}, {KantDuzine, "KantDuzine"},
                    {KantSirine, "KantSirine"}, {CheckBox1, "CheckBox1"}, {Label20, "Label20"}, {Edit1, "Edit1"},
                    {Button2, "Button2"}, {Button1, "Button1"}, {Label19, "Label19"}, {Bevel1, "Bevel1"},
                    {Image1, "Image1"}, {SpeedButton1, "SpeedButton1"}, {SpeedButton2, "SpeedButton2"},
                    {ListBox1, "ListBox1"}, {PopupMenu1, "PopupMenu1"}, {Panel1, "Panel1"}, {SText1, "SText1"},
                    {Button3, "Button3"}});
    // The hints belong to the form, which leaves their display off.
    ClearPreview();
}

TForm2::~TForm2() = default;

void TForm2::BuildEntryFields()
{
    GroupBox1 = new QGroupBox(QStringLiteral("Novi elementi"), this);
    GroupBox1->setGeometry(0, 0, 265, 217);
    QFont boxFont(QStringLiteral("Comic Sans MS"));
    boxFont.setPixelSize(11);
    GroupBox1->setFont(boxFont);

    LabelAt(QStringLiteral("Duzina:"), 8, 40, GroupBox1);
    Duzina = FieldAt(64, 32, 57, kFieldCharacters, QStringLiteral("000"), GroupBox1);
    SetDialogHint(Duzina, QStringLiteral("Polje za unos duzine elementa"));
    LabelAt(QStringLiteral("Sirina:"), 8, 72, GroupBox1);
    Sirina = FieldAt(64, 64, 57, kFieldCharacters, QStringLiteral("000"), GroupBox1);
    SetDialogHint(Sirina, QStringLiteral("Polje za unos sirine elementa"));
    LabelAt(QStringLiteral("Broj:"), 8, 104, GroupBox1);
    Edit2 = FieldAt(64, 96, 57, kFieldCharacters, QStringLiteral("1"), GroupBox1);
    SetDialogHint(Edit2, QStringLiteral("Broj ovakvih elemenata"));

    RadioGroup1 = new QGroupBox(QStringLiteral("Kantovanje"), GroupBox1);
    RadioGroup1->setGeometry(128, 8, 129, 89);
    RadioGroup1->hide();
    KantDuzine = NewBandingBox(136, 32, 113, GroupBox1);
    SetDialogHint(KantDuzine, QStringLiteral("Kantovanje duzine"));
    KantSirine = NewBandingBox(136, 66, 113, GroupBox1);
    SetDialogHint(KantSirine, QStringLiteral("Kantovanje sirine"));
    for (QComboBox *box : {KantDuzine, KantSirine}) {
        box->setFocusPolicy(Qt::ClickFocus);
        box->hide();
    }

    CheckBox1 = new QCheckBox(QStringLiteral("Prati Teksturu"), GroupBox1);
    CheckBox1->setGeometry(8, 128, 121, 17);
    CheckBox1->setChecked(true);

    Label20 = LabelAt(QStringLiteral("Oznaka:"), 8, 160, GroupBox1);
    Edit1 = FieldAt(64, 152, 193, kLabelCharacters, QString(), GroupBox1);
    Edit1->setValidator(new Win1250Validator(Edit1));
    Label20->hide();
    Edit1->hide();

    Button2 = new KeyboardButton(QStringLiteral("Dodaj elemente"), GroupBox1);
    Button2->setGeometry(8, 184, 91, 25);
    SetDialogHint(Button2, QStringLiteral("Dodavanje tekuceg elementa u bazu"));
    Button2->setEnabled(false);
    Button1 = new KeyboardButton(QStringLiteral("Zavrsen unos"), GroupBox1);
    Button1->setGeometry(168, 184, 91, 25);
    SetDialogHint(Button1, QStringLiteral("Povratak u glavni prozor programa"));
    FitCaption(*Button2);
    FitCaption(*Button1);
    FitCaption(*CheckBox1);

    for (QLineEdit *field : {Duzina, Sirina, Edit2})
        connect(field, &QLineEdit::textChanged, this, [this, field] { FieldChange(field); });
    const std::initializer_list<QObject *> keyed = {Duzina, Sirina, Edit2, CheckBox1, Edit1,
                                                    KantDuzine, KantSirine, Button2};
    for (QObject *control : keyed)
        control->installEventFilter(this);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm2::DrawPreview);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm2::BuildPreviewAndSwitches()
{
    Label19 = LabelAt(QStringLiteral("Pregled:"), 8, 224, this);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setGeometry(93, 224, 157, 89);
    Image1 = new QLabel(this);
    Image1->setGeometry(QRect(QPoint(96, 227), kPreviewSize));

    SpeedButton1 = SwitchAt(QStringLiteral("KANTOVANJE"), 248, this);
    SpeedButton2 = SwitchAt(QStringLiteral("OZNAKE"), 280, this);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm2::SpeedButton2Click);
}

void TForm2::SetTabOrder()
{
    // The banding boxes are no tab stops; the statistics panel's button is reached only while it shows.
    QWidget *const order[] = {Duzina, Sirina, Edit2, CheckBox1, Edit1, Button2, Button1, Button3, ListBox1};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void TForm2::showEvent(QShowEvent *event)
{
    KeyboardDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TForm2::FormActivate()
{
    const TSettings &settings = m_state.Settings;
    SkipEnter = false;
    m_pressedOn = nullptr;
    const bool banding = settings.BandingInUse();
    ShowAll({RadioGroup1, KantDuzine, KantSirine}, banding);
    SpeedButton1->setChecked(banding);
    const bool labels = settings.LabelsEntered();
    ShowAll({Label20, Edit1}, labels);
    SpeedButton2->setChecked(labels);
    ShowAll({CheckBox1, Image1, Bevel1, Label19}, settings.DefaultGrain());
    KantDuzine->setCurrentIndex(BandingNone);
    KantSirine->setCurrentIndex(BandingNone);
    Duzina->setText(QStringLiteral("000"));
    Sirina->setText(QStringLiteral("000"));
    Edit2->setText(QStringLiteral("1"));
    FocusLength();
    ShowList();
    ApplyColours();
}

void TForm2::ApplyColours()
{
    const QColor colour = ColourFromWindows(m_state.Settings.ControlColour());
    const std::initializer_list<QWidget *> controls = {Duzina, Sirina, Edit2, Edit1,
                                                       KantDuzine, KantSirine, ListBox1};
    for (QWidget *widget : controls)
        SetBaseColour(widget, colour);
}

void TForm2::SpeedButton1Click()
{
    const bool down = SpeedButton1->isChecked();
    m_state.Settings.SetBandingInUse(down);
    emit BandingSwitched();
    ShowAll({RadioGroup1, KantDuzine, KantSirine}, down);
}

void TForm2::SpeedButton2Click()
{
    const bool down = SpeedButton2->isChecked();
    m_state.Settings.SetLabelsEntered(down);
    ShowAll({Edit1, Label20}, down);
    if (!down)
        Edit1->clear();
}
