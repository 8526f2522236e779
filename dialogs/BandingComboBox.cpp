#include "dialogs/BandingComboBox.h"

#include "common/Element.h"
#include "platform/TextFit.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

BandingComboBox::BandingComboBox(QWidget *parent) : QComboBox(parent)
{
    for (const char *name : kBandingNames)
        addItem(QString::fromUtf8(name));
}

QStyleOptionComboBox BandingComboBox::Option() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return option;
}

int BandingComboBox::TextRoom() const
{
    const QStyleOptionComboBox option = Option();
    // The style draws the name one pixel in from each side of the field.
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() - 2;
}

QFont BandingComboBox::CurrentTextFont() const
{
    return FontFitting(font(), {currentText()}, TextRoom());
}

void BandingComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QStyleOptionComboBox option = Option();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.setFont(CurrentTextFont());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
