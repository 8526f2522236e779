// The new-elements dialog's list commands and its statistics panel.

#include "test_dialog_fixture.h"

#include "dialogs/TScrtext.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit2.h"
#include "dialogs/DesktopPlatform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

class EntryList : public DialogTest {
protected:
    void Start(const std::vector<TElement> &elements)
    {
        form = std::make_unique<TForm2>(state, desktop, nullptr);
        form->Elements = ListOf(elements);
        Open(*form);
    }
    // Clicks the entries with Ctrl held, as a user picks several.
    void Pick(std::initializer_list<int> rows)
    {
        for (const int row : rows) {
            const QRect rect = form->ListBox1->visualItemRect(form->ListBox1->item(row));
            QTest::mouseClick(form->ListBox1->viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
        }
    }
    std::vector<std::int32_t> Lengths() const
    {
        std::vector<std::int32_t> lengths;
        for (int i = 0; i < ElementCount(form->Elements); ++i) {
            const std::int32_t length = form->Elements[static_cast<std::size_t>(i)].Length; // a copy of the packed field
            lengths.push_back(length);
        }
        return lengths;
    }

    std::unique_ptr<TForm2> form;
};

TEST_F(EntryList, DeleteRemovesThePickedEntriesAndKeepsTheOrder)
{
    Start({MakeElement(100, 50), MakeElement(200, 50), MakeElement(300, 50), MakeElement(400, 50)});
    Pick({1, 3});
    form->Delete1->trigger();
    EXPECT_EQ(Lengths(), (std::vector<std::int32_t>{100, 300}));
    EXPECT_EQ(form->ListBox1->count(), 2);

    form->ListBox1->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    form->Delete1->trigger();
    EXPECT_EQ(ElementCount(form->Elements), 0);
    form->Delete1->trigger(); // an empty list: nothing happens
    EXPECT_EQ(form->ListBox1->count(), 0);
}

TEST_F(EntryList, DuplicateAppendsCopiesUntilTheListIsFull)
{
    std::vector<TElement> elements;
    for (int i = 1; i < kMaxElements; ++i)
        elements.push_back(MakeElement(i, 10));
    Start(elements);
    Pick({0, 1, 2});
    form->Duplicate1->trigger();
    ASSERT_EQ(ElementCount(form->Elements), kMaxElements);
    EXPECT_EQ(+form->Elements[kMaxElements - 1].Length, 1);

    Start({MakeElement(100, 50), MakeElement(200, 50)});
    form->Duplicate1->trigger(); // nothing picked
    Pick({0, 1});
    form->Duplicate1->trigger();
    EXPECT_EQ(Lengths(), (std::vector<std::int32_t>{100, 200, 100, 200}));
}

TEST_F(EntryList, ClearAllAsksFirstAndOnYesEmptiesTheDocumentToo)
{
    Start({MakeElement(100, 50)});
    QSignalSpy cleared(form.get(), &TForm2::ElementsCleared);
    desktop.AnswerBox(Platform::Answer::No);
    form->Clearallelements1->trigger();
    EXPECT_EQ(ElementCount(form->Elements), 1);
    desktop.AnswerBox(Platform::Answer::Yes);
    form->Clearallelements1->trigger();
    EXPECT_EQ(ElementCount(form->Elements), 0);
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_EQ(cleared.count(), 1);
    ASSERT_EQ(desktop.Boxes().size(), 2u);
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::Warning);
    EXPECT_EQ(desktop.Boxes()[0].buttons, Platform::Buttons::YesNo);
    EXPECT_EQ(desktop.Boxes()[0].text,
              QStringLiteral("Da li ste sigurni da zelite da obrisete sve elemente sa spiska?\n\n"));
    form->Clearallelements1->trigger(); // empty: no question
    EXPECT_EQ(desktop.Boxes().size(), 2u);
}

TEST_F(EntryList, EditChangesTheCurrentEntryAndTheEntryStartsAfresh)
{
    Start({MakeElement(100, 50), MakeElement(200, 50, 2)});
    Type(QStringLiteral("700"));
    form->ListBox1->setCurrentRow(0);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto *edit = qobject_cast<TForm12 *>(QApplication::activeModalWidget());
        ASSERT_NE(edit, nullptr);
        ASSERT_TRUE(HasKeyboard(*edit));
        EXPECT_EQ(edit->Edit1->text(), QStringLiteral("100"));
        TypeEach({"150", "80", "4", "", ""});
        answered = true;
    });
    form->POPMEdit3->trigger();
    ASSERT_TRUE(answered);
    EXPECT_EQ(Lengths(), (std::vector<std::int32_t>{150, 200}));
    EXPECT_EQ(+form->Elements[0].Width, 80);
    EXPECT_EQ(+form->Elements[0].Count, 4);
    EXPECT_EQ(form->ListBox1->item(0)->text(), QStringLiteral(" 150 x   80 [4 KOM.]"));
    EXPECT_EQ(form->Duzina->text(), QStringLiteral("000"));
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("1"));
}

