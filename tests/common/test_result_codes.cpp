#include "common/ResultCodes.h"

#include "support/MessageCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CodeCase {
    int code;
    const char *text;
};

const CodeCase kCodes[] = {
    {-150, "OK"},
    {-149, "File not found"},
    {-148, "File is corrupted"},
    {-147, "File access error"},
    {-146, "Database header corrupted"},
    {-145, "Database body corrupted"},
    {-144, "Database version error"},
    {-143, "Disc became full?"},
    {-142, "Unexpected error"},
    {-141, "File create error"},
    {-140, "Rename file error"},
    {-139, "Read behind the end of file"},
    {-138, "Can't delete file"},
    {-137, "File alredy exists"},
    {-136, "File not open"},
};

class ResultTextTable : public ::testing::TestWithParam<CodeCase> {};

} // namespace

TEST_P(ResultTextTable, FixedText)
{
    EXPECT_STREQ(ResultText(GetParam().code), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Codes, ResultTextTable, ::testing::ValuesIn(kCodes));

TEST(ResultText, CodesOutsideTheTable)
{
    for (int code : {-151, -135, 0, 1, -1000})
        EXPECT_STREQ(ResultText(code), "Unknown error") << code;
}

TEST(ShowError, MessageThenCodeAndTextOnTheNextLine)
{
    MessageCapture capture;
    ShowError("Error loading database!", -149);
    ShowError("Error saving database!", -143);
    ShowError("Strange", 7);
    ASSERT_EQ(capture.messages().size(), 3u);
    EXPECT_EQ(capture.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(capture.messages()[0].text, "Error loading database!\nError: -149 [File not found]");
    EXPECT_EQ(capture.messages()[1].text, "Error saving database!\nError: -143 [Disc became full?]");
    EXPECT_EQ(capture.messages()[2].text, "Strange\nError: 7 [Unknown error]");
}

TEST(ShowError, CaptureRestoresThePreviousSink)
{
    MessageCapture outer;
    {
        MessageCapture inner;
        ShowError("inner", -150);
        EXPECT_EQ(inner.messages().size(), 1u);
    }
    ShowError("outer", -150);
    ASSERT_EQ(outer.messages().size(), 1u);
    EXPECT_EQ(outer.messages()[0].text, "outer\nError: -150 [OK]");
}
