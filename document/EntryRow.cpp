#include "document/EntryRow.h"

#include "common/Conversions.h"
#include "common/EntryValues.h"
#include "common/Settings.h"
#include "document/EntryFieldValidator.h"
#include "document/UnitLabel.h"
#include "platform/FormWidgets.h"
#include "platform/Hint.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *Field(QFrame *panel, const QRect &geometry, const QString &hint)
{
    auto *edit = new QLineEdit(panel);
    edit->setGeometry(geometry);
    SetHint(edit, hint);
    return edit;
}

} // namespace

EntryRow::EntryRow(const TSettings &settings, const double &unitFactor, QFrame *panel)
    : QObject(panel),
      Edit1(Field(panel, QRect(4, 4, 41, 21), QStringLiteral("Duzina|Duzina (dimenzija koja prati teksturu) elementa"))),
      Label4(LabelAt(QStringLiteral("x"), 52, 8, panel)),
      Edit5(Field(panel, QRect(64, 4, 45, 21), QStringLiteral("Sirina|Sirina elementa"))),
      Edit6(Field(panel, QRect(116, 4, 33, 21), QStringLiteral("Komada|Broj ovakvih elemenata"))),
      Label5(LabelAt(QStringLiteral("kom"), 156, 12, panel)),
      CheckBox1(new QCheckBox(QStringLiteral("Prati teksturu"), panel)),
      PaintBox1(new UnitLabel(settings, panel)),
      m_settings(settings), m_unitFactor(unitFactor), m_panel(panel)
{
    using Kind = EntryFieldValidator::Kind;
    Edit1->setValidator(new EntryFieldValidator(Kind::Dimension, settings, Edit1));
    Edit5->setValidator(new EntryFieldValidator(Kind::Dimension, settings, Edit5));
    Edit6->setValidator(new EntryFieldValidator(Kind::Count, settings, Edit6));
    Edit6->setMaxLength(4);
    CheckBox1->setGeometry(188, 9, 97, 17);
    SetHint(CheckBox1, QStringLiteral("Tekstura|Cekirajte ovo ako element mora da prati teksturu"));
    PaintBox1->setGeometry(368, 10, 31, 20);
    SetHint(PaintBox1, QStringLiteral("Jedinice mere|Jedinice mere...Dupli klik misem za promenu"));

    for (QObject *watched : {static_cast<QObject *>(Edit1), static_cast<QObject *>(Edit5),
                             static_cast<QObject *>(Edit6), static_cast<QObject *>(CheckBox1),
                             static_cast<QObject *>(panel)})
        watched->installEventFilter(this);
}

bool EntryRow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && EnterPressed(watched))
            return true;
    } else if (event->type() == QEvent::Resize && watched == m_panel) {
        // The unit label keeps its distance from the right edge.
        constexpr int kRightDistance = 33;
        PaintBox1->move(m_panel->width() - kRightDistance, PaintBox1->y());
    }
    return QObject::eventFilter(watched, event);
}

bool EntryRow::EnterPressed(QObject *watched)
{
    if (watched == Edit1 || watched == Edit5) {
        QLineEdit *from = watched == Edit1 ? Edit1 : Edit5;
        QLineEdit *to = watched == Edit1 ? Edit5 : Edit6;
        if (from->text().isEmpty())
            return false;
        to->setFocus();
        to->selectAll();
        return true;
    }
    if (watched == Edit6) {
        if (Edit5->text().isEmpty())
            return false;
        if (!CheckBox1->isHidden()) {
            // Enter moves on as Tab would, so the box shows its focus frame: it
            // is the only sign that the next Enter adds the element.
            CheckBox1->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            CheckBox1->setFocus(Qt::TabFocusReason);
        } else {
            emit AddRequested();
        }
        return true;
    }
    if (watched == CheckBox1) {
        emit AddRequested();
        return true;
    }
    return false;
}

std::optional<TElement> EntryRow::TakeTypedElement()
{
    const std::int32_t count = TextToInt(Edit6->text().toStdString());
    Edit6->setText(QString::fromStdString(IntToText(count)));
    const std::int32_t unit = m_settings.Unit();
    const auto length = DimensionFromText(Edit1->text().toStdString(), unit, m_unitFactor);
    const auto width = DimensionFromText(Edit5->text().toStdString(), unit, m_unitFactor);
    // Zero, negative, unreadable and implausible values, and counts beyond 16 bits, add nothing.
    if (!length || !width || !IsAcceptedDimension(*length) || !IsAcceptedDimension(*width)
        || !IsAcceptedCount(count))
        return std::nullopt;

    TElement e = ZeroElement();
    e.Length = *length;
    e.Width = *width;
    e.Count = static_cast<std::uint16_t>(count);
    e.Grain = CheckBox1->isChecked() ? 1 : 0;
    return e;
}

void EntryRow::ResetAfterAdd()
{
    CheckBox1->setChecked(m_settings.DefaultGrain());
    if (m_settings.ResetLength())
        Edit1->setText(QStringLiteral("000"));
    if (m_settings.ResetWidth())
        Edit5->setText(QStringLiteral("000"));
    if (m_settings.ResetCount())
        Edit6->setText(QStringLiteral("1"));
    Edit1->setFocus();
    Edit1->selectAll();
}
