// The document window's element grid: filling it, its keys, the selection
// arithmetic, and appending what the entry row typed.

#include "document/Unit16.h"

#include "common/ListAlgorithms.h"
#include "common/ProgramState.h"
#include "document/Document.h"
#include "document/ElementGrid.h"
#include "document/ElementTableModel.h"
#include "document/EntryRow.h"
#include "document/GridSelection.h"
#include "document/UnitLabel.h"

#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <utility>

void TForm16::ShowElements()
{
    // A reset forgets the cursor and the selection; the grid keeps them across a refill.
    const RowRange selected = SelectedRowRange(*SG1);
    const QModelIndex current = SG1->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    const int scroll = SG1->verticalScrollBar()->value();

    m_gridModel->Reset();

    const int last = m_gridModel->rowCount() - 1;
    const int row = current.isValid() ? std::clamp(current.row(), 1, last) : 1;
    const int top = selected.top < 0 ? row : std::clamp(selected.top, 1, last);
    const int bottom = selected.top < 0 ? row : std::clamp(selected.bottom, top, last);
    QItemSelectionModel *selection = SG1->selectionModel();
    selection->setCurrentIndex(m_gridModel->index(row, column), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(m_gridModel->index(top, 0), m_gridModel->index(bottom, kElementGridColumns - 1)),
                      QItemSelectionModel::ClearAndSelect);
    SG1->verticalScrollBar()->setValue(scroll);
    // A unit switch in another window refills this grid; the label follows it.
    PaintBox1->update();
}

namespace {

TElementList SortedByLength(TElementList list)
{
    SortByLength(list);
    return list;
}

} // namespace

void TForm16::SortElements(const QString &step)
{
    if (ElementCount(Elements) > 0)
        m_document->ReplaceElements(SortedByLength(Elements), step);
}

void TForm16::SetCurrentRow(int row)
{
    const int column = SG1->currentIndex().isValid() ? SG1->currentIndex().column() : 0;
    const QModelIndex index = m_gridModel->index(row, column);
    SG1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    SG1->scrollTo(index);
}

void TForm16::SelectElements(int first, int last)
{
    const QModelIndex current = m_gridModel->index(first + 1, std::max(SG1->currentIndex().column(), 0));
    QItemSelectionModel *selection = SG1->selectionModel();
    selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(m_gridModel->index(first + 1, 0), m_gridModel->index(last + 1, kElementGridColumns - 1)),
                      QItemSelectionModel::ClearAndSelect);
    SG1->scrollTo(current);
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

void TForm16::SG1KeyUp(const QKeyEvent &event)
{
    if (event.isAutoRepeat())
        return;
    if (event.key() == Qt::Key_Delete) {
        emit DeleteSelectionRequested();
        return;
    }
    const int digit = MainKeyboardDigit(event);
    if (digit == 0)
        return;
    // A digit whose press the grid did not see (it went to a box now closed) does nothing.
    const std::optional<bool> shifted = std::exchange(m_shiftAtDigitPress[static_cast<std::size_t>(digit)], std::nullopt);
    const int e = CurrentElement();
    if (!shifted || e < 1 || !m_state.Settings.BandingInUse())
        return;
    TElementList banded = Elements;
    TElement &element = banded[static_cast<std::size_t>(e - 1)];
    const auto code = static_cast<std::uint8_t>(digit - 1);
    if (*shifted)
        element.WidthBanding = code;
    else
        element.LengthBanding = code;
    m_document->ReplaceElements(banded, QStringLiteral("Kantovanje"));
}

void TForm16::SG1ContextMenu(const QPoint &position)
{
    if (m_gridMenu != nullptr)
        m_gridMenu->exec(SG1->viewport()->mapToGlobal(position));
}

void TForm16::OpenGridMenuAtCursor()
{
    const QRect row = SG1->visualRect(SG1->currentIndex());
    SG1ContextMenu(row.isValid() ? row.center() : SG1->viewport()->rect().center());
}

void TForm16::AddFromEntryRow()
{
    const std::optional<TElement> typed = m_entryRow->TakeTypedElement();
    if (!typed)
        return;
    TElementList appended = Elements;
    if (!AppendElement(appended, *typed))
        return; // a full list takes nothing and says nothing
    m_document->ReplaceElements(appended, QStringLiteral("Unos elementa"));
    SetCurrentRow(m_gridModel->rowCount() - 1);
    m_entryRow->ResetAfterAdd();
}
