#include "PrintTestHelpers.h"

#include "print/core/Code128.h"
#include "print/core/LabelDrawing.h"
#include "print/core/LabelPrintout.h"

#include "common/Settings.h"
#include "common/cutting/CuttingPlanner.h"
#include "common/cutting/PlanPieces.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

constexpr int kDpi = 300;

// The name the command line takes for each layout.
std::string LayoutName(LabelLayout layout)
{
    switch (layout) {
    case LabelLayout::A4By3x8: return "a4-3x8";
    case LabelLayout::A4By2x7: return "a4-2x7";
    case LabelLayout::Roll100x50: return "roll-100x50";
    }
    return "?";
}

// One label's calls: every label ends with the text under its barcode.
using DrawnLabelCalls = std::vector<CanvasCall>;
struct DrawnLabel {
    int page;
    QString code;
    DrawnLabelCalls calls;
};

LabelDocument DocumentOf(const std::vector<TElement> &elements)
{
    LabelDocument document;
    document.Elements = ListOf(elements);
    document.Groups = NoGroups();
    document.Customer = QStringLiteral("Stolarska radnja Petrovi\u0107 i sinovi");
    document.Title = QStringLiteral("Kuhinja");
    return document;
}

bool HasText(const DrawnLabelCalls &calls, const QString &text)
{
    return std::any_of(calls.begin(), calls.end(), [&](const CanvasCall &call) {
        return call.kind == CanvasCall::Kind::Text && call.text == text;
    });
}

// The text whole, or its start cut with "…", in at least 6 points.
bool HasTextOrItsStart(const DrawnLabelCalls &calls, const QString &text)
{
    return std::any_of(calls.begin(), calls.end(), [&](const CanvasCall &call) {
        const bool cut = call.text.endsWith(QChar(0x2026)) && call.text.size() > 4
            && text.startsWith(call.text.chopped(1));
        return call.kind == CanvasCall::Kind::Text && (call.text == text || cut) && call.font.size >= 6;
    });
}

RecordingCanvas CanvasFor(LabelLayout layout)
{
    const QSizeF page = SheetOf(layout).page; // the label itself for a roll
    return RecordingCanvas(MmToDots(page.width(), kDpi), MmToDots(page.height(), kDpi), kDpi);
}

std::vector<DrawnLabel> DrawnLabels(const RecordingCanvas &canvas, const LabelDocument &document)
{
    std::vector<QString> codes;
    for (const PartLabel &label : PartLabels(document))
        codes.push_back(label.Code);
    std::vector<DrawnLabel> labels;
    DrawnLabel current{0, QString(), {}};
    for (const CanvasCall &call : canvas.Calls()) {
        if (call.kind == CanvasCall::Kind::NewPage)
            ++current.page;
        if (call.kind != CanvasCall::Kind::Text && call.kind != CanvasCall::Kind::Line
            && call.kind != CanvasCall::Kind::Rectangle)
            continue;
        current.calls.push_back(call);
        if (call.kind == CanvasCall::Kind::Text && std::find(codes.begin(), codes.end(), call.text) != codes.end()) {
            current.code = call.text;
            labels.push_back(current);
            current.calls.clear();
        }
    }
    return labels;
}

// Every text lies whole inside its clip, every clip, line and bar inside inner.
void ExpectInside(const DrawnLabel &label, const QRect &inner)
{
    RecordingCanvas measure(100, 100, kDpi);
    for (const CanvasCall &call : label.calls) {
        switch (call.kind) {
        case CanvasCall::Kind::Text:
            measure.SetFont(call.font);
            EXPECT_TRUE(inner.contains(call.rect)) << call.text.toStdString();
            EXPECT_TRUE(call.rect.contains(QRect(call.from, QSize(measure.TextWidth(call.text),
                                                                  measure.TextHeight(call.text)))))
                << call.text.toStdString() << " at size " << call.font.size;
            break;
        case CanvasCall::Kind::Line:
            EXPECT_TRUE(inner.contains(call.from) && inner.contains(call.to)) << label.code.toStdString();
            break;
        default:
            EXPECT_TRUE(inner.contains(call.rect)) << label.code.toStdString();
        }
    }
}

