#pragma once
// The small dialog before printing labels: the label stock, the position of the
// first label on a half-used sheet, and printer or PDF. Created, shown and read
// by its caller; the widgets belong to the dialog.

#include "print/core/LabelLayout.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QRadioButton;
class QSpinBox;

class LabelOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Without a printer only the PDF can be chosen.
    explicit LabelOptionsDialog(bool printerInstalled, QWidget *parent = nullptr);

    LabelJobOptions Options() const;

    // Shows the dialog modally over parent; nothing when it is cancelled.
    static std::optional<LabelJobOptions> Ask(bool printerInstalled, QWidget *parent);

private:
    void LayoutChosen();

    QComboBox *m_layout;
    QSpinBox *m_firstPosition;
    QRadioButton *m_toPrinter;
    QRadioButton *m_toPdf;
};
