#include "PrintTestHelpers.h"

#include "print/core/ElementRowTexts.h"
#include "print/core/FontFit.h"

#include "common/Conversions.h"
#include "common/Settings.h"

#include <gtest/gtest.h>

namespace {

PrintoutSettings WithUnitAndMarks(std::int32_t unit)
{
    TSettings settings;
    settings.SetUnit(unit);
    settings.SetBandingInUse(false); // marks are printed whether or not banding is on
    const char *const marks[] = {"", "'", "\"", "a", "A", "p\x9a"}; // \x9a: Windows-1250 s with caron
    for (int code = 1; code < kBandingCodeCount; ++code)
        settings.SetBandingMarkText(code, marks[code]);
    return PrintoutSettingsOf(settings);
}

class Aborter : public PrintProgress {
public:
    Aborter(PrintCanvas &canvas, int abortAt) : m_canvas(canvas), m_abortAt(abortAt) {}
    void Step(int printed, int total) override
    {
        steps.push_back(printed);
        lastTotal = total;
        if (printed == m_abortAt)
            m_canvas.Abort();
    }
    std::vector<int> steps;
    int lastTotal = 0;

private:
    PrintCanvas &m_canvas;
    int m_abortAt;
};

} // namespace

TEST(PrintRows, ElementTextsInTheUnitWithBandingMarks)
{
    struct Case {
        std::int32_t unit;
        std::int32_t length, width;
        std::uint8_t lengthBanding, widthBanding;
        std::uint16_t count;
        bool grain;
        const char *label;
        int number;
        std::array<const char *, kPrintColumnCount> expected; // UTF-8
    };
    const Case cases[] = {
        {UnitMm, 2000, 600, 0, 0, 3, false, "Bok", 1,
         {"001", "2000", "600", "3", "", " Bok"}},
        {UnitMm, 2000, 600, 1, 5, 65535, true, "", 10,
         {"010", "2000'", "600p\u0161", "65535", "+", " "}},
        {UnitCm, 2000, 605, 2, 3, 1, false, "Vrata", 100,
         {"100", "200.0\"", "60.5a", "1", "", " Vrata"}},
        {UnitM, 1234, 5, 4, 0, 2, true, "Polica levo", 800, // metres print as centimetres
         {"800", "123.4A", "0.5", "2", "+", " Polica levo"}},
    };
    for (const Case &c : cases) {
        TElement e = MakeElement(c.length, c.width, c.count, c.label);
        e.LengthBanding = c.lengthBanding;
        e.WidthBanding = c.widthBanding;
        e.Grain = c.grain ? 1 : 0;
        const TPrintRowTexts texts = ElementRowTexts(WithUnitAndMarks(c.unit)).Of(e, c.number);
        for (int k = 0; k < kPrintColumnCount; ++k)
            EXPECT_EQ(texts[k].toStdString(), c.expected[k]) << "element " << c.number << " column " << k;
    }
}

TEST(PrintRows, EveryCellIsCappedByTheCellToItsLeftThroughAnEmptyGrainCell)
{
    // 1200 dots wide: "001" fits at 7 points; "65535" in KOM only at 5.
    struct Case { std::uint16_t count; int komSize; };
    const Case cases[] = {{1, 7}, {65535, 5}};
    for (const Case &c : cases) {
        RecordingCanvas canvas(1200, 3300, 300);
        const TElementList list = ListOf({MakeElement(500, 400, c.count, "A")});
        ASSERT_EQ(PrintElementList(canvas, list, PrintoutSettings{}, nullptr), rcOK);
        const auto &calls = canvas.Calls();
        const auto rb = std::find_if(calls.begin(), calls.end(),
                                     [](const CanvasCall &call) { return call.text == QStringLiteral("001"); });
        ASSERT_NE(rb, calls.end());
        std::vector<CanvasCall> cells;
        std::copy_if(rb, calls.end(), std::back_inserter(cells),
                     [](const CanvasCall &call) { return call.kind == CanvasCall::Kind::Text; });
        ASSERT_GE(cells.size(), 6u);
        EXPECT_EQ(cells[0].font.size, 7);
        EXPECT_EQ(cells[3].font.size, c.komSize);
        EXPECT_EQ(cells[4].text, QString());
        EXPECT_EQ(cells[4].font.size, c.komSize) << "the empty T cell takes the cap";
        EXPECT_EQ(cells[5].text, QStringLiteral(" A"));
        EXPECT_EQ(cells[5].font.size, c.komSize) << "OZNAKA alone would fit at 8";
        EXPECT_EQ(cells[5].from.x(), cells[5].rect.left() + 1) << "left-aligned at left + 2";
        EXPECT_FALSE(cells[5].font.bold);
    }
}

