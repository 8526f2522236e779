// The labels dialog, driven by the keys a user presses in it.

#include "dialogs/LabelOptionsDialog.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Typed {
    Qt::Key key; // Qt::Key_unknown: type text instead
    const char *text;
};

struct OptionsCase {
    const char *what;
    bool printerInstalled;
    std::vector<Typed> keys;
    bool accepted;
    LabelJobOptions expected;
};

class LabelOptionsKeys : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(LabelOptionsKeys, GiveTheChosenOptions)
{
    const OptionsCase &c = GetParam();
    LabelOptionsDialog dialog(c.printerInstalled);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (const Typed &typed : c.keys) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << c.what;
        if (typed.key == Qt::Key_unknown)
            QTest::keyClicks(focus, QString::fromLatin1(typed.text));
        else
            QTest::keyClick(focus, typed.key);
    }
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.what;
    const LabelJobOptions options = dialog.Options();
    EXPECT_EQ(options.layout, c.expected.layout) << c.what;
    EXPECT_EQ(options.firstPosition, c.expected.firstPosition) << c.what;
    EXPECT_EQ(options.toPdf, c.expected.toPdf) << c.what;
}

constexpr Typed kEnter{Qt::Key_Return, ""};
constexpr Typed kTab{Qt::Key_Tab, ""};
constexpr Typed kDown{Qt::Key_Down, ""};

INSTANTIATE_TEST_SUITE_P(Dialog, LabelOptionsKeys, ::testing::Values(
    OptionsCase{"defaults", true, {kEnter}, true, {LabelLayout::A4By3x8, 1, false}},
    OptionsCase{"last of 3 x 8", true, {kTab, {Qt::Key_unknown, "24"}, kEnter}, true, {LabelLayout::A4By3x8, 24, false}},
    OptionsCase{"beyond 2 x 7", true, {kDown, kTab, {Qt::Key_unknown, "15"}, kEnter}, true,
                {LabelLayout::A4By2x7, 1, false}},
    OptionsCase{"roll, into the PDF", true, {kDown, kDown, kTab, kDown, kEnter}, true,
                {LabelLayout::Roll100x50, 1, true}},
    OptionsCase{"no printer", false, {kTab, {Qt::Key_unknown, "7"}, kEnter}, true, {LabelLayout::A4By3x8, 7, true}},
    OptionsCase{"escape", true, {{Qt::Key_Escape, ""}}, false, {LabelLayout::A4By3x8, 1, false}}));

} // namespace
