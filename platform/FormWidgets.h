#pragma once
// Building blocks of every form: a label placed where the form has it, and the
// control colour that edits, grids and lists paint their base with.

#include <QString>

class QColor;
class QLabel;
class QWidget;

// A label of its text's size at (left, top) of parent.
QLabel *LabelAt(const QString &caption, int left, int top, QWidget *parent);
// The base colour of an edit, grid, pick list or list box; a changed palette repaints it.
void SetBaseColour(QWidget *widget, const QColor &colour);
