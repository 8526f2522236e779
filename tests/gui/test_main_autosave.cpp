// Recovery copies: written while a document holds unsaved changes, gone after a
// save, a close and a normal exit, and offered back after a crash.

#include "test_main_fixture.h"

#include "common/DatabaseFile.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Unit16.h"
#include "main/Autosave.h"
#include "main/RecoveryCopies.h"
#include "support/ChildProcess.h"
#include "support/DocumentLists.h"
#include "support/Elements.h"
#include "support/RecoveryDocument.h"

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>

using namespace std::chrono_literals;

namespace {

constexpr pid_t kDeadPid = 999999; // no lock file: a program that is gone

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Names(const std::string &dir)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(dir, error))
        names.push_back(entry.path().filename().string());
    return Sorted(names);
}

std::string Own(const std::string &suffix) { return std::to_string(getpid()) + suffix; }

// The question, up to the list of the documents it names.
QString Question(int n)
{
    return QStringLiteral("Pronadjene su nesacuvane baze iz prethodnog rada (%1): ").arg(n);
}

} // namespace

class AutosaveTest : public MainWindowTest {
protected:
    void SetUp() override { WriteSettings(TestSettings()); }
    std::string Work() const { return Path("DATA/SWORK"); }
    // A new frame shown, with the start-up offer (posted at the first show) run.
    // The old one goes first: a frame routes the reader's errors while it lives.
    void Restart(AutosaveIntervals intervals = {50ms, 1h})
    {
        window.reset();
        ShowWindow();
        window->findChild<Autosave *>()->SetIntervals(intervals);
        QTest::qWait(20);
    }
    // What a program that died leaves: a whole copy titled "Ponuda", and one cut
    // short under our own process id, as a program that had it before us would.
    void PlantCopies()
    {
        ASSERT_TRUE(MakeDirectory(Path("DATA")) && MakeDirectory(Work()));
        const RecoveryCopy whole = CopyIn(Work(), kDeadPid, 1);
        ASSERT_EQ(WriteDatabaseFile(whole.tabName, ListOf({MakeElement(700, 500, 2)}), NoGroups(), "Kupac", "", ""),
                  rcOK);
        WriteAll(whole.titleName, "Ponuda");
        const RecoveryCopy cut = CopyIn(Work(), getpid(), 1);
        const std::string bytes = ReadAll(whole.tabName);
        WriteAll(cut.tabName, bytes.substr(0, bytes.size() - 10));
        WriteAll(cut.titleName, "Untitled 1");
    }
};

TEST_F(AutosaveTest, AKilledProgramsDocumentComesBackWholeAndARunningOnesIsLeftAlone)
{
    ChildProcess child(AUTOSAVE_CHILD_PATH, {dir.path()});
    const RecoveryCopy childCopy = CopyIn(Work(), child.pid(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return FileExists(childCopy.tabName); }, 20000));

    Restart(); // an unscripted question would fail the test
    EXPECT_TRUE(window->Documents().isEmpty());
    window.reset();
    EXPECT_TRUE(FileExists(childCopy.tabName) && FileExists(childCopy.titleName));

    child.Kill();
    desktop.AnswerBox(Platform::Answer::Yes);
    Restart();
    ASSERT_EQ(desktop.Boxes().size(), 1U);
    EXPECT_TRUE(desktop.Boxes()[0].text.startsWith(Question(1) + QStringLiteral("Untitled 1, ")));
    ASSERT_EQ(window->Documents().size(), 1);
    const TForm16 &document = *window->Documents()[0];
    const RecoveryDocument sample = SampleRecoveryDocument();
    EXPECT_EQ(document.Model().Title(), QStringLiteral("Untitled 1"));
    EXPECT_EQ(std::memcmp(&document.Elements, &sample.elements, sizeof sample.elements), 0);
    EXPECT_EQ(std::memcmp(&document.Groups, &sample.groups, sizeof sample.groups), 0);
    const CustomerTexts &customer = document.Model().Customer();
    EXPECT_EQ((std::array<std::string, 3>{customer.Customer, customer.Address, customer.Telephone}), sample.customer);
    EXPECT_TRUE(document.Model().IsModified());
    // Its copy is ours now; the dead program's copy and lock are gone.
    EXPECT_EQ(Names(Work()), (std::vector<std::string>{Own("-1.tab"), Own("-1.title"), Own(".lock")}));
}

