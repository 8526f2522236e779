// Readers meet names that are no regular files: a directory, a FIFO nobody
// writes to. Each refuses at once, with the code it gives a directory.

#include "common/BoardType.h"
#include "common/DatabaseFile.h"
#include "common/FileDescriptor.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <sys/stat.h>

TEST(SpecialFiles, EveryReaderRefusesADirectoryAndAFifoAtOnce)
{
    TempDir dir;
    const std::string fifo = dir.file("pipe.tab");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Reader {
        const char *name;
        std::function<int(const std::string &)> read;
    } const readers[] = {
        {"database", [](const std::string &name) {
             TElementList list;
             TElementGroups groups{};
             TDatabaseHeader header;
             return ReadDatabaseFile(name, list, groups, header);
         }},
        {"settings record", [](const std::string &name) {
             std::vector<std::uint8_t> record(TSettings::Size);
             return ReadSettingsRecord(name, record.data());
         }},
        {"board table", [](const std::string &name) {
             static TBoardTable table;
             return ReadBoardTable(name, table);
         }},
        {"text", [](const std::string &name) {
             std::string text;
             return LoadTextFile(name, text, 1000);
         }},
        {"copy", [&](const std::string &name) { return CopyDataFile(name, dir.file("copy")); }},
    };
    for (const Reader &reader : readers) {
        SCOPED_TRACE(reader.name);
        // A test that hangs here is the fault: no reader may wait for a writer.
        EXPECT_EQ(reader.read(fifo), reader.read(dir.path()));
        EXPECT_EQ(reader.read(fifo), rcFileNotFound);
    }
    EXPECT_EQ(KindOfFile(fifo), FileKind::Fifo);
    EXPECT_STREQ(FileKindText(KindOfFile(fifo)), "FIFO");
    EXPECT_STREQ(FileKindText(KindOfFile(dir.path())), "directory");
    EXPECT_STREQ(FileKindText(KindOfFile("/dev/null")), "character device");
    EXPECT_EQ(KindOfFile(dir.file("missing")), FileKind::Missing);
}