TEST(PrintRows, FitFontSizeStopsAtTheFirstSizeThatTouchesALimit)
{
    // The recording canvas: "ABCD" is 8.33 dots wide per point, 5 dots high per point.
    struct Case { int maxWidth, maxHeight, cap, expected; };
    const Case cases[] = {
        {84, 1000, 0, 10},  // 10 pt: 83 wide, 11 pt: 91
        {83, 1000, 0, 9},   // as wide as the limit is too wide
        {1000, 50, 0, 9},   // 10 pt is 50 high
        {1000, 51, 0, 10},
        {1000, 1000, 4, 4},
        {1, 1, 0, 1},       // nothing fits: still 1
    };
    for (const Case &c : cases) {
        RecordingCanvas canvas;
        PrintFont font;
        font.size = 33;
        canvas.SetFont(font);
        TextMeasureCache cache;
        EXPECT_EQ(FitFontSize(canvas, QStringLiteral("ABCD"), c.maxWidth, c.maxHeight, c.cap), c.expected);
        EXPECT_EQ(FitFontSize(canvas, QStringLiteral("ABCD"), c.maxWidth, c.maxHeight, c.cap, &cache), c.expected);
        EXPECT_EQ(canvas.Font().size, 33) << "the canvas's size is left as it was";
    }
    // One cache for both styles: bold "ABCD" is a tenth wider, 91 dots at 10 points.
    RecordingCanvas canvas;
    TextMeasureCache cache;
    EXPECT_EQ(FitFontSize(canvas, QStringLiteral("ABCD"), 84, 1000, 0, &cache), 10);
    PrintFont bold;
    bold.bold = true;
    canvas.SetFont(bold);
    EXPECT_EQ(FitFontSize(canvas, QStringLiteral("ABCD"), 84, 1000, 0, &cache), 9);
}

TEST(PrintRows, CachedMeasuresPrintExactlyThePagesOfMeasuringAnew)
{
    TElementList list;
    ClearList(list);
    for (int i = 0; i < kMaxElements; ++i) {
        TElement e = MakeElement(100 + (i * 37) % 2900, 60 + (i * 53) % 1900, static_cast<std::uint16_t>(1 + (i * 97) % 4000),
                                 std::string(static_cast<std::size_t>(i % 26), 'W'));
        e.LengthBanding = static_cast<std::uint8_t>(i % 6);
        e.WidthBanding = static_cast<std::uint8_t>((i / 6) % 6);
        e.Grain = static_cast<std::uint8_t>(i % 3 == 0);
        list[i] = e;
    }
    const PrintoutSettings settings = WithUnitAndMarks(UnitCm);
    RecordingCanvas cached(1500, 2100, 200);
    RecordingCanvas anew(1500, 2100, 200);
    ASSERT_EQ(PrintElementList(cached, list, settings, nullptr, MeasureCache::On), rcOK);
    ASSERT_EQ(PrintElementList(anew, list, settings, nullptr, MeasureCache::Off), rcOK);
    EXPECT_GT(CountOf(anew, CanvasCall::Kind::NewPage), 3);
    EXPECT_TRUE(cached.Calls() == anew.Calls());
    EXPECT_LT(cached.Measurements(), anew.Measurements());
}

TEST(PrintRows, AbortStopsBeforeTheNextRowAndEndsTheDocument)
{
    RecordingCanvas canvas;
    Aborter progress(canvas, 70);
    ASSERT_EQ(PrintElementList(canvas, NumberedList(200), PrintoutSettings{}, &progress), rcOK);
    EXPECT_EQ(progress.steps.size(), 71u);
    EXPECT_EQ(progress.steps.front(), 0);
    EXPECT_EQ(progress.lastTotal, 200);
    EXPECT_EQ(TextsOf(canvas, QStringLiteral("070")).size(), 1u);
    EXPECT_TRUE(TextsOf(canvas, QStringLiteral("071")).empty());
    EXPECT_EQ(canvas.Calls().back().kind, CanvasCall::Kind::End);
    EXPECT_EQ(CountOf(canvas, CanvasCall::Kind::End), 1);
}
