// Opening, merging and saving databases through the File menu, with every
// dialog answered by the scripted desktop and every file real.

#include "test_main_fixture.h"

#include "common/BoardType.h"
#include "common/DatabaseFile.h"
#include "common/Settings.h"
#include "common/ResultCodes.h"
#include "document/Unit16.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"

#include "common/FileTestHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMimeData>
#include <QDropEvent>
#include <QUrl>
#include <QTableView>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

template <typename T>
std::string BytesOf(const T &record)
{
    return std::string(reinterpret_cast<const char *>(&record), sizeof record);
}

TElement Banded(std::int32_t length, std::int32_t width, std::uint16_t count, const char *label)
{
    TElement e = MakeElement(length, width, count, label);
    e.WidthBanding = 2;
    return e;
}

TElementGroups OneGroup(std::int32_t width)
{
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(700, width);
    groups[0].Pieces[1] = MakeElement(650, width);
    return groups;
}

class OpenSave : public ShownWindowTest {
protected:
    void Open(const std::string &name)
    {
        desktop.AnswerOpen({QString::fromStdString(name), 0});
        window->FileOpenItem->trigger();
    }
    void Save(const std::string &name, int filterIndex)
    {
        desktop.AnswerSave({QString::fromStdString(name), filterIndex});
        window->FileSaveItem->trigger();
    }
    void WriteDatabase(const std::string &name, const TElementList &elements, const TElementGroups &groups)
    {
        ASSERT_EQ(WriteDatabaseFile(name, elements, groups, "Petar \x8A" "aric", "Ulica 5", "011 22"), rcOK);
    }
    TForm16 *Last() const { return window->Documents().last(); }
};

struct LayoutCase {
    const char *name;
    const char *file;
    const char *version; // empty: written by the program itself
};

class OpenLayout : public OpenSave, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(OpenLayout, OpensIntoANewWindowWithItsTitleCustomerAndBanding)
{
    const std::string name = Path(GetParam().file);
    const std::string version = GetParam().version;
    if (version.empty()) {
        WriteDatabase(name, ListOf({Banded(900, 500, 2, "Vrata"), MakeElement(400, 300)}), NoGroups());
    } else {
        TDatabaseHeader header{};
        header.Version.assign(version);
        header.FileType.assign("TABDTA");
        header.Customer.assign("Petar \x8A" "aric");
        TLegacyElement legacy{};
        const TElement e = Banded(900, 500, 2, "Vrata");
        std::memcpy(legacy.Fields, &e, sizeof legacy.Fields);
        legacy.Label.assign("Vrata");
        WriteAll(name, BytesOf(header) + (version == "DAT3.0" ? BytesOf(legacy) : BytesOf(e)));
    }
    const std::string before = std::filesystem::current_path();
    Open(name);

    ASSERT_EQ(window->Documents().size(), 1);
    EXPECT_TRUE(desktop.Boxes().empty());
    EXPECT_EQ(Last()->Model().Title(), QStringLiteral("kuhinja"));
    EXPECT_EQ(Last()->Edit2->text(), QString::fromUtf8("Petar Šaric"));
    EXPECT_EQ(+Last()->Elements[0].Length, 900);
    EXPECT_EQ(Last()->Elements[0].Label.str(), "Vrata");
    EXPECT_TRUE(state.Settings.BandingInUse()) << "a banded element switches banding on";
    EXPECT_EQ(std::string(std::filesystem::current_path()), before);
    EXPECT_TRUE(std::filesystem::is_directory(Path("DATA/SWORK")));
    EXPECT_EQ(desktop.OpenDialogs()[0].initialDirectory, QString::fromStdString(Path("DATA")));
    EXPECT_TRUE(Last()->close()) << "a document just opened closes without a question";
}

