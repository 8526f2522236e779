// A database two programs share: the lock beside it, the read-only copy, one
// window a file; recovery copies claimed by one of two starting programs; and
// a program its user cannot write beside, keeping its data in his folder.

#include "test_document_host.h"

#include "common/DatabaseFile.h"
#include "common/DatabaseLock.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "main/OpenSaveCommands.h"
#include "main/RecoveryCopies.h"
#include "platform/MessageSinkBridge.h"
#include "support/Elements.h"
#include "support/TempDir.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

QString Q(const std::string &name)
{
    return QString::fromStdString(name);
}

TEST(SharedFile, ASecondProgramSeesTheLockOpensReadOnlyAndCannotSaveOverTheFile)
{
    TempDir dir;
    const std::string file = dir.file("good.tab");
    ASSERT_EQ(WriteDatabaseFile(file, ListOf({MakeElement(700, 300)}), NoGroups(), "", "", ""), rcOK);
    TestDocumentHost first;
    TestDocumentHost second;
    OpenDatabase(first.context, Q(file), false);
    ASSERT_TRUE(FileExists(LockFileNameOf(file)));

    second.desktop.AnswerBox(Platform::Answer::Yes); // read-only, the default
    OpenDatabase(second.context, Q(file), false);
    ASSERT_EQ(second.desktop.Boxes().size(), 1u);
    EXPECT_TRUE(second.desktop.Boxes()[0].text.startsWith(QStringLiteral("Baza good.tab je otvorena na ")));
    EXPECT_EQ(second.desktop.Boxes()[0].defaultButton, Platform::Answer::Yes);
    TForm16 *readOnly = second.manager.ActiveDocument();
    EXPECT_TRUE(readOnly->Model().IsReadOnly());
    EXPECT_TRUE(readOnly->windowTitle().startsWith(QStringLiteral("good (samo za citanje)")));

    SetElementList(*readOnly, ListOf({MakeElement(900, 300)}));
    const std::string before = ReadAll(file);
    second.desktop.AnswerSave({Q(file)});
    second.desktop.AnswerBox(Platform::Answer::Ok);
    SaveDatabase(second.context);
    EXPECT_EQ(second.desktop.Boxes().back().text,
              QStringLiteral("Baza good.tab je otvorena samo za citanje. Snimite je pod drugim imenom."));
    EXPECT_EQ(ReadAll(file), before);

    // Saved under a name of its own, it is that file's, and no longer read-only.
    second.desktop.AnswerSave({Q(dir.file("mine.tab"))});
    SaveDatabase(second.context);
    EXPECT_FALSE(readOnly->Model().IsReadOnly());
    EXPECT_TRUE(FileExists(LockFileNameOf(dir.file("mine.tab"))));

    // The first program's close lets its lock go.
    ASSERT_TRUE(first.Close(first.manager.ActiveDocument()));
    EXPECT_FALSE(FileExists(LockFileNameOf(file)));
}

TEST(SharedFile, ASaveOverItsOwnFileAsksWhatTheDiskCallsFor)
{
    const struct {
        bool changedBehind;
        const char *question;
    } cases[] = {
        {false, "Fajl \"%1\" vec postoji.\rDa li zelite da ga zamenite?"},
        {true, "Baza good.tab je u medjuvremenu promenjena na disku. Zameniti je?"},
    };
    for (const auto &c : cases) {
        TempDir dir;
        const std::string file = dir.file("good.tab");
        ASSERT_EQ(WriteDatabaseFile(file, ListOf({MakeElement(700, 300)}), NoGroups(), "", "", ""), rcOK);
        TestDocumentHost host;
        OpenDatabase(host.context, Q(file), false);
        SetElementList(*host.manager.ActiveDocument(), ListOf({MakeElement(800, 300)}));
        if (c.changedBehind) { // another counter's save
            ASSERT_EQ(WriteDatabaseFile(file, ListOf({MakeElement(900, 300)}), NoGroups(), "", "", ""), rcOK);
        }
        const std::string onDisk = ReadAll(file);
        host.desktop.AnswerSave({Q(file)});
        host.desktop.AnswerBox(Platform::Answer::No);
        SaveDatabase(host.context);
        ASSERT_EQ(host.desktop.Boxes().size(), 1u) << "one question, no other";
        EXPECT_EQ(host.desktop.Boxes()[0].text, QString::fromUtf8(c.question).arg(Q(file)));
        EXPECT_EQ(host.desktop.Boxes()[0].defaultButton, Platform::Answer::No);
        EXPECT_EQ(ReadAll(file), onDisk);
    }
}

TEST(SharedFile, AFileOpenAlreadyIsShownAgainNotOpenedTwice)
{
    TempDir dir;
    const std::string file = dir.file("good.tab");
    ASSERT_EQ(WriteDatabaseFile(file, ListOf({MakeElement(700, 300)}), NoGroups(), "", "", ""), rcOK);
    fs::create_symlink(file, dir.file("link.tab"));
    TestDocumentHost host;
    OpenDatabase(host.context, Q(file), false);
    TForm16 *opened = host.manager.ActiveDocument();
    host.NewDocument();
    OpenDatabase(host.context, Q(dir.file("link.tab")), false);
    EXPECT_EQ(host.manager.Documents().size(), 2);
    EXPECT_EQ(host.manager.ActiveDocument(), opened);
}

