#include "PrintTestHelpers.h"

#include "print/core/PdfCanvas.h"
#include "print/core/PdfExport.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// "/Type /Page" also starts "/Type /Pages", the page tree.
int PdfPageCount(const std::string &bytes)
{
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
        pages += bytes.compare(at, 12, "/Type /Pages") != 0;
    return pages;
}

bool Exists(const std::string &name)
{
    return std::ifstream(name).good();
}

} // namespace

TEST(PdfOutput, WritesARealPdfWithThePagesOfTheLayout)
{
    TempDir dir;
    const std::string name = dir.file("list.pdf");
    PdfCanvas pdf(name);
    ASSERT_EQ(PrintElementList(pdf, NumberedList(300), PrintoutSettings{}, nullptr), rcOK);
    EXPECT_EQ(pdf.DpiY(), 300);
    EXPECT_NEAR(pdf.PageHeightMm(), 297, 1); // A4, no margins

    RecordingCanvas same(pdf.PageWidth(), pdf.PageHeight(), pdf.DpiY());
    ASSERT_EQ(PrintElementList(same, NumberedList(300), PrintoutSettings{}, nullptr), rcOK);
    const std::string bytes = ReadAll(name);
    EXPECT_EQ(bytes.substr(0, 4), "%PDF");
    EXPECT_EQ(PdfPageCount(bytes), CountOf(same, CanvasCall::Kind::NewPage) + 1);
    EXPECT_EQ(PdfPageCount(bytes), 3);
}

TEST(PdfOutput, FailedOrCancelledJobsLeaveNoFile)
{
    TempDir dir;
    struct Case { std::string name; bool abort; int code; };
    const Case cases[] = {
        {dir.file("missing/list.pdf"), false, rcFileAccessError},
        {dir.file("cancelled.pdf"), true, rcOK},
    };
    for (const Case &c : cases) {
        PdfCanvas pdf(c.name);
        ASSERT_EQ(pdf.Begin(), rcOK);
        if (c.abort)
            pdf.Abort();
        EXPECT_EQ(pdf.End(), c.code) << c.name;
        EXPECT_FALSE(Exists(c.name)) << c.name;
    }
}

TEST(PdfOutput, ListPrintsToPdf)
{
    TempDir dir;
    const std::string pdf = dir.file("kuhinja.pdf");
    EXPECT_EQ(PrintListToPdf(NumberedList(5), pdf, PrintoutSettings{}), rcOK);
    EXPECT_EQ(ReadAll(pdf).substr(0, 4), "%PDF");
}
