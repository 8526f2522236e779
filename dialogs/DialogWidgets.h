#pragma once
// Building blocks shared by the dialogs' forms: placed labels and edits, the
// banding pick lists, the design font, the control colour and the form names.

#include "platform/FormWidgets.h"

#include <QFont>
#include <QString>

#include <initializer_list>
#include <utility>

class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QRect;
class QWidget;

// The forms' "MS Sans Serif" of the given pixel height.
QFont DialogFont(int pixelHeight);
// An edit that selects its text when the keyboard brings the focus to it.
QLineEdit *EditAt(const QRect &geometry, QWidget *parent);
// A pick-only list of the six banding codes; the item index is the code.
QComboBox *NewBandingBox(int left, int top, int width, QWidget *parent);
// Gives each component the name it has on the form, so it can be found by name.
void NameComponents(std::initializer_list<std::pair<QObject *, const char *>> components);
