// The scrolling text and the about box.

#include "test_dialog_fixture.h"

#include "dialogs/TScrtext.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit6.h"

#include <QAbstractEventDispatcher>
#include <QImage>
#include <QAction>
#include <QLabel>

namespace {

int TimersOf(const QObject &object)
{
    return static_cast<int>(QAbstractEventDispatcher::instance()->registeredTimers(const_cast<QObject *>(&object)).size());
}

// The leftmost column where the text colour shows, or -1.
int LeftmostText(QWidget &widget, const QColor &colour)
{
    const QImage image = widget.grab().toImage();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) == colour)
                return x;
        }
    }
    return -1;
}

class ScrollingText : public DialogTest {
protected:
    ScrollingText()
    {
        text.resize(200, 25);
        text.Text = QStringLiteral("Statistika");
        text.TextColor = Qt::red;
    }
    // Steps until the position returns to 0, within a bound.
    bool StartsOver()
    {
        for (int steps = 0; steps < 1000 && text.Position != 0; ++steps)
            text.ScrollStep();
        return text.Position == 0;
    }
    QWidget parent;
    TScrollingText &text = *new TScrollingText(&parent);
};

TEST_F(ScrollingText, EntersOneCharacterPerStepFromTheRightAndStartsOverOnceOut)
{
    EXPECT_EQ(text.Position, 1);
    EXPECT_FALSE(text.Running());
    const int oneCharacter = LeftmostText(text, Qt::red);
    EXPECT_GT(oneCharacter, text.width() - 20) << "only the first character, at the right edge";

    text.StartScrolling();
    EXPECT_EQ(text.Position, 1);
    for (int i = 0; i < text.Text.size() - 1; ++i)
        text.ScrollStep();
    EXPECT_EQ(text.Position, text.Text.size());
    const int whole = LeftmostText(text, Qt::red);
    EXPECT_LT(whole, oneCharacter - 30) << "the whole text in view";
    text.ScrollStep();
    EXPECT_LT(LeftmostText(text, Qt::red), whole) << "then it moves left";

    EXPECT_TRUE(StartsOver()) << "once the text has left on the left";
    text.StartScrolling();
    EXPECT_EQ(text.Position, 1);

    text.Text.clear(); // nothing to draw, but the steps still count up and start over
    text.ScrollStep();
    EXPECT_EQ(text.Position, 2);
    EXPECT_EQ(LeftmostText(text, Qt::red), -1);
    EXPECT_TRUE(StartsOver());
}

TEST_F(ScrollingText, OneTimerHoweverOftenStartedAndNoneOnceStoppedOrHidden)
{
    parent.show();
    text.Timer = 150;
    text.StartScrolling();
    text.Timer = 40; // read only at a start from the stopped state
    text.StartScrolling();
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&text);
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers[0].interval, 150);
    text.StopScrolling();
    EXPECT_EQ(TimersOf(text), 0);
    text.StopScrolling();
    EXPECT_FALSE(text.Running());

    text.StartScrolling();
    QTest::qWait(120);
    EXPECT_GT(text.Position, 1) << "the timer steps";
    parent.hide();
    EXPECT_EQ(TimersOf(text), 0);
}

class AboutBox : public DialogTest {};

TEST_F(AboutBox, ShowsTheVersionScrollsAndStopsWhenClosed)
{
    TForm7 about(false, nullptr);
    Open(about);
    EXPECT_EQ(about.Verzija->text(), QStringLiteral("1.00 (1)"));
    EXPECT_EQ(about.Label13->text(), QStringLiteral("16.01.2006."));
    EXPECT_TRUE(about.ScrollingText1->Running());
    EXPECT_EQ(about.ScrollingText1->TextColor, QColor(Qt::black));
    EXPECT_TRUE(about.ScrollingText1->Text.startsWith(QStringLiteral("MvInput")));

    Key(Qt::Key_Escape);
    EXPECT_TRUE(about.isVisible());
    Key(Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_EQ(TimersOf(*about.ScrollingText1), 0);

    Open(about);
    about.close();
    EXPECT_EQ(about.result(), QDialog::Accepted) << "the close box ends it the same way";
    EXPECT_EQ(TimersOf(*about.ScrollingText1), 0);
}

// Minimising hides the box's window for a while; the text goes on once it is back.
TEST_F(AboutBox, ScrollingGoesOnAfterTheBoxWasMinimisedAndRestored)
{
    TForm7 about(false, nullptr);
    TForm2 entry(state, desktop, nullptr);
    const std::pair<QDialog *, TScrollingText *> boxes[] = {{&about, about.ScrollingText1}, {&entry, entry.SText1}};
    for (const auto &[box, text] : boxes) {
        Open(*box);
        if (box == &entry)
            entry.Databaseproperties1->trigger(); // the statistics panel
        box->showMinimized();
        box->showNormal();
        EXPECT_TRUE(text->Running()) << box->objectName().toStdString();
        const int position = text->Position;
        EXPECT_TRUE(QTest::qWaitFor([&] { return text->Position != position; }));
        box->close();
    }
}

} // namespace
