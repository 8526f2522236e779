#include "PrintTestHelpers.h"

#include "common/ProgramIdentity.h"

#include <gtest/gtest.h>

namespace {

struct ColumnEdges {
    const char *heading;
    int left;
    int right;
};

// A page 2400 dots wide; the right block starts at half, 1200.
const ColumnEdges kLeftBlock[] = {
    {"RB", 1, 97}, {"DUZINA", 99, 327}, {"SIRINA", 329, 557},
    {"KOM", 559, 679}, {"T", 681, 729}, {"OZNAKA", 731, 1199},
};

} // namespace

TEST(PrintLayout, ColumnEdgesOfBothBlocksAsPrinted)
{
    RecordingCanvas canvas;
    const TElementList list = NumberedList(64); // the 64th opens the right block
    ASSERT_EQ(PrintElementList(canvas, list, PrintoutSettings{}, nullptr), rcOK);
    for (const ColumnEdges &column : kLeftBlock) {
        const std::vector<CanvasCall> headings = TextsOf(canvas, QString::fromLatin1(column.heading));
        ASSERT_EQ(headings.size(), 2u) << column.heading;
        for (int block = 0; block < 2; ++block) {
            const int shift = block * 1200;
            const QRect clip = headings[block].rect;
            EXPECT_EQ(clip.left(), column.left + shift + 1) << column.heading << " block " << block;
            EXPECT_EQ(RightOf(clip), column.right + shift - 1) << column.heading << " block " << block;
            EXPECT_TRUE(headings[block].font.bold);
        }
    }
}

TEST(PrintLayout, CentimetresBecomeDotsOfTheVerticalResolution)
{
    struct Case { double cm; int dpi; int dots; };
    const Case cases[] = {{0.4, 300, 47}, {0.24, 300, 28}, {0.75, 300, 88}, {0.4, 600, 94}, {0.4, 96, 15}, {0.0, 300, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(CmToDots(c.cm, c.dpi), c.dots) << c.cm << " cm at " << c.dpi;
}

TEST(PrintLayout, RowsFooterAndTitleBandsAtTheirHeights)
{
    RecordingCanvas canvas; // h = 49 on a page 3300 dots high
    ASSERT_EQ(PrintElementList(canvas, NumberedList(127), PrintoutSettings{}, nullptr), rcOK);

    const std::vector<CanvasCall> first = TextsOf(canvas, QStringLiteral("001"));
    const std::vector<CanvasCall> second = TextsOf(canvas, QStringLiteral("002"));
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].rect.top() - first[0].rect.top(), 47);
    EXPECT_EQ(BottomOf(first[0].rect) - first[0].rect.top(), 45); // inside the row's two lines

    const std::vector<CanvasCall> titles = TextsOf(canvas, QString::fromLatin1(kPrintTitle));
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[0].rect, QRect(0, 16, 2400, 83)); // h div 3 below the top
    EXPECT_EQ(titles[1].rect, QRect(0, 0, 2400, 83));  // later pages start at the top
    EXPECT_EQ(titles[0].brushColour, QColor(192, 192, 192));
    EXPECT_EQ(titles[0].background, TextBackground::Opaque);
    EXPECT_TRUE(titles[0].font.bold && titles[0].font.underline);

    const char *const footer[] = {kProgramVersionLine, kProgramPurposeLine, kProgramSuiteLine};
    for (int line = 0; line < 3; ++line) {
        const std::vector<CanvasCall> printed = TextsOf(canvas, QString::fromLatin1(footer[line]));
        ASSERT_EQ(printed.size(), 2u) << "one footer per page";
        EXPECT_EQ(printed[0].from, QPoint(0, 3300 - 88 + 28 * line));
        EXPECT_EQ(printed[0].font.underline, line == 0);
        EXPECT_EQ(printed[0].font.bold, line == 2);
    }
    EXPECT_EQ(canvas.Title(), QString::fromLatin1(kPrintJobTitle));
    EXPECT_TRUE(canvas.Portrait());
}

TEST(PrintLayout, BlocksAndPagesFillLeftThenRightThenAnew)
{
    // 63 rows fit in a block on every page of this size.
    struct Case { int elements; int headingRows; int pages; };
    const Case cases[] = {{1, 1, 1}, {63, 1, 1}, {64, 2, 1}, {126, 2, 1}, {127, 3, 2}, {252, 4, 2}, {253, 5, 3}};
    for (const Case &c : cases) {
        RecordingCanvas canvas;
        ASSERT_EQ(PrintElementList(canvas, NumberedList(c.elements), PrintoutSettings{}, nullptr), rcOK);
        EXPECT_EQ(TextsOf(canvas, QStringLiteral("RB")).size(), static_cast<std::size_t>(c.headingRows)) << c.elements;
        EXPECT_EQ(CountOf(canvas, CanvasCall::Kind::NewPage) + 1, c.pages) << c.elements;
        EXPECT_EQ(canvas.Calls().back().kind, CanvasCall::Kind::End);
    }
}

TEST(PrintLayout, RightBlockStartsLevelWithTheLeftUnderItsOwnHeading)
{
    RecordingCanvas canvas;
    ASSERT_EQ(PrintElementList(canvas, NumberedList(64), PrintoutSettings{}, nullptr), rcOK);
    const std::vector<CanvasCall> headings = TextsOf(canvas, QStringLiteral("RB"));
    ASSERT_EQ(headings.size(), 2u);
    EXPECT_EQ(headings[1].rect.top(), headings[0].rect.top());
    const CanvasCall left = TextsOf(canvas, QStringLiteral("001")).at(0);
    const CanvasCall right = TextsOf(canvas, QStringLiteral("064")).at(0);
    EXPECT_EQ(right.rect.top(), left.rect.top());
    EXPECT_EQ(right.rect.left(), 1202);
}

TEST(PrintLayout, EmptyListBeginsAndEndsAnEmptyDocument)
{
    RecordingCanvas canvas;
    TElementList list;
    ClearList(list);
    EXPECT_EQ(PrintElementList(canvas, list, PrintoutSettings{}, nullptr), rcOK);
    ASSERT_EQ(canvas.Calls().size(), 2u);
    EXPECT_EQ(canvas.Calls()[0].kind, CanvasCall::Kind::Begin);
    EXPECT_EQ(canvas.Calls()[1].kind, CanvasCall::Kind::End);
}
