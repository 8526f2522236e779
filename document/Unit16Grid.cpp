// The document window's element grid and quick-entry row: filling the grid,
// its keys, the selection arithmetic, deleting and appending elements.

#include "document/Unit16.h"

#include "common/Conversions.h"
#include "common/ListAlgorithms.h"
#include "document/DocumentHost.h"
#include "document/ElementGrid.h"
#include "document/ElementTableModel.h"
#include "document/EntryValues.h"
#include "document/GridSelection.h"
#include "document/UnitLabel.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

void TForm16::ShowElements()
{
    // A reset forgets the cursor and the selection; the grid keeps them across a refill.
    const RowRange selected = SelectedRowRange(*SG1);
    const QModelIndex current = SG1->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    const int scroll = SG1->verticalScrollBar()->value();

    m_model->Reset();

    const int last = m_model->rowCount() - 1;
    const int row = current.isValid() ? std::clamp(current.row(), 1, last) : 1;
    const int top = selected.top < 0 ? row : std::clamp(selected.top, 1, last);
    const int bottom = selected.top < 0 ? row : std::clamp(selected.bottom, top, last);
    QItemSelectionModel *selection = SG1->selectionModel();
    selection->setCurrentIndex(m_model->index(row, column), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(m_model->index(top, 0), m_model->index(bottom, kElementGridColumns - 1)),
                      QItemSelectionModel::ClearAndSelect);
    SG1->verticalScrollBar()->setValue(scroll);
    // A unit switch in another window refills this grid; the label follows it.
    PaintBox1->update();
}

void TForm16::SortElements()
{
    if (ElementCount(Elements) > 0)
        SortByLength(Elements);
}

void TForm16::SetCurrentRow(int row)
{
    const int column = SG1->currentIndex().isValid() ? SG1->currentIndex().column() : 0;
    const QModelIndex index = m_model->index(row, column);
    SG1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    SG1->scrollTo(index);
}

int TForm16::CurrentElement() const
{
    const int row = SG1->currentIndex().row();
    return row >= kFirstElementRow ? row - 1 : 0;
}

std::pair<int, int> TForm16::SelectedElementRange() const
{
    const RowRange rows = SelectedRowRange(*SG1);
    if (rows.top < 0)
        return {0, -1};
    // Select-all takes in the hidden heading row; the range starts at row 1 at most.
    return {std::max(rows.top, 1) - 1, rows.bottom - 1};
}

void TForm16::DeleteSelectedElements()
{
    const int n = ElementCount(Elements);
    const auto [first, last] = SelectedElementRange();
    if (n == 0 || last - first + 1 <= 0)
        return;
    TElementList kept;
    ClearList(kept);
    std::size_t slot = 0;
    for (int j = 1; j <= n; ++j) {
        if (j < first || j > last)
            kept[slot++] = Elements[static_cast<std::size_t>(j - 1)];
    }
    Elements = kept;
    ShowElements();
    SetCurrentRow(1);
}

void TForm16::SG1KeyUp(const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    if (event.key() == Qt::Key_Delete) {
        m_host.Obrisielemente1Click();
        return;
    }
    const int digit = MainKeyboardDigit(event);
    const int e = CurrentElement();
    if (digit == 0 || e < 1 || !m_host.State().Settings.BandingInUse())
        return;
    TElement &element = Elements[static_cast<std::size_t>(e - 1)];
    const auto code = static_cast<std::uint8_t>(digit - 1);
    if (event.modifiers() & Qt::ShiftModifier)
        element.WidthBanding = code;
    else
        element.LengthBanding = code;
    ShowElements();
}

void TForm16::SG1ContextMenu(const QPoint &position)
{
    if (QMenu *menu = m_host.ListBox1Popup())
        menu->exec(SG1->viewport()->mapToGlobal(position));
}

bool TForm16::EntryRowKeyPress(QObject *watched)
{
    if (watched == Edit1 || watched == Edit5) {
        QLineEdit *from = watched == Edit1 ? Edit1 : Edit5;
        QLineEdit *to = watched == Edit1 ? Edit5 : Edit6;
        if (from->text().isEmpty())
            return false;
        to->setFocus();
        to->selectAll();
        return true;
    }
    if (watched == Edit6) {
        if (Edit5->text().isEmpty())
            return false;
        if (!CheckBox1->isHidden()) {
            // Enter moves on as Tab would, so the box shows its focus frame: it
            // is the only sign that the next Enter adds the element.
            window()->setAttribute(Qt::WA_KeyboardFocusChange);
            CheckBox1->setFocus(Qt::TabFocusReason);
        } else {
            AddFromEntryRow();
        }
        return true;
    }
    if (watched == CheckBox1) {
        AddFromEntryRow();
        return true;
    }
    return false;
}

void TForm16::AddFromEntryRow()
{
    ProgramState &state = m_host.State();
    const std::int32_t count = TextToInt(Edit6->text().toStdString());
    Edit6->setText(QString::fromStdString(IntToText(count)));
    const std::int32_t unit = state.Settings.Unit();
    const auto length = DimensionFromText(Edit1->text().toStdString(), unit, state.UnitFactor);
    const auto width = DimensionFromText(Edit5->text().toStdString(), unit, state.UnitFactor);
    // Zero, negative and unreadable values, and counts beyond 16 bits, add nothing.
    if (!length || !width || *length <= 0 || *width <= 0 || !IsAcceptedCount(count))
        return;

    TElement e = ZeroElement();
    e.Length = *length;
    e.Width = *width;
    e.Count = static_cast<std::uint16_t>(count);
    e.Grain = CheckBox1->isChecked() ? 1 : 0;
    if (!AppendElement(Elements, e))
        return;
    ShowElements();
    SetCurrentRow(m_model->rowCount() - 1);

    CheckBox1->setChecked(state.Settings.DefaultGrain());
    if (state.Settings.ResetLength())
        Edit1->setText(QStringLiteral("000"));
    if (state.Settings.ResetWidth())
        Edit5->setText(QStringLiteral("000"));
    if (state.Settings.ResetCount())
        Edit6->setText(QStringLiteral("1"));
    Edit1->setFocus();
    Edit1->selectAll();
}
