#include "document/EntryRow.h"

#include "common/Conversions.h"
#include "common/EntryValues.h"
#include "common/Settings.h"
#include "document/EntryFieldValidator.h"
#include "document/UnitLabel.h"
#include "platform/FormWidgets.h"
#include "platform/Hint.h"
#include "platform/TextFit.h"

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
      lengthEdit(Field(panel, QRect(4, 4, 41, 21), QStringLiteral("Duzina|Duzina (dimenzija koja prati teksturu) elementa"))),
      timesLabel(LabelAt(QStringLiteral("x"), 52, 8, panel)),
      widthEdit(Field(panel, QRect(64, 4, 45, 21), QStringLiteral("Sirina|Sirina elementa"))),
      countEdit(Field(panel, QRect(116, 4, 33, 21), QStringLiteral("Komada|Broj ovakvih elemenata"))),
      piecesLabel(LabelAt(QStringLiteral("kom"), 156, 12, panel)),
      grainBox(new QCheckBox(QStringLiteral("Prati teksturu"), panel)),
      unitLabel(new UnitLabel(settings, panel)),
      m_settings(settings), m_unitFactor(unitFactor), m_panel(panel)
{
    using Kind = EntryFieldValidator::Kind;
    lengthEdit->setValidator(new EntryFieldValidator(Kind::Dimension, settings, lengthEdit));
    widthEdit->setValidator(new EntryFieldValidator(Kind::Dimension, settings, widthEdit));
    countEdit->setValidator(new EntryFieldValidator(Kind::Count, settings, countEdit));
    countEdit->setMaxLength(4);
    grainBox->setGeometry(188, 9, 97, 17);
    FitCaption(*grainBox);
    SetHint(grainBox, QStringLiteral("Tekstura|Cekirajte ovo ako element mora da prati teksturu"));
    unitLabel->setGeometry(368, 10, 31, 20);
    SetHint(unitLabel, QStringLiteral("Jedinice mere|Jedinice mere...Dupli klik misem za promenu"));

    for (QObject *watched : {static_cast<QObject *>(lengthEdit), static_cast<QObject *>(widthEdit),
                             static_cast<QObject *>(countEdit), static_cast<QObject *>(grainBox),
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
        unitLabel->move(m_panel->width() - kRightDistance, unitLabel->y());
    }
    return QObject::eventFilter(watched, event);
}

bool EntryRow::EnterPressed(QObject *watched)
{
    if (watched == lengthEdit || watched == widthEdit) {
        QLineEdit *from = watched == lengthEdit ? lengthEdit : widthEdit;
        QLineEdit *to = watched == lengthEdit ? widthEdit : countEdit;
        if (from->text().isEmpty())
            return false;
        to->setFocus();
        to->selectAll();
        return true;
    }
    if (watched == countEdit) {
        if (widthEdit->text().isEmpty())
            return false;
        if (!grainBox->isHidden()) {
            // Enter moves on as Tab would, so the box shows its focus frame: it
            // is the only sign that the next Enter adds the element.
            grainBox->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            grainBox->setFocus(Qt::TabFocusReason);
        } else {
            emit AddRequested();
        }
        return true;
    }
    if (watched == grainBox) {
        emit AddRequested();
        return true;
    }
    return false;
}

std::optional<TElement> EntryRow::TakeTypedElement()
{
    const std::int32_t count = TextToInt(countEdit->text().toStdString());
    countEdit->setText(QString::fromStdString(IntToText(count)));
    const std::int32_t unit = m_settings.Unit();
    const auto length = DimensionFromText(lengthEdit->text().toStdString(), unit, m_unitFactor);
    const auto width = DimensionFromText(widthEdit->text().toStdString(), unit, m_unitFactor);
    // Zero, negative, unreadable and implausible values, and counts beyond 16 bits, add nothing.
    if (!length || !width || !IsAcceptedDimension(*length) || !IsAcceptedDimension(*width)
        || !IsAcceptedCount(count))
        return std::nullopt;

    TElement e = ZeroElement();
    e.Length = *length;
    e.Width = *width;
    e.Count = static_cast<std::uint16_t>(count);
    e.Grain = grainBox->isChecked() ? 1 : 0;
    return e;
}

void EntryRow::ResetAfterAdd()
{
    grainBox->setChecked(m_settings.DefaultGrain());
    if (m_settings.ResetLength())
        lengthEdit->setText(QStringLiteral("000"));
    if (m_settings.ResetWidth())
        widthEdit->setText(QStringLiteral("000"));
    if (m_settings.ResetCount())
        countEdit->setText(QStringLiteral("1"));
    lengthEdit->setFocus();
    lengthEdit->selectAll();
}