TEST_F(AutosaveTest, SavingClosingAndANormalExitLeaveNoCopy)
{
    const std::vector<std::pair<const char *, std::function<void()>>> endings = {
        {"save", [this] {
             desktop.AnswerSave({QString::fromStdString(Path("ponuda.tab"))});
             window->SaveDatabase();
         }},
        {"close, dropping it", [this] {
             desktop.AnswerBox(Platform::Answer::Yes);
             QTest::keyClick(window.get(), Qt::Key_F4, Qt::ControlModifier);
         }},
        {"exit", [this] {
             desktop.AnswerBox(Platform::Answer::Yes);
             window->close();
             window.reset();
         }},
    };
    for (const auto &[name, end] : endings) {
        SCOPED_TRACE(name);
        Restart();
        TForm16 *document = window->NewDocument();
        SetElementList(*document, ListOf({MakeElement(500, 300)}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ListCopies(Work()).size() == 1; }, 5000));
        // Typing alone is a change too: the copy is written again.
        std::filesystem::remove(ListCopies(Work())[0].tabName);
        QTest::keyClicks(document->Edit2, QStringLiteral("Kupac"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ListCopies(Work()).size() == 1; }, 5000));
        end();
        QTest::qWait(20); // a closed window is deleted later
        EXPECT_TRUE(ListCopies(Work()).empty());
    }
    EXPECT_EQ(Names(Work()), std::vector<std::string>{}); // nor a lock
}

TEST_F(AutosaveTest, AFailedWriteIsOneLineInTheStatusBarAndTheLongestWaitHolds)
{
    WriteAll(Path("DATA"), "a file where the folder should be");
    Restart({1h, 50ms}); // only the longest wait can write it
    SetElementList(*window->NewDocument(), ListOf({MakeElement(500, 300)}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Notice().isEmpty(); }, 5000));
    // A hint shown when the mouse passes over a button does not hide it.
    window->StatusBar->showMessage(QStringLiteral("New|Create a new file"));
    EXPECT_TRUE(window->findChild<QLabel *>(QStringLiteral("NoticeLine"))->isVisible());
    EXPECT_TRUE(Notice().startsWith(QStringLiteral("Rezervna kopija baze \"Untitled 1\" nije snimljena. Error: -141 [")));
}

TEST_F(AutosaveTest, ChangesThatNeverPauseAreStillCopiedByTheLongestWait)
{
    Restart({1h, 300ms}); // the quiet wait never ends while changes go on
    TForm16 *document = window->NewDocument();
    const RecoveryCopy copy = CopyIn(Work(), getpid(), 1);
    bool copied = false;
    for (int change = 0; change < 200 && !copied; ++change) {
        SetElementList(*document, ListOf({MakeElement(500 + change % 2, 300)}));
        QTest::qWait(50);
        copied = FileExists(copy.tabName);
    }
    EXPECT_TRUE(copied) << "a change must not put the longest wait off";
}

TEST_F(AutosaveTest, NoMovesTheCopiesToStareAndYesOpensTheWholeOneShowingTheCutOneAsTheReadersError)
{
    // Claimed in the order they are listed: the cut one (ours, of an earlier
    // program) becomes our copy 2, the whole one our copy 3.
    const struct {
        Platform::Answer answer;
        QStringList titles;
        std::vector<std::string> aside;
    } cases[] = {
        {Platform::Answer::No, {}, Sorted({Own("-2.tab"), Own("-2.title"), Own("-3.tab"), Own("-3.title")})},
        {Platform::Answer::Yes, {QStringLiteral("Ponuda")}, {Own("-2.tab"), Own("-2.title")}},
    };
    for (const auto &c : cases) {
        std::filesystem::remove_all(Path("DATA"));
        PlantCopies();
        desktop.Forget();
        desktop.AnswerBox(c.answer);
        if (c.answer == Platform::Answer::Yes)
            desktop.AnswerBox(Platform::Answer::Ok);
        Restart();
        EXPECT_TRUE(desktop.Boxes().at(0).text.startsWith(Question(2) + QStringLiteral("Untitled 1, ")));
        EXPECT_TRUE(desktop.Boxes().at(0).text.contains(QStringLiteral("; Ponuda, ")));
        QStringList titles;
        for (const TForm16 *document : window->Documents())
            titles << document->Model().Title();
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(Names(Work() + "/stare"), c.aside);
        EXPECT_FALSE(CopyExists(CopyIn(Work(), kDeadPid, 1)));
    }
    EXPECT_TRUE(desktop.Boxes().at(1).text.startsWith(QStringLiteral("Error loading database!\nError: -145")));
    EXPECT_EQ(window->Documents().at(0)->Elements[0].Length, 700);
}