INSTANTIATE_TEST_SUITE_P(Layouts, OpenLayout, ::testing::Values(
    LayoutCase{"Dat30", "kuhinja.tab", "DAT3.0"}, LayoutCase{"Dat40", "kuhinja.TAB", "DAT4.0"},
    LayoutCase{"Dat50", "kuhinja.tab", ""}, LayoutCase{"Universal", "kuhinja.tun", ""}),
    [](const auto &info) { return std::string(info.param.name); });

struct MergeCase {
    Platform::Answer answer;
    int windows;        // afterwards
    int activeElements; // in the window that was active
    int activeGroups;
};

class MergeQuestion : public OpenSave, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MergeQuestion, YesOpensAWindowNoMergesAndClosingTheBoxStops)
{
    WriteDatabase(Path("b.tab"), ListOf({MakeElement(800, 200), MakeElement(700, 200)}), OneGroup(300));
    TForm16 *active = window->NewDocument();
    SetLists(*active, ListOf({MakeElement(100, 50)}), OneGroup(400));
    desktop.AnswerBox(GetParam().answer);
    Open(Path("b.tab"));

    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].text, QStringLiteral("Zelite li da kreirate novi prozor za ovo bazu podataka?"));
    EXPECT_EQ(window->Documents().size(), GetParam().windows);
    EXPECT_EQ(ElementCount(active->Elements), GetParam().activeElements);
    EXPECT_EQ(GroupCount(active->Groups), GetParam().activeGroups);
    EXPECT_EQ(active->Model().Title(), QStringLiteral("Untitled 1"));
    if (GetParam().answer == Platform::Answer::No) {
        EXPECT_EQ(+active->Elements[2].Length, 700) << "the merged elements follow the old ones";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, MergeQuestion, ::testing::Values(
    MergeCase{Platform::Answer::Yes, 2, 1, 1}, MergeCase{Platform::Answer::No, 1, 3, 2},
    MergeCase{Platform::Answer::Closed, 1, 1, 1}));

TEST_F(OpenSave, MergeIsNotOfferedBeyond800ElementsOr10Groups)
{
    TElementGroups many = NoGroups();
    for (int g = 0; g < 6; ++g)
        many[g].Pieces[0] = MakeElement(500, 100 + g);
    WriteDatabase(Path("many.tab"), ListOf(std::vector<TElement>(401, MakeElement(300, 200))), many);
    WriteDatabase(Path("groups.tab"), ListOf({MakeElement(300, 200)}), many);
    TForm16 *active = window->NewDocument();
    SetLists(*active, ListOf(std::vector<TElement>(400, MakeElement(300, 200))), NoGroups());
    Open(Path("many.tab"));
    SetLists(*active, ListOf({MakeElement(300, 200)}), many);
    ClientArea()->setActiveSubWindow(active);
    Open(Path("groups.tab"));
    EXPECT_EQ(window->Documents().size(), 3);
    EXPECT_TRUE(desktop.Boxes().empty());
}

TEST_F(OpenSave, AFileOfAForeignTypeShowsTheReadersErrorAndChangesNothing)
{
    WriteAll(Path("photo.tab"), std::string("\xFF\xD8\xFF\xE0", 4) + std::string(400, 'x'));
    desktop.AnswerBox(Platform::Answer::Ok);
    Open(Path("photo.tab"));
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::Error);
    EXPECT_EQ(desktop.Boxes()[0].text, QStringLiteral("Error loading database!\nError: -146 [")
                                           + QString::fromStdString(ResultText(rcHeaderCorrupted))
                                           + QStringLiteral("]"));
    EXPECT_TRUE(window->Documents().isEmpty());
    EXPECT_FALSE(state.Settings.BandingInUse());
}

struct SaveCase {
    const char *chosen;
    int filterIndex;
    const char *written;
    bool asksOnClose; // a ".tun" keeps no groups
};

class SaveAs : public OpenSave, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveAs, WritesTheChosenKindRetitlesAndRemembersWhatTheFileHolds)
{
    TForm16 *document = window->NewDocument();
    SetLists(*document, ListOf({Banded(900, 500, 2, "Vrata"), MakeElement(400, 300)}), OneGroup(300));
    document->Edit2->setText(QString::fromUtf8("Petar Šaric"));
    if (GetParam().asksOnClose)
        desktop.AnswerBox(Platform::Answer::Yes); // saved as ".tun" all the same
    Save(Path(GetParam().chosen), GetParam().filterIndex);

