#include "platform/Colours.h"

#include <QGuiApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(WindowsColours, PlainValuesHoldRedInTheLowByte)
{
    const QColor design = ColourFromWindows(15593470);
    EXPECT_EQ(design, QColor(254, 239, 237));
    EXPECT_EQ(ColourToWindows(design), 15593470u);
    EXPECT_EQ(ColourFromWindows(0x000000FF), QColor(Qt::red));
    EXPECT_EQ(ColourFromWindows(0x00FF0000), QColor(Qt::blue));
}

TEST(WindowsColours, SystemColoursTakeThePaletteColour)
{
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ColourFromWindows(0x8000000F), palette.color(QPalette::Button));    // button face
    EXPECT_EQ(ColourFromWindows(0x80000005), palette.color(QPalette::Base));      // window
    EXPECT_EQ(ColourFromWindows(0x8000000D), palette.color(QPalette::Highlight));
}
