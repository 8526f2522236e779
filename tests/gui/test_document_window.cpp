// The document window itself: creation, the close question, the stored layout,
// the group panel and list, colours and the customer page.

#include "test_document_host.h"

#include "document/UnitLabel.h"
#include "platform/Colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Question(const QString &title)
{
    return QStringLiteral("Baza podataka \"") + title + QStringLiteral("\" nije sacuvana.\r")
        + QStringLiteral("Ako je zatvorite podaci koje ste uneli ce biti trajno izbrisani.\r")
        + QStringLiteral("Da li ste sigurni da zelite da zatvorite ovu bazu ?");
}

class DocumentWindow : public ::testing::Test {
protected:
    TestDocumentHost host;
};

TEST_F(DocumentWindow, CreationGivesThreePagesAnEmptyDocumentAndTheFormSize)
{
    TForm16 *form = host.NewDocument();
    EXPECT_EQ(form->Model().Title(), QStringLiteral("Untitled"));
    EXPECT_TRUE(form->testAttribute(Qt::WA_DeleteOnClose));
    ASSERT_EQ(form->Pages1->count(), 3);
    EXPECT_EQ(form->Pages1->tabText(0), QStringLiteral("Podaci o elementima"));
    EXPECT_EQ(form->Pages1->tabText(1), QStringLiteral("Podaci o kupcu"));
    EXPECT_EQ(form->Pages1->tabText(2), QStringLiteral("Statistika baze"));
    EXPECT_EQ(form->Pages1->currentIndex(), 0);
    EXPECT_EQ(ElementCount(form->Elements), 0);
    EXPECT_EQ(GroupCount(form->Groups), 0);
    EXPECT_EQ(form->MaterialIndex, 0);
    EXPECT_EQ(form->size(), QSize(629, 319));
    EXPECT_EQ(form->Panel1->width(), 209);
    EXPECT_EQ(form->ListBox1->height(), 178);
    EXPECT_TRUE(form->Button1->isEnabled());
    EXPECT_TRUE(form->Button2->isEnabled());
    EXPECT_EQ(form->Button2->text(), QStringLiteral("Dodaj u novu grupu"));
    EXPECT_EQ(form->SG2->columnCount(), 3);
    EXPECT_EQ(form->SG2->columnWidth(1), 198);
    EXPECT_EQ(form->Edit2->maxLength(), 50);
    EXPECT_EQ(form->Edit3->maxLength(), 50);
    EXPECT_EQ(form->Edit4->maxLength(), 20);
    EXPECT_EQ(form->SG1->toolTip(), QStringLiteral("Spisak elemenata"));
    EXPECT_EQ(form->ComboBox1->toolTip(), QStringLiteral("Izbor materijala"));
}