TEST(SharedFile, AFifoIsRefusedAtOnceAndNamed)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.tab");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    TestDocumentHost host;
    const MessageSinkBridge errors(host.desktop); // the reader's error box
    host.desktop.AnswerOpen({Q(fifo)}); // no regular file by that name: the open dialog chooses it
    host.desktop.AnswerBox(Platform::Answer::Ok);
    OpenDatabase(host.context, Q(fifo), false); // would never return if it waited for a writer
    ASSERT_EQ(host.desktop.Boxes().size(), 1u);
    EXPECT_TRUE(host.desktop.Boxes()[0].text.contains(QStringLiteral("is a FIFO, not a regular file")));
    EXPECT_TRUE(host.manager.Documents().isEmpty());
}

// Runs the frame as a process of its own, standard output into `out`; with a
// user id, as that user, in his own data folder.
pid_t StartFrame(const std::string &mode, const std::string &dir, const std::string &out, uid_t user = 0,
                 const std::string &dataHome = std::string())
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0)
        _exit(126);
    if (user != 0) {
        ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        ::setenv("HOME", dataHome.c_str(), 1);
        if (::setgid(user) != 0 || ::setuid(user) != 0)
            _exit(126);
    }
    const std::string program = dir + "/" + fs::path(FRAME_CHILD_PATH).filename().string();
    ::execl(fs::exists(program) ? program.c_str() : FRAME_CHILD_PATH, FRAME_CHILD_PATH, mode.c_str(), dir.c_str(),
            static_cast<char *>(nullptr));
    _exit(127);
}

int ExitCodeOf(pid_t child)
{
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The settings and the board table the build makes, beside the frame program.
void CopyProgramFiles(const std::string &to)
{
    const fs::path built = fs::path(FRAME_CHILD_PATH).parent_path();
    for (const char *name : {"Setup.Dat", "setup.bak", "Table.T01"})
        fs::copy_file(built / name, fs::path(to) / name);
}

TEST(SharedFile, TwoProgramsStartingAfterACrashRecoverItsCopyOnce)
{
    TempDir dir;
    CopyProgramFiles(dir.path());
    const std::string work = dir.file("DATA/SWORK");
    fs::create_directories(work);
    const RecoveryCopy copy = CopyIn(work, 999999, 1); // a program that is gone
    ASSERT_EQ(WriteDatabaseFile(copy.tabName, ListOf({MakeElement(700, 500)}), NoGroups(), "", "", ""), rcOK);
    WriteAll(copy.titleName, "Kuhinja");

    // Both keep running, as two counters at work do: neither copy is left by a dead program.
    const pid_t programs[] = {StartFrame("recover", dir.path(), dir.file("a.out")),
                              StartFrame("recover", dir.path(), dir.file("b.out"))};
    const auto told = [&](const char *name) { return ReadAll(dir.file(name)).find("recovered ") != std::string::npos; };
    const bool bothStarted = QTest::qWaitFor([&] { return told("a.out") && told("b.out"); }, 30000);
    for (const pid_t program : programs) {
        ::kill(program, SIGKILL);
        ExitCodeOf(program);
    }
    ASSERT_TRUE(bothStarted);
    const std::string outputs = ReadAll(dir.file("a.out")) + ReadAll(dir.file("b.out"));
    const bool aRecovered = ReadAll(dir.file("a.out")).find("recovered 1") != std::string::npos;
    const bool bRecovered = ReadAll(dir.file("b.out")).find("recovered 1") != std::string::npos;
    EXPECT_NE(aRecovered, bRecovered) << outputs;
    EXPECT_NE(outputs.find("Kuhinja, "), std::string::npos) << "the question names the document";
    EXPECT_FALSE(fs::exists(work + "/stare")) << "nothing set aside behind the user's back";
}

TEST(SharedFile, AProgramItsUserCannotWriteBesideKeepsItsDataInHisFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "running the program as another user takes root";
    constexpr uid_t kNobody = 65534;
    // Outside the clone, which that user may not even reach.
    char programTemplate[] = "/tmp/mvinstalled-XXXXXX";
    char homeTemplate[] = "/tmp/mvhome-XXXXXX";
    ASSERT_NE(::mkdtemp(programTemplate), nullptr);
    ASSERT_NE(::mkdtemp(homeTemplate), nullptr);
    const std::string program = programTemplate;
    const std::string home = homeTemplate;
    CopyProgramFiles(program);
    fs::copy_file(FRAME_CHILD_PATH, program + "/" + fs::path(FRAME_CHILD_PATH).filename().string());
    ASSERT_EQ(::chmod(program.c_str(), 0555), 0);
    ASSERT_EQ(::chown(home.c_str(), kNobody, kNobody), 0);

    const std::string out = home + "/out";
    const int code = ExitCodeOf(StartFrame("work", program, out, kNobody, home));
    const std::string data = home + "/Morvena/DATA";
    EXPECT_EQ(code, 0) << ReadAll(out);
    EXPECT_TRUE(fs::exists(data + "/kuhinja.tab"));
    EXPECT_TRUE(fs::exists(data + "/kuhinja.pdf"));
    EXPECT_FALSE(ListCopies(data + "/SWORK").empty());
    EXPECT_FALSE(fs::exists(program + "/DATA"));
    ::chmod(program.c_str(), 0755);
    fs::remove_all(program);
    fs::remove_all(home);
}

} // namespace