    TElementList elements;
    TElementGroups groups;
    TDatabaseHeader header;
    ASSERT_EQ(ReadDatabaseFile(Path(GetParam().written), elements, groups, header), rcOK);
    EXPECT_EQ(std::memcmp(&elements, &document->Elements, sizeof elements), 0);
    EXPECT_EQ(header.Customer.str(), "Petar \x8A" "aric");
    EXPECT_EQ(document->Model().Title(), QString::fromStdString(GetParam().written).chopped(4));
    EXPECT_EQ(desktop.SaveDialogs()[0].title, QStringLiteral("Snimanje baze podataka"));
    if (GetParam().asksOnClose)
        desktop.AnswerBox(Platform::Answer::No);
    EXPECT_EQ(document->close(), !GetParam().asksOnClose);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SaveAs, ::testing::Values(
    SaveCase{"ormar.tab", 0, "ormar.tab", false}, SaveCase{"ormar", 0, "ormar.tab", false},
    SaveCase{"ormar", 1, "ormar.tun", true}, SaveCase{"ormar.tun", 0, "ormar.tun", true}));

struct SaveQuestionCase {
    const char *name;
    const char *existing;                    // a file already there, or null
    const char *chosen;
    int filterIndex;
    bool groups;                             // the document holds a group
    const char *label;                       // of its one element
    std::vector<Platform::Answer> answers;   // one per question asked
    std::vector<const char *> questions;     // their texts' beginnings, in order
    bool written;
};

class SaveQuestionsAsked : public OpenSave, public ::testing::WithParamInterface<SaveQuestionCase> {};

TEST_P(SaveQuestionsAsked, InTheirOrderEachDefaultingToNo)
{
    const SaveQuestionCase &c = GetParam();
    if (c.existing)
        WriteAll(Path(c.existing), "old bytes");
    TForm16 *document = window->NewDocument();
    SetLists(*document, ListOf({MakeElement(900, 500, 1, c.label)}), c.groups ? OneGroup(300) : NoGroups());
    for (const Platform::Answer answer : c.answers)
        desktop.AnswerBox(answer);
    Save(Path(c.chosen), c.filterIndex);

    ASSERT_EQ(desktop.Boxes().size(), c.questions.size());
    for (std::size_t i = 0; i < c.questions.size(); ++i) {
        EXPECT_TRUE(desktop.Boxes()[i].text.startsWith(QString::fromUtf8(c.questions[i]))) << i;
        EXPECT_EQ(desktop.Boxes()[i].defaultButton, Platform::Answer::No) << i;
    }
    const std::string written = Path(std::string(c.chosen).find('.') == std::string::npos
                                         ? std::string(c.chosen) + (c.filterIndex == 1 ? ".tun" : ".tab")
                                         : c.chosen);
    EXPECT_EQ(ReadAll(written) != "old bytes" && std::filesystem::exists(written), c.written);
    EXPECT_EQ(document->Model().FileName().isEmpty(), !c.written);
}

const char *const kReplace = "Fajl \"";
const char *const kTun = "Format .tun ne cuva grupe i oznake duze od 15 znakova. Snimiti ipak?";
using A = Platform::Answer;