TEST_F(DocumentWindow, ComponentsSitWhereTheFormPutsThem)
{
    TForm16 *form = host.NewDocument();
    QCoreApplication::processEvents();
    struct Place {
        const char *name;
        QWidget *widget;
        QString text;
        int left, top, width, height; // -1: not fixed by the form
    };
    const Place places[] = {
        {"Panel4", form->Panel4, {}, 0, 0, -1, 28},
        {"ComboBox1", form->ComboBox1, {}, 4, 2, form->Panel4->width() - 8, -1},
        {"Edit1", form->Edit1, {}, 4, 4, 41, -1},
        {"Label4", form->Label4, QStringLiteral("x"), 52, 8, -1, -1},
        {"Edit5", form->Edit5, {}, 64, 4, 45, -1},
        {"Edit6", form->Edit6, {}, 116, 4, 33, -1},
        {"Label5", form->Label5, QStringLiteral("kom"), 156, 12, -1, -1},
        {"CheckBox1", form->CheckBox1, QStringLiteral("Prati teksturu"), 188, 9, 97, -1},
        {"PaintBox1", form->PaintBox1, {}, form->Panel3->width() - 33, 10, 31, 20},
        {"Button1", form->Button1, QStringLiteral("Dodaj u selektovanu grupu"), 8, form->Panel1->height() - 65, 193, 25},
        {"Button2", form->Button2, QStringLiteral("Dodaj u novu grupu"), 8, form->Panel1->height() - 33, 193, 25},
        {"Label1", form->Label1, QStringLiteral("Kupac:"), 8, 16, -1, -1},
        {"Label2", form->Label2, QStringLiteral("Adresa:"), 8, 40, -1, -1},
        {"Label3", form->Label3, QStringLiteral("Telefon:"), 8, 64, -1, -1},
        {"Edit2", form->Edit2, {}, 80, 8, -1, -1},
        {"Edit3", form->Edit3, {}, 80, 32, -1, -1},
        {"Edit4", form->Edit4, {}, 80, 56, -1, -1},
    };
    for (const Place &place : places) {
        SCOPED_TRACE(place.name);
        const QRect g = place.widget->geometry();
        EXPECT_EQ(g.left(), place.left);
        EXPECT_EQ(g.top(), place.top);
        if (place.width >= 0) {
            EXPECT_EQ(g.width(), place.width);
        }
        if (place.height >= 0) {
            EXPECT_EQ(g.height(), place.height);
        }
        if (!place.text.isNull()) {
            EXPECT_EQ(place.widget->property("text").toString(), place.text);
        }
    }
    EXPECT_EQ(form->Panel3->height(), 30);
    EXPECT_EQ(form->Panel3->geometry().bottom(), form->Panel2->height() - 1) << "the entry row sits at the bottom";
    EXPECT_EQ(form->Panel1->geometry().right(), form->TabSheet1->width() - 1) << "the group panel docks right";
}

TEST_F(DocumentWindow, WithoutTheGroupPanelTheWindowIsNarrower)
{
    host.state.Settings.SetGroupPanel(false);
    TForm16 *form = host.NewDocument();
    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_EQ(form->width(), 629 - 221);
    form->ShowGroupPanel();
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_EQ(form->width(), 629);
}

struct CloseCase {
    const char *title;
    bool withElements;
    bool asks;
};

class CloseQuestionByTitle : public DocumentWindow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestionByTitle, UntitledWithElementsAsksEvenWhenSaved)
{
    const CloseCase &c = GetParam();
    TForm16 *form = host.NewDocument();
    form->Model().SetTitle(QString::fromUtf8(c.title));
    if (c.withElements)
        SetElements(*form, {MakeElement(600, 400)});
    form->Model().MarkSaved(QString()); // the title rule holds even for what was saved
    if (c.asks)
        host.desktop.AnswerBox(Platform::Answer::Yes);
    EXPECT_TRUE(host.Close(form));
    ASSERT_EQ(host.desktop.Boxes().size(), c.asks ? 1u : 0u) << c.title;
    if (c.asks) {
        EXPECT_EQ(host.desktop.Boxes()[0].text, Question(QString::fromUtf8(c.title)));
        EXPECT_EQ(host.desktop.Boxes()[0].icon, Platform::Icon::Warning);
        EXPECT_EQ(host.desktop.Boxes()[0].buttons, Platform::Buttons::YesNo);
    }
}

INSTANTIATE_TEST_SUITE_P(Titles, CloseQuestionByTitle, ::testing::Values(
    CloseCase{"Untitled 1", true, true},
    CloseCase{"Untitled_3", true, true},
    CloseCase{"untitled9", true, true},
    CloseCase{"UNTITLED", true, true},
    CloseCase{"Untitle", true, false},     // shorter than eight: never matches
    CloseCase{"Kuhinja", true, false},
    CloseCase{"Untitled 2", false, false}));

TEST_F(DocumentWindow, EmptyNewDocumentClosesSilentlyAndFreesItself)
{
    TForm16 *form = host.NewDocument();
    QPointer<TForm16> watch(form);
    EXPECT_TRUE(host.Close(form));
    EXPECT_TRUE(host.desktop.Boxes().empty());
    EXPECT_TRUE(watch.isNull());
}

