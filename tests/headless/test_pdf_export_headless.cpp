// No Qt application runs in this binary: the PDF export starts its own on the
// offscreen platform, as the command-line tool needs it.

#include "print/core/PdfExport.h"
#include "support/Elements.h"
#include "support/TempDir.h"

#include "common/ResultCodes.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(PdfExportHeadless, WritesThePdfWithNothingOnStderr)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    unsetenv("XDG_RUNTIME_DIR"); // Qt warns about it at start-up
    unsetenv("DISPLAY");
    TempDir dir;
    const TElementList list = ListOf({MakeElement(720, 560, 2, "Vrata")});

    testing::internal::CaptureStderr();
    const int code = PrintListToPdf(list, dir.file("ormar.pdf"), PrintoutSettings{});
    const std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, rcOK);
    EXPECT_EQ(stderrText, "");
    EXPECT_EQ(ReadAll(dir.file("ormar.pdf")).substr(0, 4), "%PDF");
    EXPECT_EQ(QCoreApplication::instance(), nullptr) << "the application lives only for the export";
}
