// ReadDatabaseFile on any bytes, under the name ending FUZZ_DATABASE_SUFFIX
// (".tab" or ".tun"); a list read is written back and must read back the same.

#include "FuzzSupport.h"

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"

namespace {

struct Database {
    TElementList Elements;
    TElementGroups Groups;
    TDatabaseHeader Header;
};

int Read(const std::string &name, Database &database)
{
    ClearGroups(database.Groups);
    return ReadDatabaseFile(name, database.Elements, database.Groups, database.Header);
}

// What a save keeps of a list: the elements without a SkipMark in a TABDTA
// file, all of them in a UNIDTA file (which has no SkipMark to keep).
TElementList Saved(const TElementList &list)
{
    TElementList kept;
    ClearList(kept);
    int next = 0;
    for (int i = 0; i < ElementCount(list); ++i) {
        if (list[i].SkipMark == 0)
            kept[next++] = list[i];
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const bool universal = IsUniversalFileName(FUZZ_DATABASE_SUFFIX);
    const std::string input = WriteInputFile("input" FUZZ_DATABASE_SUFFIX, data, size);
    static Database first, second;
    const int code = Read(input, first);
    Require(code == rcOK || code == rcHeaderCorrupted || code == rcBodyCorrupted, "a read code of the reader");
    RequireListInvariants(first.Elements, first.Groups);
    if (code != rcOK)
        return 0;

    const std::string copy = FuzzDirectory() + "/copy" FUZZ_DATABASE_SUFFIX;
    Require(WriteDatabaseFile(copy, first.Elements, first.Groups, first.Header.Customer.str(),
                              first.Header.Address.str(), first.Header.Telephone.str())
                == rcOK,
            "a list read can be written");
    Require(Read(copy, second) == rcOK, "a written list reads back");
    const TElementList expected = Saved(first.Elements);
    Require(SameBytes(second.Elements.data(), expected.data(), sizeof expected), "the list reads back the same");
    if (!universal)
        Require(SameBytes(second.Groups.data(), first.Groups.data(), sizeof first.Groups),
                "the groups read back the same");
    Require(second.Header.Customer.str() == first.Header.Customer.str()
                && second.Header.Address.str() == first.Header.Address.str()
                && second.Header.Telephone.str() == first.Header.Telephone.str(),
            "the customer texts read back the same");
    return 0;
}
