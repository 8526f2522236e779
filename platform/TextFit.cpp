#include "platform/TextFit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

constexpr int kSmallestPixelSize = 6;

int PixelSizeOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

bool AllFit(const QFont &font, const QStringList &texts, int width)
{
    const QFontMetrics metrics(font);
    return std::all_of(texts.cbegin(), texts.cend(),
                       [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; });
}

QStyleOptionButton ButtonOption(const QAbstractButton &button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    return option;
}

} // namespace

QFont FontFitting(const QFont &font, const QStringList &texts, int width)
{
    if (AllFit(font, texts, width))
        return font;
    QFont fitted = font;
    for (int size = PixelSizeOf(font) - 1; size >= kSmallestPixelSize; --size) {
        fitted.setPixelSize(size);
        if (AllFit(fitted, texts, width))
            break;
    }
    return fitted;
}

int CaptionRoom(const QPushButton &button)
{
    const QStyleOptionButton option = ButtonOption(button);
    const QStyle *style = button.style();
    // The style draws the caption inside the contents, a button margin in from each side.
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width()
        - style->pixelMetric(QStyle::PM_ButtonMargin, &option, &button);
}

int CaptionRoom(const QCheckBox &box)
{
    const QStyleOptionButton option = ButtonOption(box);
    return box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).width();
}

void FitCaption(QPushButton &button)
{
    button.setFont(FontFitting(button.font(), {button.text()}, CaptionRoom(button)));
}

void FitCaption(QCheckBox &box)
{
    box.setFont(FontFitting(box.font(), {box.text()}, CaptionRoom(box)));
}

void SetElidedText(QLabel &label, const QString &text, int width)
{
    label.setText(label.fontMetrics().elidedText(text, Qt::ElideRight, width));
}
