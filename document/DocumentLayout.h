#pragma once
// Where a document window opens and how wide its grid columns are: read from the
// settings' layout block when the window first shows, stored back when it closes,
// so the next window opens as the last one closed. Values that do not fit the
// screen, and sizes of 0 or 1, are ignored.

class QMdiSubWindow;
class QTableView;
class TSettings;

void RestoreDocumentLayout(QMdiSubWindow &window, QTableView &grid, const TSettings &settings);
void SaveDocumentLayout(const QMdiSubWindow &window, const QTableView &grid, TSettings &settings);
