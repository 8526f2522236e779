#pragma once
// The selected row range of a row-select grid: its top and bottom row. Like the
// grids this program grew up with, a grid without an explicit selection has the
// current row as its range; {-1, -1} when there is not even a current row.

class QAbstractItemView;

struct RowRange {
    int top = -1;
    int bottom = -1;
};

RowRange SelectedRowRange(const QAbstractItemView &view);

// Whether a row lies in that range, for painting cell by cell: the view has
// already found out whether the cell itself is selected (`cellSelected`), and
// its rows are selected whole and in one run.
bool InSelectedRowRange(const QAbstractItemView &view, int row, bool cellSelected);