TEST_F(DocumentWindow, AnsweringNoKeepsTheWindowOpenYesClosesIt)
{
    TForm16 *form = host.NewDocument();
    form->Model().SetTitle(QStringLiteral("Untitled 1"));
    SetElements(*form, {MakeElement(600, 400)});
    QPointer<TForm16> watch(form);
    host.desktop.AnswerBox(Platform::Answer::No);
    EXPECT_FALSE(host.Close(form));
    EXPECT_FALSE(watch.isNull());
    host.desktop.AnswerBox(Platform::Answer::Closed); // a box closed without an answer keeps it too
    EXPECT_FALSE(host.Close(form));
    EXPECT_FALSE(watch.isNull());
    host.desktop.AnswerBox(Platform::Answer::Yes);
    EXPECT_TRUE(host.Close(form));
    EXPECT_TRUE(watch.isNull());
}

TEST_F(DocumentWindow, SavedThenChangedDocumentAsks)
{
    TForm16 *form = host.NewDocument();
    form->Model().SetTitle(QStringLiteral("Kuhinja"));
    SetElements(*form, {MakeElement(600, 400)});
    form->Model().MarkSaved(QString());
    TElementList changed = form->Elements;
    changed[0].Count = 3;
    form->Model().ReplaceElements(changed, QStringLiteral("Izmena"));
    host.desktop.AnswerBox(Platform::Answer::No);
    EXPECT_FALSE(host.Close(form));
    EXPECT_EQ(host.desktop.Boxes().at(0).text, Question(QStringLiteral("Kuhinja")));
    form->Model().MarkSaved(QString());
    EXPECT_TRUE(host.Close(form));
    EXPECT_EQ(host.desktop.Boxes().size(), 1u);
}

TEST_F(DocumentWindow, ChangedGroupsOrCustomerTextsAsk)
{
    for (int change = 0; change < 4; ++change) {
        TForm16 *form = host.NewDocument();
        switch (change) {
        case 0: {
            TElementGroups groups = form->Groups;
            groups[0].Pieces[0] = MakeElement(600, 400);
            form->Model().Replace(form->Elements, groups, QStringLiteral("Dodaj u novu grupu"));
            break;
        }
        case 1:
            QTest::keyClicks(form->Edit2, QStringLiteral("Petar"));
            break;
        case 2:
            form->Edit3->setText(QStringLiteral("Ulica 1"));
            break;
        default:
            form->Edit4->setText(QStringLiteral("011"));
            break;
        }
        host.desktop.AnswerBox(Platform::Answer::Yes);
        EXPECT_TRUE(host.Close(form));
        EXPECT_EQ(host.desktop.Boxes().size(), static_cast<std::size_t>(change + 1)) << "change " << change;
    }
}

TEST_F(DocumentWindow, LayoutIsSavedOnCloseAndRestoredByTheNextWindow)
{
    TForm16 *form = host.NewDocument();
    form->setGeometry(20, 30, 560, 300);
    form->SG1->setColumnWidth(3, 140);
    ASSERT_TRUE(host.Close(form));
    const TSettings &s = host.state.Settings;
    EXPECT_EQ(s.WindowLeft(), 20);
    EXPECT_EQ(s.WindowTop(), 30);
    EXPECT_EQ(s.WindowWidth(), 560);
    EXPECT_EQ(s.WindowHeight(), 300);
    EXPECT_EQ(s.WindowState(), 0);
    EXPECT_EQ(s.ColumnWidth(4), 140);
    EXPECT_EQ(s.ColumnWidth(1), 32);

    TForm16 *next = host.NewDocument();
    EXPECT_EQ(next->geometry(), QRect(20, 30, 560, 300));
    EXPECT_EQ(next->SG1->columnWidth(3), 140);
    EXPECT_EQ(next->SG1->columnWidth(0), 32);
}

