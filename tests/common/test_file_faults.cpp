#include "common/AtomicFile.h"
#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "support/Elements.h"
#include "support/FaultSweep.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

// Every call of a database save failed in turn, for both file types, and the
// bare writer under it with an empty and a large file.
TEST(FileFaults, EveryFailedCallOfASaveKeepsOldOrNewFile)
{
    TempDir dir;
    const TElementList list = ListOf({MakeElement(720, 560, 2, "bok"), MakeElement(400, 300, 1, "polica")});
    const TElementGroups groups = NoGroups();
    for (const char *name : {"list.tab", "list.tun", "LIST.TUN"}) {
        SCOPED_TRACE(name);
        const std::string target = dir.file(name);
        SweepFileFaults(target, "an older list",
                        [&] { return WriteDatabaseFile(target, list, groups, "Kupac", "Adresa", "011"); });
    }
    const std::string big(200000, 'b');
    for (const std::string &bytes : {std::string(), big}) {
        const std::string target = dir.file("raw.bin");
        SweepFileFaults(target, "old", [&] { return WriteFileAtomically(target, bytes.data(), bytes.size()); },
                        [&](const std::string &now) { return now == bytes; });
    }
}
