#pragma once
// The quick-entry row under the element grid: length, width, count, the grain
// box and the unit label, with Enter walking from field to field. The widgets
// are children of the panel given; the document reads them through its members
// of the form's names and appends what AddRequested asks for.

#include "common/Element.h"

#include <QObject>

#include <optional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class UnitLabel;
class TSettings;

class EntryRow : public QObject {
    Q_OBJECT
public:
    // Reads the unit from `settings` at every keystroke and `unitFactor` at every add.
    EntryRow(const TSettings &settings, const double &unitFactor, QFrame *panel);

    QLineEdit *const lengthEdit;
    QLabel *const timesLabel;
    QLineEdit *const widthEdit;
    QLineEdit *const countEdit;
    QLabel *const piecesLabel;
    QCheckBox *const grainBox;
    UnitLabel *const unitLabel;

    // The element the fields describe, or nothing when a length, width or count
    // is zero, unreadable or out of range. The count field shows the count read.
    std::optional<TElement> TakeTypedElement();
    // After an add: the grain box to the material's default, the resets the
    // settings ask for, the focus back on the length.
    void ResetAfterAdd();

signals:
    void AddRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool EnterPressed(QObject *watched);

    const TSettings &m_settings;
    const double &m_unitFactor;
    QFrame *m_panel;
};