// A box over the dialog closes on the press of Enter; its key comes up in the
// dialog after the activation put the focus in the length field, and must not move it on.
class KeyUpAfterABox : public EntryList {
protected:
    void TypeALengthAfterTheKeyUp(const std::function<void()> &command)
    {
        command();
        form->activateWindow(); // as the window manager gives the dialog back the keyboard
        ASSERT_TRUE(HasKeyboard(*form));
        QTest::keyRelease(QGuiApplication::focusWindow(), Qt::Key_Return);
        Type(QStringLiteral("120"));
        EXPECT_EQ(Focus(), form->Duzina);
        EXPECT_EQ(form->Duzina->text(), QStringLiteral("120"));
        EXPECT_EQ(form->Sirina->text(), QStringLiteral("000"));
        EXPECT_EQ(form->KantDuzine->currentIndex(), 0);
    }
    // Presses Enter on the modal window above the dialog once it has the
    // keyboard, on its control of that name when one is given.
    static void PressEnterOnTheBox(const char *control = nullptr)
    {
        QTimer::singleShot(0, [control] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_TRUE(box != nullptr && HasKeyboard(*box));
            if (control)
                box->findChild<QWidget *>(QString::fromLatin1(control))->setFocus();
            QTest::keyPress(QGuiApplication::focusWindow(), Qt::Key_Return);
        });
    }
};

TEST_F(KeyUpAfterABox, ClearAllAnsweredWithEnter)
{
    DesktopPlatform realDesktop; // the real box, so the press goes where a user's does
    form = std::make_unique<TForm2>(state, realDesktop, nullptr);
    form->Elements = ListOf({MakeElement(100, 50)});
    Open(*form);
    PressEnterOnTheBox(); // on No, its default
    TypeALengthAfterTheKeyUp([this] { form->Clearallelements1->trigger(); });
    EXPECT_EQ(ElementCount(form->Elements), 1);
}

TEST_F(KeyUpAfterABox, IzmenaPressedWithEnter)
{
    state.Settings.SetBandingInUse(true);
    Start({MakeElement(100, 50)});
    form->ListBox1->setCurrentRow(0);
    PressEnterOnTheBox("Button2"); // "Izmena"
    TypeALengthAfterTheKeyUp([this] { form->POPMEdit3->trigger(); });
}

TEST_F(EntryList, StatisticsPanelShowsTheFiguresWhileItsHeaderScrolls)
{
    struct Case {
        std::int32_t boardLength;
        std::int32_t boardWidth;
        std::vector<TElement> elements;
        const char *pieces, *area, *board, *boardArea, *boards, *totalPrice;
    };
    const Case cases[] = {
        {2000, 1000, {MakeElement(1000, 1000, 4)}, "4  [1]", "4.000 m²", "2000 x 1000", "2.000 m²", "3", "50.000"},
        {2000, 1000, {MakeElement(2000, 1000, 1), MakeElement(500, 500, 2)}, "3  [2]", "2.500 m²", "2000 x 1000",
         "2.000 m²", "2", "31.250"},
        {2000, 1000, {}, "0  [0]", "0.000 m²", "2000 x 1000", "2.000 m²", "1", "0.000"},
        {0, 0, {MakeElement(1000, 1000, 1)}, "1  [1]", "1.000 m²", "0 x 0", "0.000 m²", "-", "12.500"},
    };
    state.Settings.SetPricePerM2(12.5);
    state.Settings.SetMaterialName("Iveral");
    for (const Case &c : cases) {
        state.Settings.SetUsableBoardLength(c.boardLength);
        state.Settings.SetUsableBoardWidth(c.boardWidth);
        Start(c.elements);
        form->Databaseproperties1->trigger();
        EXPECT_TRUE(form->Panel1->isVisible());
        EXPECT_EQ(form->Panel1->pos(), QPoint(0, 0));
        EXPECT_FALSE(form->ListBox1->isEnabled());
        EXPECT_TRUE(form->SText1->Running());
        EXPECT_EQ(form->Label12->text(), QString::fromUtf8(c.pieces));
        EXPECT_EQ(form->Label13->text(), QString::fromUtf8(c.area));
        EXPECT_EQ(form->Label21->text(), QStringLiteral("Iveral"));
        EXPECT_EQ(form->Label14->text(), QString::fromUtf8(c.board));
        EXPECT_EQ(form->Label15->text(), QString::fromUtf8(c.boardArea));
        EXPECT_EQ(form->Label16->text(), QString::fromUtf8(c.boards));
        EXPECT_EQ(form->Label17->text(), QStringLiteral("12.500"));
        EXPECT_EQ(form->Label18->text(), QString::fromUtf8(c.totalPrice));

        QTest::mouseClick(form->Button3, Qt::LeftButton);
        EXPECT_FALSE(form->Panel1->isVisible());
        EXPECT_FALSE(form->SText1->Running());
        EXPECT_TRUE(form->ListBox1->isEnabled());
    }
}

TEST_F(EntryList, PrintingWaitsForTheMainWindow)
{
    Start({MakeElement(100, 50)});
    const QList<QAction *> items = form->PopupMenu1->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[5]->text(), QStringLiteral("Stampanje baze podataka"));
    EXPECT_FALSE(items[5]->isEnabled());
    QSignalSpy print(form.get(), &TForm2::PrintRequested);
    items[5]->setEnabled(true);
    items[5]->trigger();
    EXPECT_EQ(print.count(), 1);
}

} // namespace
