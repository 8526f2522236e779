// Undo and redo through the Edit menu and its keys: every command of the
// program as one step, the steps of the active document, the saved state.

#include "test_main_fixture.h"

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "dialogs/Unit2.h"
#include "document/Unit16.h"
#include "support/Elements.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <vector>

namespace {

bool SameLists(const TForm16 &document, const ListSnapshot &lists)
{
    return std::memcmp(&document.Elements, &lists.elements, sizeof lists.elements) == 0
        && std::memcmp(&document.Groups, &lists.groups, sizeof lists.groups) == 0;
}

class Undo : public MainWindowTest {
protected:
    void SetUp() override
    {
        TSettings settings = TestSettings();
        settings.SetGroupPanel(true);
        WriteSettings(settings);
        ShowWindow();
        document = window->NewDocument();
        document->ReplaceElements(ListOf({MakeElement(100, 300, 1), MakeElement(200, 400, 2), MakeElement(300, 300, 3),
                                          MakeElement(400, 400, 4), MakeElement(500, 300, 5)}));
    }
    QUndoStack &Stack() const { return *document->UndoStack(); }
    void SelectElements(int first, int last)
    {
        document->SetCurrentRow(first + 1);
        for (int e = first; e < last; ++e)
            QTest::keyClick(document->SG1, Qt::Key_Down, Qt::ShiftModifier);
    }
    void EnterRow(int length, int width, int count)
    {
        for (const auto &[edit, value] : {std::pair{document->Edit1, length}, {document->Edit5, width},
                                          {document->Edit6, count}}) {
            edit->selectAll();
            QTest::keyClicks(edit, QString::number(value));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        if (!document->CheckBox1->isHidden())
            QTest::keyClick(document->CheckBox1, Qt::Key_Return); // the grain box adds
    }

    TForm16 *document = nullptr;
};

// Every command that changes a list, driven as the user drives it, with the
// boxes its refusals show answered.
class RandomCommands : public Undo {
protected:
    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    int Count() const { return ElementCount(document->Elements); }
    int RandomElement() { return Random(1, Count()); }
    void Multiply(QAction *item, int first, int last)
    {
        const int factor = Random(1, 3);
        desktop.AnswerInput(QString::number(factor));
        for (int i = first; i <= last; ++i) {
            if (document->Elements[std::size_t(i - 1)].Count * factor > kMaxCount) {
                desktop.AnswerBox(Platform::Answer::Ok);
                break;
            }
        }
        item->trigger();
    }
    void AddToSelectedGroup()
    {
        const int groups = GroupCount(document->Groups);
        if (groups == 0)
            return;
        const int e = RandomElement();
        const int g = Random(1, groups);
        const TElementGroup &group = document->Groups[std::size_t(g - 1)];
        const int pieces = GroupPieceCount(group);
        if (pieces == kPiecesPerGroup
            || (pieces > 0 && document->Elements[std::size_t(e - 1)].Width != group.Pieces[0].Width))
            desktop.AnswerBox(Platform::Answer::Ok);
        document->SetCurrentRow(e + 1);
        document->ListBox1->setCurrentRow(g - 1);
        QTest::mouseClick(document->Button1, Qt::LeftButton);
    }
    void DeleteGroup()
    {
        const int groups = GroupCount(document->Groups);
        if (groups == 0)
            return;
        const int g = Random(1, groups);
        if (Count() + GroupPieceCount(document->Groups[std::size_t(g - 1)]) > kMaxElements)
            desktop.AnswerBox(Platform::Answer::Ok);
        document->ListBox1->setCurrentRow(g - 1);
        QTest::keyClick(document->ListBox1, Qt::Key_Delete);
    }
    void Band()
    {
        window->State().Settings.SetBandingInUse(true);
        document->SetCurrentRow(RandomElement() + 1);
        const auto digit = static_cast<Qt::Key>(Qt::Key_1 + Random(0, 8));
        QTest::keyClick(document->SG1, digit, Random(0, 1) == 1 ? Qt::ShiftModifier : Qt::NoModifier);
        window->State().Settings.SetBandingInUse(false);
    }
    void EditThroughDialog()
    {
        document->SetCurrentRow(RandomElement() + 1);
        const int length = Random(100, 2000);
        WhenTheDialogShows([length](QWidget &dialog) {
            TypeAndEnter(QString::number(length));
            for (int i = 0; i < 10 && dialog.isVisible(); ++i)
                TypeAndEnter(QString()); // on through the fields to "Izmena"
        });
        window->MenuItem2->trigger();
    }
    void AddThroughDialog()
    {
        const bool clear = Random(0, 3) == 0;
        const int length = Random(100, 2000);
        const int width = Random(0, 1) == 0 ? 300 : 400;
        if (clear)
            desktop.AnswerBox(Platform::Answer::Yes);
        WhenTheDialogShows([clear, length, width](QWidget &dialog) {
            if (clear)
                static_cast<TForm2 &>(dialog).Clearallelements1->trigger();
            TypeAndEnter(QString::number(length));
            TypeAndEnter(QString::number(width));
            TypeAndEnter(QString());
            TypeAndEnter(QString()); // "Dodaj elemente"
            dialog.close();
        });
        QTest::mouseClick(window->ToolButton10, Qt::LeftButton);
    }
    void MergeFromOpen()
    {
        // A list too full for the merge would open a window of its own.
        if (Count() + 2 > kMaxElements || GroupCount(document->Groups) == kGroupsPerDocument)
            return;
        desktop.AnswerOpen({QString::fromStdString(Path("dodatak.tab")), 0});
        desktop.AnswerBox(Platform::Answer::No);
        window->FileOpenItem->trigger();
    }

