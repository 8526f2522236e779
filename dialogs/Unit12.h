#pragma once
// The edit-element dialog: one element changed from the keyboard, Enter walking
// from field to field up to "Izmena". The caller sets UnitFactor and OldElement
// before exec() and, when it returns Accepted, takes NewElement. The program
// state must outlive the dialog; the dialog never touches a list.

#include "common/Element.h"
#include "dialogs/KeyboardDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct ProgramState;

class TForm12 : public KeyboardDialog {
    Q_OBJECT
public:
    TForm12(ProgramState &state, QWidget *parent);
    ~TForm12() override;

    double UnitFactor = 1.0;
    TElement OldElement{};
    // Valid after the dialog ended Accepted. Built afresh: what the dialog does not
    // edit is zero, except the label while labels are not entered and the banding
    // codes while banding is not in use, which stay those of OldElement.
    TElement NewElement{};

    // Components keep the names of the form.
    QLineEdit *Edit1 = nullptr;
    QComboBox *KantDuzine = nullptr;
    QLineEdit *Edit2 = nullptr;
    QComboBox *KantSirine = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    void FormActivate();
    void CheckInput();
    void ApplyColours();
    void Button2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Edit1Change(QLineEdit *field);
    void EnterPressed(QObject *watched);
    void FocusSelected(QLineEdit *field);

    ProgramState &m_state;
};