TEST_F(DocumentWindow, StoredValuesOffTheScreenOrTooSmallAreIgnored)
{
    TSettings &s = host.state.Settings;
    s.SetWindowLeft(60000);
    s.SetWindowTop(40);
    s.SetWindowWidth(1);
    s.SetWindowHeight(250);
    s.SetColumnWidth(2, 0);
    s.SetColumnWidth(3, 70);
    TForm16 *form = host.NewDocument();
    EXPECT_EQ(form->y(), 40);
    EXPECT_LT(form->x(), 1000);
    EXPECT_EQ(form->width(), 629);
    EXPECT_EQ(form->height(), 250);
    EXPECT_EQ(form->SG1->columnWidth(1), 48);
    EXPECT_EQ(form->SG1->columnWidth(2), 70);
}

TEST_F(DocumentWindow, MaximisedStateIsStoredAndRestored)
{
    TForm16 *form = host.NewDocument();
    form->showMaximized();
    ASSERT_TRUE(host.Close(form));
    EXPECT_EQ(host.state.Settings.WindowState(), 2);
    TForm16 *next = host.NewDocument();
    EXPECT_TRUE(next->isMaximized());
}

TEST_F(DocumentWindow, ShowGroupsListsEveryGroupAndKeepsTheSelection)
{
    TForm16 *form = host.NewDocument();
    TElementGroups groups = form->Groups;
    for (int g = 0; g < 3; ++g)
        for (int p = 0; p <= g; ++p)
            groups[static_cast<std::size_t>(g)].Pieces[p] = MakeElement(500 + p, 300 + g);
    SetLists(*form, form->Elements, groups);
    ASSERT_EQ(form->ListBox1->count(), 3);
    EXPECT_EQ(form->ListBox1->item(0)->text(), QStringLiteral("GRUPA [1]: 1 elementa"));
    EXPECT_EQ(form->ListBox1->item(2)->text(), QStringLiteral("GRUPA [3]: 3 elementa"));
    EXPECT_EQ(form->ListBox1->currentRow(), -1);

    form->ListBox1->setCurrentRow(2);
    groups[2].Pieces[3] = MakeElement(900, 302);
    SetLists(*form, form->Elements, groups);
    EXPECT_EQ(form->ListBox1->item(2)->text(), QStringLiteral("GRUPA [3]: 4 elementa"));
    EXPECT_EQ(form->ListBox1->currentRow(), 2);

    ClearGroups(groups);
    groups[0].Pieces[0] = MakeElement(1, 1);
    SetLists(*form, form->Elements, groups);
    ASSERT_EQ(form->ListBox1->count(), 1);
    EXPECT_EQ(form->ListBox1->currentRow(), 0) << "a selection past the end moves to the last line";
}

TEST_F(DocumentWindow, HidingThePanelReturnsGroupedPiecesToTheList)
{
    TForm16 *form = host.NewDocument();
    SetElements(*form, {MakeElement(700, 300, 2)});
    TElementGroups groups = form->Groups;
    groups[0].Pieces[0] = MakeElement(600, 400);
    groups[0].Pieces[1] = MakeElement(650, 400);
    groups[1].Pieces[0] = MakeElement(800, 200);
    SetLists(*form, form->Elements, groups);
    form->HideGroupPanel();
    EXPECT_TRUE(form->Panel1->isHidden());
    EXPECT_EQ(form->width(), 629 - 221);
    EXPECT_EQ(GroupCount(form->Groups), 0);
    ASSERT_EQ(ElementCount(form->Elements), 4);
    EXPECT_EQ(+form->Elements[1].Length, 600);
    EXPECT_EQ(+form->Elements[3].Length, 800);
    EXPECT_EQ(form->SG1->model()->rowCount(), 6);
    EXPECT_EQ(form->ListBox1->count(), 0);
}

