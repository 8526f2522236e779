// The document window's pure rules: cell texts, material item texts and the digit keys.

#include "common/Conversions.h"
#include "document/ElementGrid.h"
#include "document/ElementTableModel.h"
#include "document/MaterialItems.h"
#include "document/UnitLabel.h"

#include <QKeyEvent>

#include <gtest/gtest.h>


namespace {

DisplayOptions Options(std::int32_t unit, bool banding)
{
    DisplayOptions options;
    options.unit = unit;
    options.bandingInUse = banding;
    options.bandingMarks = {"", "'", "\"", "a", "aa", "pa"};
    return options;
}

struct CellCase {
    std::int32_t unit;
    bool banding;
    std::int32_t length;
    std::int32_t width;
    int column;
    const char *text;
};

class ElementCellTextTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(ElementCellTextTest, ShowsTheElementInTheUnit)
{
    const CellCase &c = GetParam();
    TElement e = ZeroElement();
    e.Length = c.length;
    e.Width = c.width;
    e.LengthBanding = 2;
    e.WidthBanding = 5;
    e.Count = 7;
    EXPECT_EQ(ElementCellText(Options(c.unit, c.banding), e, 3, c.column), c.text);
}

INSTANTIATE_TEST_SUITE_P(Grid, ElementCellTextTest, ::testing::Values(
    CellCase{UnitMm, false, 605, 400, 0, "3"},
    CellCase{UnitMm, false, 605, 400, 1, "605"},
    CellCase{UnitMm, false, 605, 400, 2, "400"},
    CellCase{UnitCm, false, 605, 400, 1, "60.5"},
    CellCase{UnitCm, false, 605, 400, 2, "40.0"},
    CellCase{UnitM, false, 605, 400, 1, "0.6"},
    CellCase{UnitM, false, 1234, 400, 1, "1.2"},
    CellCase{4, false, 605, 400, 1, "605"},
    CellCase{UnitMm, true, 605, 400, 1, "605\""},
    CellCase{UnitMm, true, 605, 400, 2, "400pa"},
    CellCase{UnitCm, true, 605, 400, 1, "60.5\""},
    CellCase{UnitMm, false, 600, 400, 4, "0.24 m\u00B2"},
    CellCase{UnitCm, false, 600, 400, 4, "0.24 m\u00B2"},
    CellCase{UnitMm, false, 1005, 1000, 4, "1.01 m\u00B2"},
    // 100,000 x 100,000 mm overflows 32 bits; the area must not.
    CellCase{UnitMm, false, 100000, 100000, 4, "10000.00 m\u00B2"},
    CellCase{UnitMm, false, 600, 400, 7, "7"}));

TEST(ElementCellText, GrainPriorityAndLabel)
{
    TElement e = ZeroElement();
    e.Length = 1;
    e.Width = 1;
    e.Label.assign("\x8A" "ank");  // "Šank" in Windows-1250
    const DisplayOptions options = Options(UnitMm, false);
    EXPECT_EQ(ElementCellText(options, e, 1, 5), "-");
    EXPECT_EQ(ElementCellText(options, e, 1, 6), "");
    EXPECT_EQ(ElementCellText(options, e, 1, 3), "\u0160ank");
    e.Grain = 1;
    e.Priority = 1;
    EXPECT_EQ(ElementCellText(options, e, 1, 5), "+");
    EXPECT_EQ(ElementCellText(options, e, 1, 6), "*");
}

TEST(ElementHeading, TheEightHeadings)
{
    const char *expected[] = {"RB.", "DUZINA", "SIRINA", "OZNAKA", "POV", "T", "P", "KOM"};
    for (int c = 0; c < kElementGridColumns; ++c)
        EXPECT_EQ(ElementHeading(c), QLatin1String(expected[c]));
}

TBoardType Board(const char *name, const char *shortText, std::int32_t quantity, std::uint16_t used = 0)
{
    TBoardType board{};
    board.Name.assign(name);
    board.ShortText.assign(shortText);
    board.Quantity = quantity;
    board.QuantityUsed = used;
    return board;
}

TEST(MaterialItemText, NameFirstForLayoutOneElseShortTextFirst)
{
    const TBoardType board = Board("PLOCA", "18", 12);
    EXPECT_EQ(MaterialItemText(board, 1), "PLOCA (18) [12]");
    EXPECT_EQ(MaterialItemText(board, 0), "18 (PLOCA) [12]");
    EXPECT_EQ(MaterialItemText(board, 2), "18 (PLOCA) [12]");
}

TEST(MaterialItemText, LongTextsAreCutAtTheirColumns)
{
    // Layout 0: the short text with " (" is cut to 12 characters.
    EXPECT_EQ(MaterialItemText(Board("P", "ABCDEFGHIJKLMN", 1), 0), "ABCDEFGHIJKLP) [1]");
    // Layout 1: a 40-character name with a 42-character short text stops at 52, then ") [".
    const std::string name(40, 'N');
    const std::string shortText(42, 'S');
    EXPECT_EQ(MaterialItemText(Board(name.c_str(), shortText.c_str(), 3), 1),
              name + " (" + std::string(10, 'S') + ") [3]");
}

TEST(MaterialUsedUp, OnlyWhenSomeAreUsedAndNoneLeft)
{
    EXPECT_TRUE(IsMaterialUsedUp(Board("A", "1", 5, 5)));
    EXPECT_TRUE(IsMaterialUsedUp(Board("A", "1", 5, 6)));
    EXPECT_FALSE(IsMaterialUsedUp(Board("A", "1", 5, 4)));
    EXPECT_FALSE(IsMaterialUsedUp(Board("A", "1", 5, 0)));
    EXPECT_FALSE(IsMaterialUsedUp(Board("A", "1", 0, 0)));
}

struct DigitCase {
    int key;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    int digit;
};

class MainKeyboardDigitTest : public ::testing::TestWithParam<DigitCase> {};

TEST_P(MainKeyboardDigitTest, ReadsTheKeyNotItsText)
{
    const DigitCase &c = GetParam();
    const QKeyEvent event(QEvent::KeyRelease, c.key, c.modifiers, c.scanCode, 0, 0);
    EXPECT_EQ(MainKeyboardDigit(event), c.digit);
}

INSTANTIATE_TEST_SUITE_P(Keys, MainKeyboardDigitTest, ::testing::Values(
    DigitCase{Qt::Key_1, Qt::NoModifier, 0, 1},
    DigitCase{Qt::Key_6, Qt::NoModifier, 0, 6},
    DigitCase{Qt::Key_7, Qt::NoModifier, 0, 0},
    DigitCase{Qt::Key_0, Qt::NoModifier, 0, 0},
    DigitCase{Qt::Key_3, Qt::ShiftModifier, 0, 3},
    DigitCase{Qt::Key_NumberSign, Qt::ShiftModifier, 12, 3},   // Shift+3 on a US keyboard
    DigitCase{Qt::Key_Exclam, Qt::ShiftModifier, 10, 1},
    DigitCase{Qt::Key_Ampersand, Qt::ShiftModifier, 15, 6},
    DigitCase{Qt::Key_3, Qt::KeypadModifier, 0, 0},            // the number pad does not count
    DigitCase{Qt::Key_A, Qt::NoModifier, 38, 0}));

TEST(UnitLabelText, MillimetresCentimetresMetresElseNothing)
{
    EXPECT_EQ(UnitLabelText(1), QStringLiteral("mm"));
    EXPECT_EQ(UnitLabelText(2), QStringLiteral("cm"));
    EXPECT_EQ(UnitLabelText(3), QStringLiteral("m"));
    EXPECT_TRUE(UnitLabelText(0).isEmpty());
    EXPECT_TRUE(UnitLabelText(4).isEmpty());
}

} // namespace
