#pragma once
// The selected row range of a row-select grid: its top and bottom row. Like the
// grids this program grew up with, a grid without an explicit selection has the
// current row as its range; {-1, -1} when there is not even a current row.

class QAbstractItemView;

struct RowRange {
    int top = -1;
    int bottom = -1;
    bool Contains(int row) const { return top >= 0 && row >= top && row <= bottom; }
};

RowRange SelectedRowRange(const QAbstractItemView &view);
