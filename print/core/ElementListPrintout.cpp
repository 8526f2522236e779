#include "print/core/ElementListPrintout.h"

#include "print/core/ElementRowTexts.h"
#include "print/core/FontFit.h"

#include "common/ProgramIdentity.h"
#include "common/ResultCodes.h"

#include <optional>

std::uint16_t CmToDots(double centimetres, int dotsPerInch)
{
    return static_cast<std::uint16_t>(static_cast<int>(centimetres / 2.54 * dotsPerInch));
}

QPoint CentreText(PrintCanvas &canvas, const QString &text, int left, int top, int right, int bottom)
{
    const double x = left + (right - left) / 2.0 - canvas.TextWidth(text) / 2.0;
    const double y = top + (bottom - top) / 2.0 - canvas.TextHeight(text) / 2.0;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

PrintLayout PrintLayout::Of(const PrintCanvas &canvas)
{
    PrintLayout layout{};
    layout.pageWidth = canvas.PageWidth();
    layout.pageHeight = canvas.PageHeight();
    layout.layoutUnit = layout.pageHeight * 15 / 1000;
    layout.rowHeight = CmToDots(0.4, canvas.DpiY());
    layout.footerLineHeight = CmToDots(0.24, canvas.DpiY());
    layout.footerTop = layout.pageHeight - CmToDots(0.75, canvas.DpiY());
    layout.half = layout.pageWidth / 2;
    layout.leftBlock = LeftPrintBlock(layout.pageWidth);
    layout.rightBlock = ShiftedPrintBlock(layout.leftBlock, layout.half);
    return layout;
}

namespace {

enum class RowKind { Heading, Element };

// One printout in progress: where the next row goes and with which table.
class Printout {
public:
    Printout(PrintCanvas &canvas, MeasureCache cache)
        : m_canvas(canvas), m_layout(PrintLayout::Of(canvas))
    {
        if (cache == MeasureCache::On)
            m_cache.emplace();
    }

    void Run(const TElementList &list, const PrintoutSettings &settings, PrintProgress *progress);

private:
    void PrintPageStart();
    void PrintFooter();
    void PrintTableRow(RowKind kind, const TPrintRowTexts &texts);
    // Returns the cell's font size, the cap of the next cell.
    int PrintCell(const TPrintColumn &column, RowKind kind, const QString &text, int cap);
    int Fit(const QString &text, int maxWidth, int maxHeight, int cap);
    void SetStyle(const TPrintFontStyle &style);
    void SetFontSize(int size);
    bool LeftBlockInUse() const { return m_table->front().Left < m_layout.half; }

    PrintCanvas &m_canvas;
    const PrintLayout m_layout;
    std::optional<TextMeasureCache> m_cache;
    int m_y = 0;
    const TPrintTable *m_table = &m_layout.leftBlock;
    std::uint16_t m_savedTop = 0;
};

void Printout::Run(const TElementList &list, const PrintoutSettings &settings, PrintProgress *progress)
{
    const ElementRowTexts texts(settings);
    const int count = ElementCount(list);
    m_y = m_layout.layoutUnit / 3;
    bool pageStart = true;
    for (int i = 1; i <= count; ++i) {
        if (progress)
            progress->Step(i - 1, count);
        if (m_canvas.Aborted())
            return;
        if (pageStart) {
            PrintPageStart();
            pageStart = false;
        }
        PrintTableRow(RowKind::Element, texts.Of(list[i - 1], i));
        if (m_y + m_layout.layoutUnit > m_layout.footerTop && i != count) {
            if (LeftBlockInUse()) {
                m_y = m_savedTop;
                m_table = &m_layout.rightBlock;
                PrintTableRow(RowKind::Heading, PrintHeadings());
            } else {
                m_y = 0;
                pageStart = true;
                m_canvas.NewPage();
            }
        }
    }
}

int Printout::Fit(const QString &text, int maxWidth, int maxHeight, int cap)
{
    return FitFontSize(m_canvas, text, maxWidth, maxHeight, cap, m_cache ? &*m_cache : nullptr);
}

// Black, default pitch, the size kept.
void Printout::SetStyle(const TPrintFontStyle &style)
{
    PrintFont font;
    font.size = m_canvas.Font().size;
    font.bold = style.bold;
    font.underline = style.underline;
    font.italic = style.italic;
    m_canvas.SetFont(font);
}

void Printout::SetFontSize(int size)
{
    PrintFont font = m_canvas.Font();
    font.size = size;
    m_canvas.SetFont(font);
}

void Printout::PrintPageStart()
{
    const int bandHeight = m_layout.layoutUnit * 17 / 10;
    const QString title = QString::fromLatin1(kPrintTitle);
    m_canvas.SetPen(Qt::black, 1);
    m_canvas.SetBrush(QColor(192, 192, 192), BrushStyle::Solid);
    SetStyle(TPrintFontStyle{true, true, false});
    SetFontSize(Fit(title, m_layout.pageWidth, bandHeight, 0));
    const QPoint at = CentreText(m_canvas, title, 0, m_y, m_layout.pageWidth, m_y + bandHeight);
    m_canvas.TextRect(DotsRect(0, m_y, m_layout.pageWidth, m_y + bandHeight), at.x(), at.y(), title,
                      TextBackground::Opaque);

    m_y += m_layout.layoutUnit * 35 / 10;
    m_table = &m_layout.leftBlock;
    m_savedTop = static_cast<std::uint16_t>(m_y);
    PrintTableRow(RowKind::Heading, PrintHeadings());
    PrintFooter();
}

void Printout::PrintFooter()
{
    struct FooterLine {
        const char *text;
        TPrintFontStyle style;
    };
    static const FooterLine lines[] = {
        {kProgramVersionLine, {false, true, false}},
        {kProgramPurposeLine, {}},
        {kProgramSuiteLine, {true, false, false}},
    };
    int top = m_layout.footerTop;
    for (const FooterLine &line : lines) {
        const QString text = QString::fromLatin1(line.text);
        SetStyle(line.style);
        SetFontSize(Fit(text, m_layout.pageWidth, m_layout.footerLineHeight, 0));
        m_canvas.TextRect(DotsRect(0, top, m_layout.pageWidth, top + m_layout.footerLineHeight), 0, top, text,
                          TextBackground::Transparent);
        top += m_layout.footerLineHeight;
    }
}

void Printout::PrintTableRow(RowKind kind, const TPrintRowTexts &texts)
{
    const TPrintTable &table = *m_table;
    const int rh = m_layout.rowHeight;
    m_canvas.SetBrush(Qt::white, BrushStyle::Solid);
    m_canvas.SetPen(Qt::black, 1);
    m_canvas.Line(table.front().Left, m_y, table.back().Right, m_y);
    m_canvas.Line(table.front().Left, m_y + rh, table.back().Right, m_y + rh);
    int cap = 0;
    for (int k = 0; k < kPrintColumnCount; ++k)
        cap = PrintCell(table[k], kind, texts[k], cap);
    m_y += rh;
}

int Printout::PrintCell(const TPrintColumn &column, RowKind kind, const QString &text, int cap)
{
    const int rh = m_layout.rowHeight;
    const int left = column.Left;
    const int right = column.Right;
    m_canvas.SetPen(Qt::black, 2);
    m_canvas.Line(left, m_y, left, m_y + rh);
    m_canvas.Line(right, m_y, right, m_y + rh);
    m_canvas.SetPen(Qt::black, 1);

    const bool heading = kind == RowKind::Heading;
    const TPrintFontStyle &style = heading ? column.HeadingStyle : column.CellStyle;
    SetStyle(style);
    const int size = Fit(text, right - left - 2, rh * 9 / 10, cap);
    SetFontSize(size);

    const QPoint centred = CentreText(m_canvas, text, left, m_y, right, m_y + rh);
    int x = centred.x();
    switch (heading ? column.HeadingAlignment : column.CellAlignment) {
    case PrintAlignLeft:
        x = left + 2;
        break;
    case PrintAlignRight:
        x = right - 2 - m_canvas.TextWidth(text);
        break;
    default:
        break;
    }
    m_canvas.TextRect(DotsRect(left + 1, m_y + 1, right - 1, m_y + rh - 1), x, centred.y(), text,
                      TextBackground::Opaque);
    return size;
}

} // namespace

int PrintElementList(PrintCanvas &canvas, const TElementList &list, const PrintoutSettings &settings,
                     PrintProgress *progress, MeasureCache cache)
{
    canvas.SetPortrait();
    Printout printout(canvas, cache);
    canvas.SetTitle(QString::fromLatin1(kPrintJobTitle));
    const int begun = canvas.Begin();
    if (begun != rcOK)
        return begun;
    printout.Run(list, settings, progress);
    return canvas.End();
}
