#include "dialogs/Unit12.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/ProgramState.h"
#include "dialogs/DialogHints.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/FieldFilters.h"
#include "dialogs/KeyboardButton.h"
#include "platform/Win1250Validator.h"
#include "platform/Colours.h"
#include "platform/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kFormWidth = 260;
constexpr int kFormHeight = 187;
constexpr int kDimensionCharacters = 5;
constexpr int kLabelCharacters = 25;
constexpr int kEditHeight = 21;

QString DimensionText(std::int32_t mm, std::int32_t unit, double unitFactor)
{
    switch (unit) {
    case UnitMm: return QString::fromStdString(IntToText(mm));
    case UnitCm: return QString::fromStdString(FloatToFixed(3, 1, mm * unitFactor));
    case UnitM: return QString::fromStdString(FloatToFixed(1, 3, mm * unitFactor));
    default: return QString();
    }
}

// The typing limit is for typing: a length of 10 m or more shows whole in cm
// ("1234.5") and m ("12.345"), and the field then takes that many characters.
void ShowDimension(QLineEdit *field, const QString &text)
{
    field->setMaxLength(std::max<int>(kDimensionCharacters, static_cast<int>(text.size())));
    field->setText(text);
}

// A code the list cannot show reads as no banding.
int BandingItem(std::uint8_t code)
{
    return code < kBandingCodeCount ? int(code) : int(BandingNone);
}

} // namespace

TForm12::TForm12(ProgramState &state, QWidget *parent) : KeyboardDialog(parent), m_state(state)
{
    setWindowTitle(QStringLiteral("Izmena podataka"));
    setFixedSize(kFormWidth, kFormHeight);
    setFont(DialogFont(11));

    LabelAt(QStringLiteral("Duzina:"), 8, 16, this);
    Edit1 = EditAt(QRect(72, 8, 65, kEditHeight), this);
    Edit1->setMaxLength(kDimensionCharacters);
    KantDuzine = NewBandingBox(142, 8, 113, this);
    SetDialogHint(KantDuzine, QStringLiteral("Kantovanje duzine"));
    LabelAt(QStringLiteral("Sirina:"), 8, 40, this);
    Edit2 = EditAt(QRect(72, 32, 65, kEditHeight), this);
    Edit2->setMaxLength(kDimensionCharacters);
    KantSirine = NewBandingBox(142, 32, 113, this);
    SetDialogHint(KantSirine, QStringLiteral("Kantovanje sirine"));
    Label4 = LabelAt(QStringLiteral("Oznaka:"), 8, 64, this);
    Edit3 = EditAt(QRect(72, 56, 185, kEditHeight), this);
    Edit3->setValidator(new Win1250Validator(Edit3));
    LabelAt(QStringLiteral("Komada:"), 8, 88, this);
    Edit4 = EditAt(QRect(72, 80, 65, kEditHeight), this);
    CheckBox1 = new QCheckBox(QStringLiteral("Prati teksturu"), this);
    CheckBox1->setGeometry(8, 112, 97, 17);
    Button1 = new KeyboardButton(QStringLiteral("Povratak"), this);
    Button1->setGeometry(72, 152, 75, 25);
    Button2 = new KeyboardButton(QStringLiteral("Izmena"), this);
    Button2->setGeometry(168, 152, 75, 25);
    FitCaption(*CheckBox1);
    FitCaption(*Button1);
    FitCaption(*Button2);

    NameComponents({{this, "Form12"}, {Edit1, "Edit1"}, {KantDuzine, "KantDuzine"}, {Edit2, "Edit2"},
                    {KantSirine, "KantSirine"}, {Edit3, "Edit3"}, {Edit4, "Edit4"}, {CheckBox1, "CheckBox1"},
                    {Button1, "Button1"}, {Button2, "Button2"}});
    for (QLineEdit *field : {Edit1, Edit2, Edit4})
        connect(field, &QLineEdit::textChanged, this, [this, field] { Edit1Change(field); });
    const std::initializer_list<QWidget *> order = {Edit1, KantDuzine, Edit2, KantSirine, Edit3,
                                                   Edit4, CheckBox1, Button1, Button2};
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
        if (control != Button1 && control != Button2)
            control->installEventFilter(this);
    }
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, &TForm12::Button2Click);

    // Creation.
    CheckBox1->setChecked(false);
    ApplyColours();
}

TForm12::~TForm12() = default;

