#include "document/MaterialComboBox.h"

#include "document/FocusFrame.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <utility>

MaterialComboBox::MaterialComboBox(DrawItem drawItem, QWidget *parent)
    : QComboBox(parent), m_drawItem(std::move(drawItem))
{
    setItemDelegate(new MaterialItemDelegate(this));
    // Long material names must not widen the window.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(1);
}

bool MaterialComboBox::DroppedDown() const
{
    return view() != nullptr && view()->isVisible();
}

void MaterialComboBox::DrawItemAt(QPainter &painter, int index, const QRect &rect) const
{
    if (index < 0)
        return;
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font());
    m_drawItem(painter, index, rect);
    painter.restore();
}

void MaterialComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawItemAt(painter, currentIndex(), field);
}

MaterialItemDelegate::MaterialItemDelegate(MaterialComboBox *combo) : QStyledItemDelegate(combo), m_combo(combo)
{
}

void MaterialItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    m_combo->DrawItemAt(*painter, index.row(), option.rect);
    // The item under the mouse or the keyboard cursor: what Enter would pick.
    if (option.state & (QStyle::State_HasFocus | QStyle::State_MouseOver))
        DrawFocusFrame(*painter, option.rect);
}

QSize MaterialItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), MaterialComboBox::ItemHeight);
}
