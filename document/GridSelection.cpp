#include "document/GridSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

RowRange SelectedRowRange(const QAbstractItemView &view)
{
    RowRange range;
    const QItemSelectionModel *selection = view.selectionModel();
    if (selection == nullptr)
        return range;
    for (const QItemSelectionRange &part : selection->selection()) {
        range.top = range.top < 0 ? part.top() : std::min(range.top, part.top());
        range.bottom = std::max(range.bottom, part.bottom());
    }
    if (range.top < 0 && selection->currentIndex().isValid())
        range.top = range.bottom = selection->currentIndex().row();
    return range;
}

bool InSelectedRowRange(const QAbstractItemView &view, int row, bool cellSelected)
{
    if (cellSelected)
        return true;
    const QItemSelectionModel *selection = view.selectionModel();
    return selection != nullptr && !selection->hasSelection() && selection->currentIndex().isValid()
        && selection->currentIndex().row() == row;
}
