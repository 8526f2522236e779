// The new-elements dialog's add, its running list and its preview.

#include "dialogs/Unit2.h"

#include "common/ElementSummary.h"
#include "common/ProgramState.h"
#include "dialogs/ElementPreview.h"
#include "dialogs/FieldFilters.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

std::int32_t TForm2::TypedMillimetres(const QLineEdit *field) const
{
    // A text that is no dimension adds nothing, as 0 does.
    return EntryMillimetres(field->text(), m_state.Settings.Unit(), m_state.UnitFactor).value_or(0);
}

bool TForm2::GrainShown() const
{
    return CheckBox1->isChecked() && CheckBox1->isVisibleTo(this);
}

void TForm2::Button2Click()
{
    const TSettings &settings = m_state.Settings;
    const std::int32_t typedLength = TypedMillimetres(Duzina);
    const std::int32_t typedWidth = TypedMillimetres(Sirina);
    TElement e = ZeroElement();
    e.Length = typedLength;
    e.Width = typedWidth;
    if (settings.BandingInUse()) {
        e.LengthBanding = static_cast<std::uint8_t>(KantDuzine->currentIndex());
        e.WidthBanding = static_cast<std::uint8_t>(KantSirine->currentIndex());
    }
    if (settings.AddAbsThickness()) {
        // Tape on the width edges lengthens the element, tape on the length edges widens it.
        const std::int32_t thickness = settings.AbsThickness();
        e.Length += thickness * AbsEdges(e.WidthBanding);
        e.Width += thickness * AbsEdges(e.LengthBanding);
    }
    const std::optional<std::string> label = settings.LabelsEntered() ? LabelBytes(Edit1->text()) : std::string();
    if (!label) {
        Edit1->setFocus();
        return;
    }
    e.Label.assign(*label);
    e.Grain = GrainShown() ? 1 : 0;
    ClearPreview();

    // A size beyond any board is refused as a zero count is, with a beep.
    if (e.Length > kMaxDimensionMm || e.Width > kMaxDimensionMm) {
        RefuseField(e.Length > kMaxDimensionMm ? Duzina : Sirina);
        m_desktop.Beep();
        return;
    }
    const std::optional<std::uint16_t> count = CountFromText(Edit2->text());
    if (!count) {
        RefuseField(Edit2);
        return;
    }
    e.Count = *count;
    const bool isElement = typedLength > 0 && typedWidth > 0;
    // A full list takes nothing more, without a word.
    if (isElement)
        AppendElement(Elements, e);

    if (settings.ResetLength())
        Duzina->setText(QStringLiteral("000"));
    if (settings.ResetWidth())
        Sirina->setText(QStringLiteral("000"));
    if (settings.ResetCount())
        Edit2->setText(QStringLiteral("1"));
    if (settings.ClearLabel())
        Edit1->clear();
    if (settings.ResetBanding()) {
        KantDuzine->setCurrentIndex(BandingNone);
        KantSirine->setCurrentIndex(BandingNone);
    }
    ShowList();
    CheckBox1->setChecked(true);
}

void TForm2::RefuseField(QLineEdit *field)
{
    field->setFocus();
    field->selectAll();
    SkipEnter = true;
    m_refusedField = field;
}

void TForm2::ShowList()
{
    ListBox1->clear();
    const DisplayOptions options = DisplayOptionsOf(m_state.Settings);
    const int n = ElementCount(Elements);
    for (int i = 0; i < n; ++i)
        ListBox1->addItem(QString::fromStdString(ElementSummary(options, Elements[static_cast<std::size_t>(i)])));
    if (n == 0)
        return;
    const QModelIndex last = ListBox1->model()->index(n - 1, 0);
    ListBox1->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    ListBox1->scrollTo(last);
}

void TForm2::DrawPreview()
{
    const TSettings &settings = m_state.Settings;
    PreviewInput input;
    input.boardLength = settings.UsableBoardLength();
    input.boardWidth = settings.UsableBoardWidth();
    // Without a material there is no board to draw on.
    if (input.boardLength <= 0 || input.boardWidth <= 0) {
        ClearPreview();
        return;
    }
    input.length = TypedMillimetres(Duzina);
    input.width = TypedMillimetres(Sirina);
    input.grain = GrainShown();
    Image1->setPixmap(QPixmap::fromImage(DrawElementPreview(Image1->size(), input)));
}

void TForm2::ClearPreview()
{
    Image1->setPixmap(QPixmap::fromImage(ClearedPreview(Image1->size())));
}
