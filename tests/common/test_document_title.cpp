// The one title rule: a file's name without its folder, less four characters.

#include "common/DocumentTitle.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentTitle, FileNameLessItsLastFourCharacters)
{
    const struct {
        const char *fileName;
        const char *title;
    } cases[] = {
        {"DATA/kuhinja.tab", "kuhinja"},
        {"/a.b/kuhinja", "kuh"},         // no extension: still four characters
        {"ponuda.tabx", "ponuda."},
        {"abc", ""},
        {"DATA/\xc5\xa1ifra\xc5\xbe.tab", "\xc5\xa1ifra\xc5\xbe"}, // UTF-8 letters count as one
        {"x/\xc5\xa1\xc4\x8d\xc4\x87\xc5\xbe\xc4\x91", "\xc5\xa1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TitleOfFile(c.fileName), c.title) << c.fileName;
}

TEST(DocumentTitle, UntitledByItsFirstEightLettersInAnyCase)
{
    EXPECT_TRUE(IsUntitledTitle(UntitledTitle(12)));
    EXPECT_TRUE(IsUntitledTitle("untitled9"));
    EXPECT_FALSE(IsUntitledTitle("Untitle"));
    EXPECT_FALSE(IsUntitledTitle("Kuhinja untitled"));
}

} // namespace