TEST(LabelLayout, FirstAndLastLabelOfEachSheetInDots)
{
    struct Case { LabelLayout layout; int position; QRect dots; };
    // At 300 dpi a millimetre is 11.811 dots; each edge rounds to the nearest dot.
    const Case cases[] = {
        {LabelLayout::A4By3x8, 1, DotsRect(0, 6, 827, 443)},
        {LabelLayout::A4By3x8, 3, DotsRect(1654, 6, 2480, 443)},
        {LabelLayout::A4By3x8, 24, DotsRect(1654, 3065, 2480, 3502)},
        {LabelLayout::A4By2x7, 1, DotsRect(55, 179, 1225, 629)},
        {LabelLayout::A4By2x7, 2, DotsRect(1255, 179, 2425, 629)},
        {LabelLayout::A4By2x7, 14, DotsRect(1255, 2879, 2425, 3329)},
        {LabelLayout::Roll100x50, 1, DotsRect(0, 0, 1181, 591)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LabelRect(c.layout, c.position, kDpi), c.dots) << LayoutName(c.layout) << " " << c.position;

    for (const LabelLayout layout : {LabelLayout::A4By3x8, LabelLayout::A4By2x7, LabelLayout::Roll100x50})
        EXPECT_EQ(LabelLayoutFromName(LayoutName(layout)), layout);
    EXPECT_FALSE(LabelLayoutFromName("a4-3X8"));
}

TEST(PartLabels, OneLabelPerPieceAndTheGroupsAfterTheElements)
{
    LabelDocument document = DocumentOf({MakeElement(800, 400, 2), MakeElement(600, 300, 1)});
    document.Groups[0].Pieces[0] = MakeElement(500, 100);
    document.Groups[0].Pieces[1] = MakeElement(420, 100, 3); // a group's piece is one piece
    document.Groups[1].Pieces[0] = MakeElement(300, 90);
    document.Groups[3].Pieces[0] = MakeElement(200, 90); // behind an empty group: not in use

    struct Expected { const char *number, *piece, *code; std::int32_t length; const char *ref; };
    const Expected expected[] = {
        {"1", "1/2", "Kuhinja/1/1", 800, "1/1"},        {"1", "2/2", "Kuhinja/1/2", 800, "1/2"},
        {"2", "1/1", "Kuhinja/2/1", 600, "2/1"},        {"G1.1", "1/1", "Kuhinja/G1.1/1", 500, "G1.1"},
        {"G1.2", "1/1", "Kuhinja/G1.2/1", 420, "G1.2"}, {"G2.1", "1/1", "Kuhinja/G2.1/1", 300, "G2.1"},
    };
    const std::vector<PartLabel> labels = PartLabels(document);
    ASSERT_EQ(labels.size(), std::size(expected));
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].Number, QLatin1String(expected[i].number)) << i;
        EXPECT_EQ(labels[i].Piece, QLatin1String(expected[i].piece)) << i;
        EXPECT_EQ(labels[i].Code, QLatin1String(expected[i].code)) << i;
        EXPECT_EQ(std::int32_t{labels[i].Element.Length}, expected[i].length) << i;
        EXPECT_EQ(labels[i].Ref, QLatin1String(expected[i].ref)) << i;
    }
}

TEST(LabelPrintout, ByAPlanTheLabelsComeInCuttingOrderEachWithItsBoardAndPosition)
{
    LabelDocument document = DocumentOf({MakeElement(900, 500, 3, "Bok"), MakeElement(400, 300, 4, "Polica")});
    document.Groups[0].Pieces[0] = MakeElement(600, 100);
    PlanRequest request;
    request.Board = CuttingBoard{1000, 1000, 1000, 1000, false};
    request.Pieces = PlanPiecesOf(document.Elements, document.Groups);
    PlanLimits limits;
    limits.Iterations = 50;
    const CuttingPlan plan = PlanCutting(request, limits).Plan;
    ASSERT_GT(plan.Boards.size(), 1u);

    QStringList expectedCodes, expectedPositions;
    for (std::size_t b = 0; b < plan.Boards.size(); ++b) {
        for (const PlacedPiece &placed : plan.Boards[b].Pieces) {
            const QString ref = QString::fromStdString(plan.Pieces[static_cast<std::size_t>(placed.Piece)].Ref);
            // "1/2" is coded "Kuhinja/1/2"; a group's piece "G1.1" as "Kuhinja/G1.1/1".
            expectedCodes << QStringLiteral("Kuhinja/") + ref + (ref.startsWith(QLatin1Char('G')) ? QStringLiteral("/1") : QString());
            expectedPositions << QStringLiteral("Tabla %1, x %2 y %3").arg(b + 1).arg(placed.X).arg(placed.Y);
        }
    }
    RecordingCanvas canvas = CanvasFor(LabelLayout::A4By3x8);
    LabelPrintOptions options;
    options.plan = &plan;
    ASSERT_EQ(PrintPartLabels(canvas, document, PrintoutSettings{}, options, nullptr), rcOK);
    const std::vector<DrawnLabel> labels = DrawnLabels(canvas, document);
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(expectedCodes.size()));
    const int padding = MmToDots(kLabelPaddingMm, kDpi);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].code, expectedCodes[static_cast<int>(i)]) << i;
        EXPECT_TRUE(HasText(labels[i].calls, expectedPositions[static_cast<int>(i)])) << i;
        const QRect label = LabelRect(LabelLayout::A4By3x8, static_cast<int>(i) + 1, kDpi);
        ExpectInside(labels[i], label.adjusted(padding, padding, -padding, -padding));
    }
}

