// The document window's material selector and unit-of-measure label.

#include "document/Unit16.h"

#include "common/Conversions.h"
#include "common/Encoding.h"
#include "common/MaterialSettings.h"
#include "common/ProgramState.h"
#include "document/Document.h"
#include "document/MaterialComboBox.h"
#include "document/MaterialItems.h"
#include "document/UnitLabel.h"
#include "platform/Colours.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QPainter>

namespace {

const QColor kUsedUpBackground(252, 220, 215);
const QColor kUsedUpText(105, 105, 105);
constexpr int kItemTextLeft = 5;

} // namespace

void TForm16::FillMaterials()
{
    const ProgramState &state = m_state;
    const int n = BoardTypeCount(state.BoardTypes);
    ComboBox1->clear();
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(11);
    font.setBold(false);
    font.setItalic(false);
    ComboBox1->setFont(font);
    for (int b = 0; b < n; ++b) {
        const TBoardType &board = state.BoardTypes[static_cast<std::size_t>(b)];
        const std::string text = MaterialItemText(board, state.Settings.MaterialListLayout());
        ComboBox1->addItem(QString::fromStdString(Win1250ToUtf8(text)));
    }
    const int remembered = int(state.Settings.RememberedMaterial()) - 2;
    ComboBox1->setCurrentIndex(remembered >= 0 && remembered < n ? remembered : -1);
}

void TForm16::ComboBox1Change()
{
    m_document->SetMaterialIndex(ComboBox1->currentIndex() + 1);
    ComboBox1->update();
    if (MaterialIndex <= 0)
        return;
    ProgramState &state = m_state;
    TSettings &settings = state.Settings;
    settings.SetRememberedMaterial(static_cast<std::uint16_t>(MaterialIndex + 1));
    ApplyBoardType(settings, state.BoardTypes[static_cast<std::size_t>(MaterialIndex - 1)]);
    ShowGrainBox(settings.DefaultGrain());
}

void TForm16::SelectMaterial(int board)
{
    ComboBox1->setCurrentIndex(board - 1);
    ComboBox1Change();
}

void TForm16::ShowGrainBox(bool flag)
{
    CheckBox1->setVisible(flag);
    CheckBox1->setChecked(flag);
}

void TForm16::ComboBox1DrawItem(QPainter &painter, int index, const QRect &rect) const
{
    const ProgramState &state = m_state;
    if (index < 0 || index >= kMaxBoardTypes)
        return;
    const auto *combo = static_cast<const MaterialComboBox *>(ComboBox1);
    const bool current = index + 1 == MaterialIndex && !combo->DroppedDown();
    const bool usedUp = IsMaterialUsedUp(state.BoardTypes[static_cast<std::size_t>(index)]);
    QColor background = usedUp ? kUsedUpBackground : ComboBox1->palette().color(QPalette::Base);
    QColor text = usedUp ? kUsedUpText : QColor(Qt::black);
    if (current) {
        background = ColourFromWindows(state.Settings.SelectedBackColour());
        text = ColourFromWindows(state.Settings.SelectedTextColour());
    }
    painter.fillRect(rect, background);
    painter.setPen(text);
    const QFontMetrics metrics(painter.font());
    const int bottom = rect.top() + rect.height();
    const int top = (rect.top() + bottom) / 2 - metrics.height() / 2;
    painter.drawText(rect.left() + kItemTextLeft, top + metrics.ascent(), ComboBox1->itemText(index));
}

void TForm16::PaintBox1DblClick()
{
    ProgramState &state = m_state;
    const std::int32_t unit = state.Settings.Unit() == UnitMm ? UnitCm : UnitMm;
    state.Settings.SetUnit(unit);
    state.UnitFactor = UnitFactorOf(unit);
    emit UnitSwitched();
    PaintBox1->update();
}