void TForm12::showEvent(QShowEvent *event)
{
    KeyboardDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TForm12::ApplyColours()
{
    const QColor colour = ColourFromWindows(m_state.Settings.ControlColour());
    const std::initializer_list<QWidget *> controls = {Edit1, Edit2, Edit3, Edit4, KantDuzine, KantSirine};
    for (QWidget *control : controls)
        SetBaseColour(control, colour);
}

void TForm12::FormActivate()
{
    const TSettings &settings = m_state.Settings;
    ShowDialogHints(this, settings.EditHints());
    Edit3->setVisible(settings.LabelsEntered());
    Edit3->setMaxLength(kLabelCharacters);
    KantDuzine->setEnabled(settings.BandingInUse());
    KantSirine->setEnabled(settings.BandingInUse());
    const TElement old = OldElement;
    Edit3->setText(QString::fromStdString(Win1250ToUtf8(old.Label.str())));
    Edit4->setText(QString::fromStdString(IntToText(old.Count)));
    KantDuzine->setCurrentIndex(BandingItem(old.LengthBanding));
    KantSirine->setCurrentIndex(BandingItem(old.WidthBanding));
    CheckBox1->setChecked(old.Grain != 0);
    ShowDimension(Edit1, DimensionText(old.Length, settings.Unit(), UnitFactor));
    ShowDimension(Edit2, DimensionText(old.Width, settings.Unit(), UnitFactor));
    FocusSelected(Edit1);
    CheckInput();
}

void TForm12::Edit1Change(QLineEdit *field)
{
    const QString filtered = FilterEditField(field->text(), UnitFactor != 1.0);
    if (filtered != field->text()) {
        field->setText(filtered); // the caret goes to the end
        return;
    }
    CheckInput();
}

void TForm12::CheckInput()
{
    const auto positive = [](const QLineEdit *field) {
        return !field->text().isEmpty() && TextToFloat(field->text().toStdString()) > 0;
    };
    Button2->setEnabled(positive(Edit1) && positive(Edit2));
}

bool TForm12::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && IsEnterKey(static_cast<QKeyEvent *>(event)->key())) {
        EnterPressed(watched);
        return true;
    }
    return KeyboardDialog::eventFilter(watched, event);
}

void TForm12::EnterPressed(QObject *watched)
{
    const bool labelReachable = Edit3->isVisibleTo(this) && Edit3->isEnabled();
    QWidget *afterWidth = labelReachable ? static_cast<QWidget *>(Edit3) : Edit4;
    QWidget *next = nullptr;
    if (watched == Edit1)
        next = KantDuzine->isEnabled() ? static_cast<QWidget *>(KantDuzine) : Edit2;
    else if (watched == KantDuzine)
        next = Edit2;
    else if (watched == Edit2)
        next = KantSirine->isEnabled() ? static_cast<QWidget *>(KantSirine) : afterWidth;
    else if (watched == KantSirine)
        next = afterWidth;
    else if (watched == Edit3)
        next = Edit4;
    else if (watched == Edit4)
        next = CheckBox1;
    else if (watched == CheckBox1)
        next = Button2->isEnabled() ? static_cast<QWidget *>(Button2) : Edit1;
    if (next)
        next->setFocus();
}

void TForm12::FocusSelected(QLineEdit *field)
{
    field->setFocus();
    field->selectAll();
}

void TForm12::Button2Click()
{
    const TSettings &settings = m_state.Settings;
    const std::optional<std::int32_t> length = EditMillimetres(Edit1->text(), UnitFactor);
    if (!length) {
        FocusSelected(Edit1);
        return;
    }
    const std::optional<std::int32_t> width = EditMillimetres(Edit2->text(), UnitFactor);
    if (!width) {
        FocusSelected(Edit2);
        return;
    }
    const std::optional<std::uint16_t> count = CountFromText(Edit4->text());
    if (!count) {
        FocusSelected(Edit4);
        return;
    }
    const TElement old = OldElement;
    TElement e = ZeroElement();
    e.Length = *length;
    e.Width = *width;
    e.LengthBanding = settings.BandingInUse() ? static_cast<std::uint8_t>(KantDuzine->currentIndex()) : old.LengthBanding;
    e.WidthBanding = settings.BandingInUse() ? static_cast<std::uint8_t>(KantSirine->currentIndex()) : old.WidthBanding;
    e.Grain = CheckBox1->isChecked() && CheckBox1->isVisibleTo(this) ? 1 : 0;
    e.Count = *count;
    if (Edit3->isVisibleTo(this)) {
        const std::optional<std::string> label = LabelBytes(Edit3->text());
        if (!label) {
            FocusSelected(Edit3);
            return;
        }
        e.Label.assign(*label);
    } else {
        e.Label = old.Label;
    }
    NewElement = e;
    accept();
}
