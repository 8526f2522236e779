// The desktop's own message box: its title, which button Enter presses, and
// that Escape and the close box leave it unanswered. Each box is answered by a
// timer, as a user would, the moment it shows.

#include "dialogs/DesktopPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Answer = Platform::Answer;
using Buttons = Platform::Buttons;
using Icon = Platform::Icon;

struct BoxCase {
    Icon icon;
    Buttons buttons;
    Answer defaultButton;
    int key; // 0: the box's close button
    Answer expected;
    const char *title;
};

// Names the case in test listings without printing the struct's padding bytes.
void PrintTo(const BoxCase &c, std::ostream *out)
{
    *out << c.title << " key " << c.key;
}

class DesktopBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(DesktopBox, AnswersAsTheUserDid)
{
    const BoxCase &c = GetParam();
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        if (c.key != 0)
            QTest::keyClick(box, static_cast<Qt::Key>(c.key));
        else
            box->close();
    });
    DesktopPlatform desktop;
    EXPECT_EQ(desktop.MessageBox(c.icon, c.buttons, QStringLiteral("?"), c.defaultButton), c.expected);
    EXPECT_EQ(title, QString::fromLatin1(c.title));
}

INSTANTIATE_TEST_SUITE_P(Boxes, DesktopBox, ::testing::Values(
    BoxCase{Icon::Warning, Buttons::YesNo, Answer::No, Qt::Key_Return, Answer::No, "Warning"},
    BoxCase{Icon::Question, Buttons::YesNo, Answer::Yes, Qt::Key_Return, Answer::Yes, "Confirm"},
    BoxCase{Icon::Warning, Buttons::YesNo, Answer::No, Qt::Key_Escape, Answer::Closed, "Warning"},
    BoxCase{Icon::Warning, Buttons::YesNo, Answer::Yes, 0, Answer::Closed, "Warning"},
    BoxCase{Icon::Error, Buttons::Ok, Answer::Ok, Qt::Key_Escape, Answer::Closed, "Error"},
    BoxCase{Icon::Information, Buttons::Cancel, Answer::Cancel, Qt::Key_Return, Answer::Cancel, "Information"},
    BoxCase{Icon::None, Buttons::Ok, Answer::Ok, Qt::Key_Return, Answer::Ok, "Morvena"}));

} // namespace