TEST_F(DocumentWindow, PanelStaysWithItsGroupsWhenTheListIsTooFull)
{
    TForm16 *form = host.NewDocument();
    TElementList nearlyFull = form->Elements;
    for (std::size_t slot = 0; slot + 1 < nearlyFull.size(); ++slot)
        nearlyFull[slot] = MakeElement(100, 100);
    TElementGroups groups = form->Groups;
    groups[0].Pieces[0] = MakeElement(600, 400);
    groups[0].Pieces[1] = MakeElement(650, 400);
    SetLists(*form, nearlyFull, groups);
    host.desktop.AnswerBox(Platform::Answer::Ok);
    form->HideGroupPanel();
    ASSERT_EQ(host.desktop.Boxes().size(), 1u);
    EXPECT_EQ(host.desktop.Boxes()[0].text, QStringLiteral("Spisak elemenata je pun!"));
    EXPECT_EQ(host.desktop.Boxes()[0].icon, Platform::Icon::None);
    EXPECT_FALSE(form->Panel1->isHidden());
    EXPECT_EQ(form->width(), 629);
    EXPECT_EQ(GroupPieceCount(form->Groups[0]), 2) << "no piece may be lost";
    EXPECT_EQ(ElementCount(form->Elements), kMaxElements - 1);
    EXPECT_EQ(form->ListBox1->count(), 1);
}

TEST_F(DocumentWindow, GroupsFromAFileSurviveTheFirstShow)
{
    auto *form = new TForm16(host.state, host.desktop, &host.menu);
    TElementGroups groups = form->Groups;
    groups[0].Pieces[0] = MakeElement(600, 400);
    SetLists(*form, form->Elements, groups);
    host.area.addSubWindow(form);
    form->show();
    EXPECT_EQ(GroupCount(form->Groups), 1);
    form->Model().MarkSaved(QString());
}

TEST_F(DocumentWindow, ApplyColoursPaintsEditsGridsAndComboButNotTheList)
{
    TForm16 *form = host.NewDocument();
    const QColor control = ColourFromWindows(kControlColour);
    for (QWidget *widget : {static_cast<QWidget *>(form->Edit1), static_cast<QWidget *>(form->Edit4),
                            static_cast<QWidget *>(form->SG1), static_cast<QWidget *>(form->SG2),
                            static_cast<QWidget *>(form->ComboBox1)})
        EXPECT_EQ(widget->palette().color(QPalette::Base), control) << widget->metaObject()->className();
    EXPECT_EQ(form->ListBox1->palette().color(QPalette::Base), QColor(254, 239, 237));
    host.state.Settings.SetControlColour(0x0000FF00);
    form->ApplyColours();
    EXPECT_EQ(form->Edit2->palette().color(QPalette::Base), QColor(0, 255, 0));
}

TEST_F(DocumentWindow, CustomerFieldsFollowThePageWidth)
{
    TForm16 *form = host.NewDocument();
    form->Pages1->setCurrentIndex(1);
    form->resize(800, 319);
    QCoreApplication::processEvents();
    const int expected = form->TabSheet2->width() - 80 - 5;
    EXPECT_EQ(form->Edit2->width(), expected);
    EXPECT_EQ(form->Edit3->width(), expected);
    EXPECT_EQ(form->Edit4->width(), expected);
}

TEST_F(DocumentWindow, CustomerFieldsTakeOnlyWhatWindows1250Holds)
{
    TForm16 *form = host.NewDocument();
    TypeText(form->Edit2, QString::fromUtf8("Đorđe Šić"));
    EXPECT_EQ(form->Edit2->text(), QString::fromUtf8("Đorđe Šić"));
    TypeText(form->Edit3, QString::fromUtf8("Ж€日x"));
    EXPECT_EQ(form->Edit3->text(), QString::fromUtf8("€x")) << "Cyrillic and CJK are refused, the euro sign fits";
    EXPECT_EQ(form->Model().Customer().Customer, "\xD0or\xF0" "e \x8A" "i\xE6");

    form->Model().SetCustomer({"", "", "\x8E" "ar"});
    EXPECT_EQ(form->Edit4->text(), QString::fromUtf8("Žar"));
    form->Edit4->setText(QString::fromUtf8("aЖb"));
    EXPECT_EQ(form->Model().Customer().Telephone, "a?b") << "text set by code is never dropped whole";
}

} // namespace