TEST(PartLabels, TheBarcodeTitleIsAsciiOfAtMostSixteenCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("Kuhinja \u010ca\u010dak"), QStringLiteral("Kuhinja Cacak")},
        {QStringLiteral("\u0110or\u0111e \u0160\u0107eki\u0107 \u017e"), QStringLiteral("Dorde Scekic z")},
        {QStringLiteral("Ormar za spava\u0107u sobu"), QStringLiteral("Ormar za spavacu")},
        {QStringLiteral("Stra\u00dfe\t1"), QStringLiteral("Stra_e_1")},
        {QString(), QString()},
    };
    for (const auto &[title, folded] : cases)
        EXPECT_EQ(BarcodeTitle(title), folded) << title.toStdString();
}

TEST(LabelPrintout, EveryLabelInItsPositionFromTheStartAcrossPageBreaks)
{
    struct Case { LabelLayout layout; int start; int pieces; int pages; };
    const Case cases[] = {
        {LabelLayout::A4By3x8, 1, 25, 2},    // the 25th opens the second sheet
        {LabelLayout::A4By3x8, 23, 3, 2},   // a half-used sheet: positions 23, 24, then 1
        {LabelLayout::A4By2x7, 14, 2, 2},
        {LabelLayout::A4By2x7, 3, 12, 1},
        {LabelLayout::Roll100x50, 1, 3, 3},
    };
    // Long texts everywhere, so every one of them has to shrink to fit.
    TElement element = MakeElement(2800, 2070, 1, "Bocna stranica leva, gore");
    element.LengthBanding = BandingPvcAbs;
    element.WidthBanding = BandingAbsTwo;
    element.Grain = 1;
    TSettings settings;
    settings.SetMaterialName("Iverica hrast lancaster 18 mm, tamna");
    for (int code = 1; code < kBandingCodeCount; ++code)
        settings.SetBandingMarkText(code, std::string(6, '*'));
    for (const Case &c : cases) {
        element.Count = static_cast<std::uint16_t>(c.pieces);
        LabelDocument document = DocumentOf({element});
        document.Title = QStringLiteral("Kuhinja i trpezarija, drugi sprat");
        RecordingCanvas canvas = CanvasFor(c.layout);
        ASSERT_EQ(PrintPartLabels(canvas, document, PrintoutSettingsOf(settings), {c.layout, c.start}, nullptr), rcOK);
        EXPECT_EQ(CountOf(canvas, CanvasCall::Kind::NewPage), c.pages - 1) << LayoutName(c.layout);

        const std::vector<DrawnLabel> labels = DrawnLabels(canvas, document);
        ASSERT_EQ(static_cast<int>(labels.size()), c.pieces);
        const int perPage = SheetOf(c.layout).LabelsPerPage();
        const int padding = MmToDots(kLabelPaddingMm, kDpi);
        for (int i = 0; i < c.pieces; ++i) {
            const int slot = c.start - 1 + i;
            EXPECT_EQ(labels[i].page, slot / perPage);
            const QRect label = LabelRect(c.layout, slot % perPage + 1, kDpi);
            SCOPED_TRACE(LayoutName(c.layout) + " label " + std::to_string(i + 1));
            ExpectInside(labels[i], label.adjusted(padding, padding, -padding, -padding));
            EXPECT_TRUE(HasText(labels[i].calls, QStringLiteral("%1/%2").arg(i + 1).arg(c.pieces)));
            for (const char *text : {"RB. 1", "2800****** \u00d7 2070******"})
                EXPECT_TRUE(HasText(labels[i].calls, QString::fromUtf8(text))) << text;
            // Data may be cut to stay readable; a customer of two words fills the header at 2 points otherwise.
            for (const char *text : {"Bocna stranica leva, gore", "Iverica hrast lancaster 18 mm, tamna",
                                     "Stolarska radnja Petrovi\u0107 i sinovi", "Kuhinja i trpezarija, drugi sprat"})
                EXPECT_TRUE(HasTextOrItsStart(labels[i].calls, QString::fromUtf8(text))) << text;
            for (const CanvasCall &call : labels[i].calls)
                EXPECT_TRUE(call.kind != CanvasCall::Kind::Text || call.font.size >= 6) << call.text.toStdString();
        }
    }
}

