// The new-elements dialog from the keyboard: the field filters, the add
// button's enable rule, and Enter and Escape, which act when released.

#include "dialogs/Unit2.h"

#include "common/Conversions.h"
#include "common/ProgramState.h"
#include "dialogs/FieldFilters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool IsEmptyOrZero(const QLineEdit *field)
{
    return field->text().isEmpty() || TextToInt(field->text().toStdString()) == 0;
}

} // namespace

void TForm2::FieldChange(QLineEdit *field)
{
    const QString text = field->text();
    const QString filtered = field == Edit2 ? FilterEntryCount(text) : FilterEntryDimension(text, m_state.Settings.Unit());
    if (filtered != text) {
        field->setText(filtered); // runs this handler again with the corrected text
        return;
    }
    UpdateAddButton();
}

void TForm2::UpdateAddButton()
{
    const QLineEdit *fields[] = {Duzina, Sirina, Edit2};
    bool anyEmpty = false;
    bool allPositive = true;
    for (const QLineEdit *field : fields) {
        anyEmpty = anyEmpty || field->text().isEmpty();
        allPositive = allPositive && TextToInt(field->text().toStdString()) > 0;
    }
    // A zero field leaves the button as it was; the add refuses a zero count itself.
    if (anyEmpty)
        Button2->setEnabled(false);
    else if (allPositive)
        Button2->setEnabled(true);
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return KeyboardDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (watched == Button3) // while the panel covers the fields, Tab finds nothing else
        return key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (press) {
        m_pressedOn = watched;
        m_pressedKey = key;
    } else if (watched == m_refusedField && IsEnterKey(key) && SkipEnter) {
        // The Enter that pressed "Dodaj elemente" comes up in the refused field.
        SkipEnter = false;
        return true;
    }
    if (watched == Button2) {
        // Enter presses the focused button; any key released on it ends there.
        if (!press)
            FocusLength();
        return !press;
    }
    const bool ownRelease = !press && m_pressedOn == watched && m_pressedKey == key;
    if (ownRelease)
        m_pressedOn = nullptr;
    // The fields act on neither key themselves; focus moves when the key comes up.
    if (!IsEnterKey(key) && key != Qt::Key_Escape)
        return false;
    if (ownRelease && IsEnterKey(key))
        EnterReleased(watched);
    else if (ownRelease)
        EscapeReleased(watched);
    return true;
}

void TForm2::EnterReleased(QObject *watched)
{
    if (watched == Duzina) {
        (KantDuzine->isVisibleTo(this) ? static_cast<QWidget *>(KantDuzine) : Sirina)->setFocus();
    } else if (watched == KantDuzine) {
        Sirina->setFocus();
    } else if (watched == Sirina) {
        (KantSirine->isVisibleTo(this) ? static_cast<QWidget *>(KantSirine) : Edit2)->setFocus();
    } else if (watched == KantSirine) {
        Edit2->setFocus();
    } else if (watched == Edit2) {
        DrawPreview();
        FocusOnwards(true);
    } else if (watched == CheckBox1) {
        FocusOnwards(false);
    } else if (watched == Edit1) {
        if (Button2->isEnabled()) {
            Button2->setFocus();
            DrawPreview();
            return;
        }
        for (QLineEdit *field : {Duzina, Sirina, Edit2}) {
            if (IsEmptyOrZero(field)) {
                field->setFocus();
                return;
            }
        }
    }
}

void TForm2::EscapeReleased(QObject *watched)
{
    for (QLineEdit *field : {Duzina, Sirina, Edit2}) {
        if (watched == field)
            field->clear();
    }
}

void TForm2::FocusOnwards(bool fromCount)
{
    if (fromCount && CheckBox1->isVisibleTo(this))
        CheckBox1->setFocus();
    else if (Edit1->isVisibleTo(this))
        Edit1->setFocus();
    else if (Button2->isEnabled())
        Button2->setFocus();
    else
        FocusLength();
}

void TForm2::FocusLength()
{
    Duzina->setFocus();
    Duzina->selectAll();
}