INSTANTIATE_TEST_SUITE_P(Cases, SaveQuestionsAsked, ::testing::Values(
    SaveQuestionCase{"NewFileAsksNothing", nullptr, "ormar.tab", 0, true, "", {}, {}, true},
    SaveQuestionCase{"TypedWithItsExtension", "ormar.tab", "ormar.tab", 0, false, "", {A::No}, {kReplace}, false},
    SaveQuestionCase{"TypedWithoutIt", "ormar.tab", "ormar", 0, false, "", {A::Yes}, {kReplace}, true},
    SaveQuestionCase{"BoxClosed", "ormar.tab", "ormar", 0, false, "", {A::Closed}, {kReplace}, false},
    SaveQuestionCase{"TunWithAGroup", nullptr, "ormar", 1, true, "", {A::No}, {kTun}, false},
    SaveQuestionCase{"TunLabelOf15", nullptr, "ormar.tun", 0, false, "Bocna stranica1", {}, {}, true},
    SaveQuestionCase{"TunLabelOf16", nullptr, "ormar.tun", 0, false, "Bocna stranica12", {A::No}, {kTun}, false},
    SaveQuestionCase{"ReplaceThenTun", "ormar.tun", "ormar.tun", 0, true, "", {A::Yes, A::No}, {kReplace, kTun},
                     false},
    SaveQuestionCase{"ReplaceRefusedAsksNoMore", "ormar.tun", "ormar.tun", 0, true, "", {A::No}, {kReplace}, false},
    SaveQuestionCase{"BothYes", "ormar.tun", "ormar.tun", 0, true, "", {A::Yes, A::Yes}, {kReplace, kTun}, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(OpenSave, GroupsOrCustomerDataAloneAreSavedAndAnEmptyDocumentIsNot)
{
    TForm16 *groups = window->NewDocument();
    SetLists(*groups, ListOf({}), OneGroup(300));
    Save(Path("grupe.tab"), 0);
    TForm16 *customer = window->NewDocument();
    customer->Edit2->setText(QStringLiteral("Petar"));
    Save(Path("kupac.tab"), 0);
    DatabaseContents read;
    ASSERT_EQ(ReadDatabaseContents(Path("grupe.tab"), read), rcOK);
    EXPECT_EQ(GroupCount(read.Groups), 1);
    ASSERT_EQ(ReadDatabaseContents(Path("kupac.tab"), read), rcOK);
    EXPECT_EQ(read.Customer.Customer, "Petar");
    for (TForm16 *document : {groups, customer})
        EXPECT_TRUE(document->close()) << "saved: closing asks nothing";

    TForm16 *empty = window->NewDocument();
    window->FileSaveItem->trigger();
    EXPECT_TRUE(desktop.SaveDialogs().size() == 2) << "nothing to keep: no dialog";
    EXPECT_TRUE(empty->close());
}

TEST_F(OpenSave, AFilesMaterialIsRememberedUntilTheBoardTableNoLongerHasIt)
{
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(Path("config")));
    TBoardTable table{};
    for (int b = 0; b < 3; ++b) {
        table[b].Length = 2800 + b;
        table[b].Width = 2070;
        table[b].Name.assign("Iverica " + std::to_string(b + 1));
    }
    const auto writeTable = [&] {
        WriteAll(Path(kBoardTableFileName), std::string(reinterpret_cast<const char *>(table.data()), 3 * sizeof(TBoardType)));
        window->LoadBoardTypes();
    };
    const auto choose = [](TForm16 &document, int board) {
        document.ComboBox1->setCurrentIndex(board - 1);
        emit document.ComboBox1->activated(board - 1);
    };
    writeTable();
    const std::string setupBefore = ReadAll(Path(kSettingsFileName));
    TForm16 *kitchen = window->NewDocument();
    choose(*kitchen, 2);
    SetLists(*kitchen, ListOf({MakeElement(900, 500)}), NoGroups());
    Save(Path("kuhinja.tab"), 0);
    ASSERT_TRUE(kitchen->close());
    choose(*window->NewDocument(), 3); // the settings' material is the third now

    desktop.AnswerBox(Platform::Answer::Yes); // into a window of its own
    Open(Path("kuhinja.tab"));
    EXPECT_EQ(Last()->MaterialIndex, 2);
    EXPECT_EQ(state.Settings.BoardLength(), 2801) << "the statistics and labels use it";
    ASSERT_TRUE(Last()->close());
    table[1].Name.assign("Iverica 2 hrast"); // the table was edited meanwhile
    writeTable();
    desktop.AnswerBox(Platform::Answer::Yes);
    Open(Path("kuhinja.tab"));
    EXPECT_EQ(Last()->MaterialIndex, 3) << "the settings' material";

    EXPECT_TRUE(std::filesystem::exists(Path("config/Morvena/materials")));
    EXPECT_EQ(ReadAll(Path(kSettingsFileName)), setupBefore);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(OpenSave, AFailedSaveKeepsTheOldFileAndTheTitle)
{
    WriteAll(Path("old.tab"), "old bytes");
    TForm16 *document = window->NewDocument();
    SetLists(*document, ListOf(std::vector<TElement>(100, MakeElement(300, 200))), NoGroups());
    // The child inherits the window and the script; its writes stop at 2 KB.
    const int failures = ExitCodeUnderFileSizeLimit(2048, [&] {
        desktop.AnswerSave({QString::fromStdString(Path("old.tab")), 0});
        desktop.AnswerBox(Platform::Answer::Yes); // replace it
        desktop.AnswerBox(Platform::Answer::Ok);
        window->FileSaveItem->trigger();
        const bool shown = desktop.Boxes().size() == 2
            && desktop.Boxes()[1].text.startsWith(QStringLiteral("Greska prilikom snimanja baze podataka!\nError: "));
        const bool titled = document->Model().Title() == QStringLiteral("Untitled 1");
        _exit((shown ? 0 : 1) + (titled ? 0 : 2));
        return 0;
    });
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(ReadAll(Path("old.tab")), "old bytes");
}

TEST_F(OpenSave, ASavedDatabaseOpensAgainAsItWas)
{
    TForm16 *document = window->NewDocument();
    SetLists(*document, ListOf({Banded(900, 500, 2, "Vrata"), MakeElement(400, 300, 3, "Polica")}),
                           OneGroup(300));
    document->Edit3->setText(QStringLiteral("Ulica 5"));
    Save(Path("DATA/kuhinja.tab"), 0);
    const TElementList elements = document->Elements;
    const TElementGroups groups = document->Groups;
    ASSERT_TRUE(document->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Open(Path("DATA/kuhinja.tab"));
    ASSERT_EQ(window->Documents().size(), 1);
    EXPECT_EQ(std::memcmp(&Last()->Elements, &elements, sizeof elements), 0);
    EXPECT_EQ(std::memcmp(&Last()->Groups, &groups, sizeof groups), 0);
    EXPECT_EQ(Last()->Edit3->text(), QStringLiteral("Ulica 5"));
    EXPECT_EQ(Last()->ListBox1->count(), 1);
    EXPECT_EQ(Last()->SG1->model()->rowCount(), 4);
}

TEST_F(OpenSave, ATelephoneLongerThanItsFieldTakesSurvivesOpenAndSave)
{
    const std::string telephone = "+381 11 222 333, lokal 45 / 67"; // 30: what the file holds
    ASSERT_EQ(WriteDatabaseFile(Path("dug.tab"), ListOf({MakeElement(900, 500)}), NoGroups(), "Petar", "", telephone),
              rcOK);
    Open(Path("dug.tab"));
    EXPECT_EQ(Last()->Edit4->text(), QString::fromStdString(telephone));
    EXPECT_FALSE(Last()->isWindowModified()) << "as it was read";
    Save(Path("kopija.tab"), 0);
    DatabaseContents saved;
    ASSERT_EQ(ReadDatabaseContents(Path("kopija.tab"), saved), rcOK);
    EXPECT_EQ(saved.Customer.Telephone, telephone);
    // Typing is held to the field's 20 once the text is that short.
    Last()->Edit4->clear();
    QTest::keyClicks(Last()->Edit4, QString(25, QLatin1Char('1')));
    EXPECT_EQ(Last()->Edit4->text().size(), 20);
}

TEST_F(OpenSave, ASpreadsheetsCuttingListOpensIntoANewDocument)
{
    WriteAll(Path("narudzba.csv"), "\xEF\xBB\xBFRB;Duzina;Sirina;Komada;Tekstura;Kant duzine;Kant sirine;Oznaka\r\n"
                                   "1;59,5 cm;300;2;1;2;0;Vrata \xC5\xA1" "ank\r\n2;400;250,4;1;0;0;1;Polica\r\n");
    Open(Path("narudzba.csv"));
    ASSERT_EQ(window->Documents().size(), 1);
    EXPECT_EQ(Last()->Model().Title(), QStringLiteral("narudzba"));
    EXPECT_EQ(ElementCount(Last()->Elements), 2);
    EXPECT_EQ(+Last()->Elements[0].Length, 595);
    EXPECT_EQ(+Last()->Elements[1].Width, 250);
    EXPECT_EQ(+Last()->Elements[0].LengthBanding, 2);
    EXPECT_EQ(Last()->SG1->model()->index(2, 3).data().toString(), QString::fromUtf8("Vrata šank"));
    EXPECT_TRUE(desktop.OpenDialogs()[0].filters.contains(QStringLiteral("Cutting lists (*.csv *.CSV)")));
}

TEST_F(OpenSave, ACuttingListWithBadRowsListsTheFirstTwentyAndOpensNothing)
{
    std::string csv = "Duzina,Sirina,Komada\n";
    for (int row = 0; row < 25; ++row)
        csv += "x,300,1\n";
    WriteAll(Path("lose.csv"), csv);
    desktop.AnswerBox(Platform::Answer::Ok);
    Open(Path("lose.csv"));
    EXPECT_TRUE(window->Documents().isEmpty());
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    const QStringList lines = desktop.Boxes()[0].text.split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 22);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("red 2: ")));
    EXPECT_EQ(lines.last(), QStringLiteral("... i jos 5"));
}

// 800 elements and a group piece are 801 rows for an optimiser: written all
// the same, with a box that MvInput cannot open them again as one database.
TEST_F(OpenSave, AnExportOfMoreRowsThanAListHoldsIsWrittenWithAWarning)
{
    const TElementList elements = FullListOf(MakeElement(500, 300));
    TElementGroups groups = NoGroups();
    groups[0].Pieces[0] = MakeElement(700, 100);
    WriteDatabase(Path("velika.tab"), elements, groups);
    Open(Path("velika.tab"));
    ASSERT_EQ(window->Documents().size(), 1);
    desktop.AnswerSave({QString::fromStdString(Path("velika.csv")), 2}); // Smart2D
    desktop.AnswerBox(Platform::Answer::Ok);
    window->FileExportItem->trigger();
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_EQ(desktop.Boxes()[0].icon, Platform::Icon::Warning);
    EXPECT_TRUE(desktop.Boxes()[0].text.contains(QStringLiteral("801 redova")));
    const std::string written = ReadAll(Path("velika.csv"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 802);
}

TEST_F(OpenSave, NamedAndDroppedFilesOpenAsOpenDoes)
{
    WriteDatabase(Path("a.tab"), ListOf({MakeElement(500, 300)}), NoGroups());
    WriteDatabase(Path("b.tab"), ListOf({MakeElement(600, 300)}), NoGroups());
    desktop.AnswerBox(Platform::Answer::Ok);
    window->OpenFiles({QString::fromStdString(Path("a.tab")), QString::fromStdString(Path("b.tab")),
                       QString::fromStdString(Path("none.tab"))});
    EXPECT_EQ(window->Documents().size(), 2) << "each named file in a window of its own, no question";
    ASSERT_EQ(desktop.Boxes().size(), 1u);
    EXPECT_TRUE(desktop.Boxes()[0].text.startsWith(QStringLiteral("Error loading database!\nError: -149")));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("a.tab")))});
    // A drag enters before it drops, as the desktop delivers it.
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    desktop.AnswerBox(Platform::Answer::No); // merge into the active document, as Open asks
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(ElementCount(Last()->Elements), 2);
}

} // namespace