    std::mt19937 random{14};
};

TEST_F(RandomCommands, UndoingAllOf300CommandsGivesTheStartAndRedoingThemTheEnd)
{
    TElementGroups merged = NoGroups();
    merged[0].Pieces[0] = MakeElement(650, 300);
    ASSERT_EQ(WriteDatabaseFile(Path("dodatak.tab"), ListOf({MakeElement(700, 300), MakeElement(800, 400, 2)}),
                                merged, "", "", ""),
              rcOK);
    Stack().setUndoLimit(0); // every step of the run stays, to go back to the start
    const std::unique_ptr<ListSnapshot> start = document->Lists();
    const std::vector<std::function<void()>> commands = {
        [&] { EnterRow(Random(100, 2000), Random(0, 1) == 0 ? 300 : 400, Random(1, 3)); },
        [&] { Band(); },
        [&] {
            const int first = RandomElement();
            SelectElements(first, std::min(Count(), first + Random(0, 2)));
            QTest::keyClick(document->SG1, Qt::Key_Delete);
        },
        [&] { Multiply(window->Pomnozispisakelemenatasa1, 1, Count()); },
        [&] {
            const int first = RandomElement();
            const int last = std::min(Count(), first + Random(0, 2));
            SelectElements(first, last);
            Multiply(window->Pomnoziselektovaneelementesa1, first, last);
        },
        [&] { window->Spajanjeistihelemenata1->trigger(); },
        [&] { window->Sortiranjespiskapoduzini1->trigger(); },
        [&] { window->Postavinasveelemente1->trigger(); },
        [&] { window->Uklonisasvihelemenata1->trigger(); },
        [&] { window->Kontratexturanasvimelementima1->trigger(); },
        [&] { AddToSelectedGroup(); },
        [&] {
            document->SetCurrentRow(RandomElement() + 1);
            QTest::mouseClick(document->Button2, Qt::LeftButton);
        },
        [&] { DeleteGroup(); },
        [&] { EditThroughDialog(); },
        [&] { AddThroughDialog(); },
        [&] { MergeFromOpen(); },
    };
    for (int i = 0; i < 300 && !HasFailure(); ++i) {
        if (Count() == 0)
            EnterRow(Random(100, 2000), 300, 1);
        ASSERT_GT(Count(), 0);
        commands[std::size_t(Random(0, int(commands.size()) - 1))]();
    }
    ASSERT_EQ(window->Documents().size(), 1);
    std::set<QString> kinds;
    for (int i = 0; i < Stack().count(); ++i)
        kinds.insert(Stack().text(i).startsWith(QStringLiteral("Brisanje GRUPA [")) ? QStringLiteral("Brisanje GRUPA")
                                                                                      : Stack().text(i));
    EXPECT_EQ(kinds.size(), commands.size()) << "every command made at least one step";
    const std::unique_ptr<ListSnapshot> end = document->Lists();

    while (Stack().canUndo())
        window->EditUndoItem->trigger();
    EXPECT_TRUE(SameLists(*document, *start));
    while (Stack().canRedo())
        window->EditRedoItem->trigger();
    EXPECT_TRUE(SameLists(*document, *end));
}

TEST_F(Undo, CtrlZAfterDeleteBringsTheElementsBackAtTheirPlacesSelected)
{
    const std::unique_ptr<ListSnapshot> before = document->Lists();
    SelectElements(2, 4);
    QTest::keyClick(document->SG1, Qt::Key_Delete);
    ASSERT_EQ(ElementCount(document->Elements), 2);
    QTest::keyClick(document->SG1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(SameLists(*document, *before));
    EXPECT_EQ(document->SelectedElementRange(), std::make_pair(2, 4));
    EXPECT_EQ(document->CurrentElement(), 2);
    QTest::keyClick(document->SG1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ElementCount(document->Elements), 2) << "redone";
}

TEST_F(Undo, TheMenuNamesTheStepsOfTheActiveDocument)
{
    EXPECT_EQ(window->menuBar()->actions().at(1), window->Edit1->menuAction()) << "Edit follows File";
    EXPECT_EQ(window->EditUndoItem->statusTip(), QStringLiteral("Undo the last change of the list"));
    EXPECT_FALSE(window->EditUndoItem->isEnabled());
    window->Spajanjeistihelemenata1->trigger();
    window->Sortiranjespiskapoduzini1->trigger();
    window->Postavinasveelemente1->trigger();
    EXPECT_EQ(window->EditUndoItem->text(), QStringLiteral("&Undo Postavi na sve elemente"));
    EXPECT_FALSE(window->EditRedoItem->isEnabled());
    window->EditUndoItem->trigger();
    EXPECT_EQ(window->EditRedoItem->text(), QStringLiteral("&Redo Postavi na sve elemente"));
    EXPECT_EQ(window->EditUndoItem->text(), QStringLiteral("&Undo Sortiranje spiska po duzini"))
        << "merging the distinct elements changed nothing and made no step";

    TForm16 *other = window->NewDocument();
    EXPECT_FALSE(window->EditUndoItem->isEnabled()) << "a new document has nothing to undo";
    EXPECT_EQ(window->EditUndoItem->text(), QStringLiteral("&Undo"));
    window->ClientArea()->setActiveSubWindow(document);
    window->EditUndoItem->trigger();
    EXPECT_FALSE(window->EditUndoItem->isEnabled());
    EXPECT_EQ(other->UndoStack()->count(), 0);
}

TEST_F(Undo, KeysInATextFieldTakeBackItsTypingNotTheList)
{
    window->Postavinasveelemente1->trigger();
    document->Edit1->setFocus();
    QTest::keyClicks(document->Edit1, QStringLiteral("123"));
    QTest::keyClick(document->Edit1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(document->Edit1->text(), QString());
    QTest::keyClick(document->Edit1, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(document->Edit1->text(), QStringLiteral("123"));
    EXPECT_EQ(Stack().index(), 1) << "the list kept its step";
    EXPECT_EQ(+document->Elements[0].Grain, 1);
}

TEST_F(Undo, UndoingBackToTheSavedListsClosesWithoutAQuestion)
{
    document->SetTitle(QStringLiteral("kuhinja")); // an untitled list with elements always asks
    window->Postavinasveelemente1->trigger();
    document->MarkSaved();
    EXPECT_FALSE(document->isWindowModified());
    window->Uklonisasvihelemenata1->trigger();
    EXPECT_TRUE(document->isWindowModified());
    EXPECT_EQ(document->windowTitle(), QStringLiteral("kuhinja[*]"));
    EXPECT_EQ(document->Title(), QStringLiteral("kuhinja"));

    window->EditUndoItem->trigger();
    EXPECT_FALSE(document->isWindowModified());
    EXPECT_TRUE(document->FormCloseQuery()) << "asks nothing: the list is the saved one";
    window->EditUndoItem->trigger();
    EXPECT_TRUE(document->isWindowModified());
    desktop.AnswerBox(Platform::Answer::No);
    EXPECT_FALSE(document->close());
    EXPECT_EQ(desktop.Boxes().size(), 1u);
}

TEST_F(Undo, The101stStepDropsTheOldest)
{
    window->Postavinasveelemente1->trigger();
    const std::unique_ptr<ListSnapshot> afterFirst = document->Lists();
    for (int i = 0; i < 100; ++i)
        (i % 2 == 0 ? window->Uklonisasvihelemenata1 : window->Postavinasveelemente1)->trigger();
    EXPECT_EQ(Stack().count(), 100);
    while (Stack().canUndo())
        window->EditUndoItem->trigger();
    EXPECT_TRUE(SameLists(*document, *afterFirst));
}

} // namespace