TEST(LabelPrintout, TheSketchDrawsPvcThickAbsDoubleAndTheGrainArrow)
{
    struct Case { std::uint8_t lengthBanding, widthBanding, grain; int thick, thin; };
    const Case cases[] = {
        {BandingNone, BandingNone, 0, 0, 4},
        {BandingPvcOne, BandingNone, 0, 1, 3},
        {BandingPvcTwo, BandingAbsOne, 0, 2, 3},
        {BandingAbsTwo, BandingNone, 0, 0, 6},
        {BandingPvcAbs, BandingPvcAbs, 1, 2, 4 + 3}, // and the arrow's shaft and head
    };
    const int thickPen = MmToDots(0.6, kDpi);
    for (const Case &c : cases) {
        TElement element = MakeElement(900, 400);
        element.LengthBanding = c.lengthBanding;
        element.WidthBanding = c.widthBanding;
        element.Grain = c.grain;
        RecordingCanvas canvas = CanvasFor(LabelLayout::A4By3x8);
        ASSERT_EQ(PrintPartLabels(canvas, DocumentOf({element}), PrintoutSettings{}, {}, nullptr), rcOK);
        int thick = 0, thin = 0;
        for (const CanvasCall &call : canvas.Calls())
            if (call.kind == CanvasCall::Kind::Line)
                ++(call.penWidth == thickPen ? thick : thin);
        EXPECT_EQ(thick, c.thick) << int{c.lengthBanding} << "/" << int{c.widthBanding};
        EXPECT_EQ(thin, c.thin) << int{c.lengthBanding} << "/" << int{c.widthBanding};
    }
}

TEST(LabelPrintout, BarsAreWholeModulesOfTheSymbolOrNotDrawnAtAll)
{
    RecordingCanvas canvas = CanvasFor(LabelLayout::A4By3x8);
    const LabelDocument document = DocumentOf({MakeElement(900, 400)});
    ASSERT_EQ(PrintPartLabels(canvas, document, PrintoutSettings{}, {}, nullptr), rcOK);
    Code128Symbol symbol;
    ASSERT_EQ(EncodeCode128(QByteArrayLiteral("Kuhinja/1/1"), symbol), rcOK);
    std::vector<int> widths;
    for (const CanvasCall &call : canvas.Calls())
        if (call.kind == CanvasCall::Kind::Rectangle)
            widths.push_back(call.rect.width());
    ASSERT_EQ(widths.size(), symbol.bars.size());
    const int module = widths.front() / symbol.bars.front().width;
    EXPECT_GE(module, 2) << "two dots a module at 300 dpi";
    for (std::size_t i = 0; i < widths.size(); ++i)
        EXPECT_EQ(widths[i], symbol.bars[i].width * module) << i;

    RecordingCanvas coarse(496, 702, 60); // A4 at 60 dpi: a module would be less than a dot
    EXPECT_EQ(PrintPartLabels(coarse, document, PrintoutSettings{}, {}, nullptr), rcUnexpectedError);
    EXPECT_EQ(CountOf(coarse, CanvasCall::Kind::Rectangle), 0);
    EXPECT_EQ(CountOf(coarse, CanvasCall::Kind::End), 1);
}

} // namespace
