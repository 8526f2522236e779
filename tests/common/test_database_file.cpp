#include "common/DatabaseFile.h"

#include "common/ResultCodes.h"
#include "FileTestHelpers.h"
#include "support/PackedField.h"
#include "support/TempDir.h"
#include "support/Elements.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TElementList FullList()
{
    TElementList list;
    for (int i = 0; i < kMaxElements; ++i)
        list[i] = MakeElement(100 + i, 50 + i, 1, "E" + std::to_string(i + 1));
    return list;
}

TElementGroups GroupsOf(const std::vector<int> &piecesPerGroup)
{
    TElementGroups groups = NoGroups();
    for (std::size_t g = 0; g < piecesPerGroup.size(); ++g) {
        for (int p = 0; p < piecesPerGroup[g]; ++p)
            groups[g].Pieces[p] = MakeElement(300 + 10 * p, 100 + static_cast<int>(g), 1, "G" + std::to_string(g + 1));
    }
    return groups;
}

template <typename T>
std::string BytesOf(const T &record)
{
    return std::string(reinterpret_cast<const char *>(&record), sizeof record);
}

TDatabaseHeader HeaderOf(const std::string &version, const std::string &fileType, std::uint8_t bodyFormat = 0,
                         std::uint16_t elementsStored = 0, std::uint16_t groupsStored = 0)
{
    TDatabaseHeader header;
    std::memset(&header, 0, sizeof header);
    header.Version.assign(version);
    header.FileType.assign(fileType);
    header.Revision.assign("1.00");
    header.BodyFormat = bodyFormat;
    header.ElementsStored = elementsStored;
    header.GroupsStored = groupsStored;
    return header;
}

// Reads into a list and groups full of garbage, so a missing reset shows.
struct ReadOutcome {
    int result;
    TElementList list;
    TElementGroups groups;
    TDatabaseHeader header;
};

ReadOutcome Read(const std::string &name)
{
    ReadOutcome out;
    std::memset(static_cast<void *>(&out), 0x5A, sizeof out);
    ClearGroups(out.groups);
    out.result = ReadDatabaseFile(name, out.list, out.groups, out.header);
    return out;
}

bool AllZero(const void *data, std::size_t size)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

// Windows-1250 bytes of č ć đ š ž and their capitals.
const std::string kSerbianLetters = "\xE8\xE6\xF0\x9A\x9E \xC8\xC6\xD0\x8A\x8E";

} // namespace

struct FileKindCase {
    const char *name;
    bool universal;
};

class FileKindByName : public testing::TestWithParam<FileKindCase> {};

TEST_P(FileKindByName, DecidesTypeAndHeaderPrefix)
{
    EXPECT_EQ(IsUniversalFileName(GetParam().name), GetParam().universal);

    TempDir dir;
    const std::string name = dir.file(GetParam().name);
    ASSERT_EQ(WriteDatabaseFile(name, ListOf({MakeElement(600, 400)}), NoGroups(), "", "", ""), rcOK);
    const std::string prefix = ReadAll(name).substr(0, 21);
    const std::string expected = GetParam().universal
        ? std::string("\x06" "DAT5.0" "\x06" "UNIDTA" "\x04" "1.00" "\x00" "\x03", 21)
        : std::string("\x06" "DAT5.0" "\x06" "TABDTA" "\x04" "1.00" "\x00" "\x03", 21);
    EXPECT_EQ(prefix, expected);
    EXPECT_EQ(Read(name).result, rcOK);
}

INSTANTIATE_TEST_SUITE_P(Names, FileKindByName,
                         testing::Values(FileKindCase{"a.tun", true}, FileKindCase{"a.Tun", true},
                                         FileKindCase{"a.TUN", true}, FileKindCase{"a.tab", false},
                                         FileKindCase{"a.TAB", false}, FileKindCase{"a.tln", false},
                                         FileKindCase{"a.tunx", false}, FileKindCase{"atun", false},
                                         FileKindCase{"noextension", false}));

TEST(IsUniversalFileName, ShortNames)
{
    EXPECT_FALSE(IsUniversalFileName(""));
    EXPECT_FALSE(IsUniversalFileName("tun"));
    EXPECT_TRUE(IsUniversalFileName(".tun"));
}

namespace {

// Five elements, the third left out of TABDTA files, and two groups.
TElementList FiveWithOneSkipped()
{
    TElementList list = ListOf({MakeElement(1000, 500, 1, "a"), MakeElement(900, 400, 2, "b"), MakeElement(800, 300, 3, "c"),
                                MakeElement(700, 200, 4, "d"), MakeElement(600, 100, 5, "e")});
    list[2].SkipMark = 7;
    return list;
}

} // namespace

TEST(UniversalFileLoses, GroupsAndLabelsBeyondFifteenCharacters)
{
    struct Case {
        const char *label;
        bool group;
        bool customer;
        bool loses;
        bool holdsNothing;
    };
    const Case cases[] = {
        {nullptr, false, false, false, true}, {nullptr, false, true, false, false}, {nullptr, true, false, true, false},
        {"Bocna stranica", false, false, false, false}, {"Bocna stranica1", false, false, false, false},
        {"Bocna stranica12", false, false, true, false},
    };
    for (const Case &c : cases) {
        DatabaseContents contents;
        if (c.label)
            contents.Elements = ListOf({MakeElement(500, 300), MakeElement(400, 200, 1, c.label)});
        if (c.group)
            contents.Groups = GroupsOf({1});
        if (c.customer)
            contents.Customer.Telephone = "011";
        EXPECT_EQ(UniversalFileLoses(contents), c.loses) << (c.label ? c.label : "-");
        EXPECT_EQ(contents.HoldsNothing(), c.holdsNothing) << (c.label ? c.label : "-");
    }
}

TEST(WriteDatabaseFile, TabularSizeAndCounts)
{
    TempDir dir;
    const std::string name = dir.file("five.tab");
    ASSERT_EQ(WriteDatabaseFile(name, FiveWithOneSkipped(), GroupsOf({3, 1}), "", "", ""), rcOK);
    EXPECT_EQ(std::filesystem::file_size(name), 2065u);

    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    EXPECT_EQ(Copy(in.header.ElementsStored), 4);
    EXPECT_EQ(Copy(in.header.GroupsStored), 2);
    ASSERT_EQ(ElementCount(in.list), 4);
    EXPECT_EQ(in.list[2].Label.str(), "d");
    EXPECT_EQ(GroupCount(in.groups), 2);
    EXPECT_EQ(GroupPieceCount(in.groups[0]), 3);
}

TEST(WriteDatabaseFile, UniversalSizeAndCounts)
{
    TempDir dir;
    const std::string name = dir.file("five.tun");
    ASSERT_EQ(WriteDatabaseFile(name, FiveWithOneSkipped(), GroupsOf({3, 1}), "", "", ""), rcOK);
    EXPECT_EQ(std::filesystem::file_size(name), 505u);

    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    EXPECT_EQ(Copy(in.header.ElementsStored), 4);
    EXPECT_EQ(Copy(in.header.GroupsStored), 2);
    // Every element goes into a UNIDTA file, the skip mark does not.
    ASSERT_EQ(ElementCount(in.list), 5);
    EXPECT_EQ(in.list[2].Label.str(), "c");
    EXPECT_EQ(Copy(in.list[2].SkipMark), 0);
    EXPECT_EQ(GroupCount(in.groups), 0);
}

namespace {

TElement RichElement()
{
    TElement e = MakeElement(2440, 1220, 17, "Bo\x9Ana stranica");
    e.LengthBanding = BandingPvcAbs;
    e.WidthBanding = BandingAbsTwo;
    e.Aux1 = -1;
    e.Aux2 = 2;
    e.Aux3 = 300000;
    e.Aux4 = -4;
    e.AuxByte1 = 11;
    e.AuxByte2 = 12;
    e.AuxByte3 = 13;
    e.Grain = 1;
    e.AuxByte4 = 14;
    e.Priority = 1;
    e.Reserved1 = 9;
    e.Reserved2[15] = 8;
    return e;
}

} // namespace

TEST(WriteDatabaseFile, TabularRoundTripKeepsEveryByte)
{
    TempDir dir;
    const std::string name = dir.file("rich.tab");
    const TElementList list = ListOf({RichElement(), MakeElement(500, 500, 2, kSerbianLetters)});
    const TElementGroups groups = GroupsOf({10, 1, 4});
    ASSERT_EQ(WriteDatabaseFile(name, list, groups, "Kupac " + kSerbianLetters, "Adresa \x9E", "011/123-456"), rcOK);

    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    EXPECT_EQ(std::memcmp(&in.list, &list, sizeof list), 0);
    EXPECT_EQ(std::memcmp(&in.groups, &groups, sizeof groups), 0);
    EXPECT_EQ(in.header.Customer.str(), "Kupac " + kSerbianLetters);
    EXPECT_EQ(in.header.Address.str(), "Adresa \x9E");
    EXPECT_EQ(in.header.Telephone.str(), "011/123-456");
}

TEST(WriteDatabaseFile, UniversalRoundTripLosesOnlyWhatItHasNoPlaceFor)
{
    TempDir dir;
    const std::string name = dir.file("rich.tun");
    TElement e = RichElement();
    e.Label.assign("ABCDEFGHIJKLMNOPQRSTUVWXY"); // 25 characters
    ASSERT_EQ(WriteDatabaseFile(name, ListOf({e}), GroupsOf({2}), kSerbianLetters, "", ""), rcOK);

    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    ASSERT_EQ(ElementCount(in.list), 1);
    const TElement &back = in.list[0];
    EXPECT_EQ(back.Label.str(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(Copy(back.AuxByte4), 0);
    EXPECT_EQ(Copy(back.Priority), 0);
    EXPECT_EQ(Copy(back.Reserved1), 0);
    TElement expected = e;
    expected.AuxByte4 = 0;
    expected.Priority = 0;
    expected.Reserved1 = 0;
    std::memset(expected.Reserved2, 0, sizeof expected.Reserved2);
    expected.Label = ZeroElement().Label;
    expected.Label.assign("ABCDEFGHIJKLMNO");
    EXPECT_EQ(std::memcmp(&back, &expected, sizeof back), 0);
    EXPECT_EQ(GroupCount(in.groups), 0);
    EXPECT_EQ(in.header.Customer.str(), kSerbianLetters);
}

TEST(WriteDatabaseFile, UniversalRecordBytesSitAtTheirOffsets)
{
    TempDir dir;
    const std::string name = dir.file("one.tun");
    ASSERT_EQ(WriteDatabaseFile(name, ListOf({RichElement()}), NoGroups(), "", "", ""), rcOK);
    const std::string bytes = ReadAll(name);
    ASSERT_EQ(bytes.size(), 165u + 68u);
    const std::string record = bytes.substr(165);
    auto int32At = [&](std::size_t offset) {
        std::int32_t v;
        std::memcpy(&v, record.data() + offset, sizeof v);
        return v;
    };
    EXPECT_EQ(int32At(0), 2440);
    EXPECT_EQ(int32At(4), 1220);
    EXPECT_EQ(record[8], BandingPvcAbs);
    EXPECT_EQ(record[9], BandingAbsTwo);
    EXPECT_EQ(int32At(10), -1);
    EXPECT_EQ(int32At(14), 2);
    EXPECT_EQ(int32At(18), 300000);
    EXPECT_EQ(int32At(22), -4);
    EXPECT_EQ(std::string(record.data() + 26, 4), "\x0B\x0C\x0D\x01");
    EXPECT_EQ(std::string(record.data() + 30, 2), std::string("\x11\x00", 2)); // Count 17
    EXPECT_EQ(std::string(record.data() + 32, 20), std::string(20, '\0'));
    EXPECT_EQ(record[52], 14);
    EXPECT_EQ(record.substr(53), std::string("Bo\x9Ana stranica\0", 15));
}

TEST(WriteDatabaseFile, CustomerTextsAreCutToTheirFields)
{
    TempDir dir;
    const std::string name = dir.file("long.tab");
    const std::string sixty(60, 'K');
    ASSERT_EQ(WriteDatabaseFile(name, ListOf({}), NoGroups(), sixty, std::string(51, 'A'), std::string(31, 'T')),
              rcOK);
    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    EXPECT_EQ(in.header.Customer.str(), std::string(50, 'K'));
    EXPECT_EQ(in.header.Address.str(), std::string(50, 'A'));
    EXPECT_EQ(in.header.Telephone.str(), std::string(30, 'T'));
    // Written characters after the length are zero.
    const std::string bytes = ReadAll(name);
    EXPECT_EQ(bytes.size(), 165u);
    EXPECT_EQ(bytes[32], 50);
    EXPECT_EQ(bytes.substr(0x19, 7), std::string(7, '\0'));
}

struct TypeMismatchCase {
    const char *fileName;
    const char *fileType;
};

class ReadTypeMismatch : public testing::TestWithParam<TypeMismatchCase> {};

TEST_P(ReadTypeMismatch, RefusedWithEmptyList)
{
    TempDir dir;
    const std::string name = dir.file(GetParam().fileName);
    WriteAll(name, BytesOf(HeaderOf("DAT4.0", GetParam().fileType)) + BytesOf(MakeElement(500, 400)));
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcHeaderCorrupted);
    EXPECT_TRUE(AllZero(&in.list, sizeof in.list));
}

INSTANTIATE_TEST_SUITE_P(Types, ReadTypeMismatch,
                         testing::Values(TypeMismatchCase{"x.tab", "UNIDTA"}, TypeMismatchCase{"x.tun", "TABDTA"},
                                         TypeMismatchCase{"x.tab", "TABDT"}, TypeMismatchCase{"x.tab", "tabdta"}));

TEST(ReadDatabaseFile, ShortHeaderIsCorrupted)
{
    TempDir dir;
    const std::string header = BytesOf(HeaderOf("DAT5.0", "TABDTA", 3));
    for (std::size_t size : {std::size_t{0}, std::size_t{100}, std::size_t{164}}) {
        const std::string name = dir.file("short.tab");
        WriteAll(name, header.substr(0, size));
        ReadOutcome in = Read(name);
        EXPECT_EQ(in.result, rcHeaderCorrupted) << size;
        EXPECT_TRUE(AllZero(&in.list, sizeof in.list)) << size;
    }
    const std::string name = dir.file("exact.tab");
    WriteAll(name, header);
    EXPECT_EQ(Read(name).result, rcOK);
}

TEST(ReadDatabaseFile, MissingFileOrDirectoryIsNotFoundAndTouchesNothing)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.tab"));
    for (const std::string &name : {dir.file("missing.tab"), dir.file("folder.tab"), dir.path()}) {
        ReadOutcome in = Read(name);
        EXPECT_EQ(in.result, rcFileNotFound) << name;
        EXPECT_EQ(Copy(in.list[0].Length), 0x5A5A5A5A) << name;
        EXPECT_EQ(Copy(in.header.Version.Length), 0x5A) << name;
    }
}

struct LayoutCase {
    const char *name;
    const char *version;
    std::uint8_t bodyFormat;
    int expectedLayout; // 1, 2 or 3, 0: no body read
};

class ReadLayoutChoice : public testing::TestWithParam<LayoutCase> {};

// The same three records read differently by each layout; the element count
// tells which layout was used.
TEST_P(ReadLayoutChoice, VersionDecidesThenBodyFormat)
{
    TempDir dir;
    const std::string name = dir.file("layout.tab");
    TElement a = MakeElement(1000, 500, 1, "a");
    TElement b = MakeElement(900, 400, 1, "b");
    TElement c = MakeElement(800, 300, 1, "c");
    // Layout 3 with one element stored; layout 2 finds three; layout 1 finds
    // 3 * 79 / 69 = 3 whole records and a cut fourth one.
    TDatabaseHeader header = HeaderOf(GetParam().version, "TABDTA", GetParam().bodyFormat, 1, 0);
    WriteAll(name, BytesOf(header) + BytesOf(a) + BytesOf(b) + BytesOf(c));
    ReadOutcome in = Read(name);
    switch (GetParam().expectedLayout) {
    case 1: EXPECT_EQ(in.result, rcBodyCorrupted); break;
    case 2:
        EXPECT_EQ(in.result, rcOK);
        EXPECT_EQ(ElementCount(in.list), 3);
        break;
    case 3:
        EXPECT_EQ(in.result, rcOK);
        EXPECT_EQ(ElementCount(in.list), 1);
        break;
    default:
        EXPECT_EQ(in.result, rcOK);
        EXPECT_EQ(ElementCount(in.list), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, ReadLayoutChoice,
                         testing::Values(LayoutCase{"Dat30", "DAT3.0", 3, 1}, LayoutCase{"Dat40", "DAT4.0", 3, 2},
                                         LayoutCase{"Dat50", "DAT5.0", 2, 3}, LayoutCase{"UnknownFormat1", "DAT6.0", 1, 1},
                                         LayoutCase{"UnknownFormat2", "DAT6.0", 2, 2},
                                         LayoutCase{"UnknownFormat3", "", 3, 3}, LayoutCase{"UnknownFormat7", "DAT6.0", 7, 0},
                                         LayoutCase{"LowerCaseVersion", "dat4.0", 7, 0},
                                         LayoutCase{"VersionTooShort", "DAT4.", 2, 2}),
                         [](const testing::TestParamInfo<LayoutCase> &info) { return info.param.name; });

TEST(ReadDatabaseFile, RecordsBodyCutOffAfterThreeElements)
{
    TempDir dir;
    const std::string name = dir.file("cut.tab");
    std::string body;
    for (int i = 1; i <= 3; ++i)
        body += BytesOf(MakeElement(100 * i, 50, 1));
    body += std::string(10, '\x01');
    WriteAll(name, BytesOf(HeaderOf("DAT4.0", "TABDTA")) + body);
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcBodyCorrupted);
    EXPECT_EQ(ElementCount(in.list), 3);
    EXPECT_EQ(Copy(in.list[2].Length), 300);
    EXPECT_TRUE(AllZero(&in.list[3], sizeof(TElement) * (kMaxElements - 3)));
}

TEST(ReadDatabaseFile, RecordsBodyKeepsCarriedFields)
{
    TempDir dir;
    const std::string name = dir.file("rich.tab");
    TElement e = RichElement();
    e.SkipMark = 3;
    WriteAll(name, BytesOf(HeaderOf("DAT4.0", "TABDTA")) + BytesOf(e));
    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    EXPECT_EQ(std::memcmp(&in.list[0], &e, sizeof e), 0);
}

TEST(ReadDatabaseFile, RecordsAfterAnEmptyOneDoNotComeBack)
{
    TempDir dir;
    const std::string name = dir.file("hole.tab");
    WriteAll(name, BytesOf(HeaderOf("DAT4.0", "TABDTA")) + BytesOf(MakeElement(500, 400)) + BytesOf(MakeElement(0, 300))
                       + BytesOf(MakeElement(700, 200)));
    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    EXPECT_EQ(ElementCount(in.list), 1);
    ASSERT_TRUE(AppendElement(in.list, MakeElement(100, 100)));
    EXPECT_EQ(ElementCount(in.list), 2);
}

namespace {

TLegacyElement Legacy(std::int32_t length, std::int32_t width, std::uint16_t count, const std::string &label)
{
    TLegacyElement legacy;
    std::memset(&legacy, 0, sizeof legacy);
    TElement fields = MakeElement(length, width, count);
    fields.Grain = 1;
    fields.Aux2 = 77;
    fields.AuxByte4 = 5;
    std::memcpy(legacy.Fields, &fields, sizeof legacy.Fields);
    std::memset(legacy.Ignored, 0xEE, sizeof legacy.Ignored);
    legacy.Label.assign(label);
    return legacy;
}

} // namespace

TEST(ReadDatabaseFile, LegacyRecordsAreConverted)
{
    TempDir dir;
    const std::string name = dir.file("old.tab");
    TLegacyElement longLabel = Legacy(700, 300, 2, "ABCDEFGHIJKLMNO");
    longLabel.Label.Length = 40; // more than the field holds: taken as 15
    WriteAll(name, BytesOf(HeaderOf("DAT3.0", "TABDTA", 3, 9, 9)) + BytesOf(Legacy(1200, 600, 4, "Vrata"))
                       + BytesOf(longLabel));
    ReadOutcome in = Read(name);
    ASSERT_EQ(in.result, rcOK);
    ASSERT_EQ(ElementCount(in.list), 2);

    TElement expected = MakeElement(1200, 600, 4, "Vrata");
    expected.Grain = 1;
    expected.Aux2 = 77;
    expected.AuxByte4 = 5;
    EXPECT_EQ(std::memcmp(&in.list[0], &expected, sizeof expected), 0);
    EXPECT_EQ(in.list[1].Label.str(), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(Copy(in.list[1].SkipMark), 0);
    EXPECT_EQ(Copy(in.list[1].Count), 2);
}

TEST(ReadDatabaseFile, LegacyBodyStopsAtEightHundred)
{
    TempDir dir;
    const std::string name = dir.file("many.tab");
    std::string body;
    for (int i = 0; i < kMaxElements + 5; ++i)
        body += BytesOf(Legacy(1000 + i, 500, 1, "L"));
    body += std::string(7, '\x01'); // a cut record after the limit is never reached
    WriteAll(name, BytesOf(HeaderOf("DAT3.0", "TABDTA")) + body);
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcOK);
    EXPECT_EQ(ElementCount(in.list), kMaxElements);
    EXPECT_EQ(Copy(in.list[kMaxElements - 1].Length), 1000 + kMaxElements - 1);
}

TEST(ReadDatabaseFile, LegacyRecordCutOff)
{
    TempDir dir;
    const std::string name = dir.file("cut.tab");
    WriteAll(name, BytesOf(HeaderOf("DAT3.0", "TABDTA")) + BytesOf(Legacy(1000, 500, 1, "x")) + std::string(68, 'x'));
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcBodyCorrupted);
    EXPECT_EQ(ElementCount(in.list), 1);
}

TEST(ReadDatabaseFile, UniversalRecordCutOff)
{
    TempDir dir;
    const std::string name = dir.file("cut.tun");
    TUniversalRecord record;
    std::memset(&record, 0, sizeof record);
    record.Length = 900;
    record.Width = 300;
    record.Count = 6;
    WriteAll(name, BytesOf(HeaderOf("XYZ", "UNIDTA")) + BytesOf(record) + std::string(67, 'x'));
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcBodyCorrupted);
    ASSERT_EQ(ElementCount(in.list), 1);
    EXPECT_EQ(Copy(in.list[0].Count), 6);
}

TEST(ReadDatabaseFile, UniversalBodyStopsAtEightHundred)
{
    TempDir dir;
    const std::string name = dir.file("many.tun");
    TUniversalRecord record;
    std::memset(&record, 0, sizeof record);
    record.Length = 900;
    record.Width = 300;
    std::string body;
    for (int i = 0; i < kMaxElements + 3; ++i)
        body += BytesOf(record);
    WriteAll(name, BytesOf(HeaderOf("DAT5.0", "UNIDTA")) + body);
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcOK);
    EXPECT_EQ(ElementCount(in.list), kMaxElements);
}

struct CountedLimitCase {
    const char *name;
    std::uint16_t elements;
    std::uint16_t groups;
    int expected;
};

class ReadCountedLimits : public testing::TestWithParam<CountedLimitCase> {};

// The counts come from the file; beyond what a document holds they are refused
// before any body byte is read.
TEST_P(ReadCountedLimits, RefusedBeyondTheLimits)
{
    TempDir dir;
    const std::string name = dir.file("counted.tab");
    const CountedLimitCase &c = GetParam();
    // A whole body when it is small; a header alone for the largest counts still
    // has to give -146, not -145.
    std::string body;
    if (c.elements <= kMaxElements + 1 && c.groups <= kGroupsPerDocument + 1) {
        for (int i = 0; i < c.elements; ++i)
            body += BytesOf(MakeElement(1000, 500, 1));
        const TElementGroups groups = GroupsOf(std::vector<int>(kGroupsPerDocument, 2));
        for (int g = 0; g < c.groups; ++g)
            body += BytesOf(groups[g % kGroupsPerDocument]);
    }
    WriteAll(name, BytesOf(HeaderOf("DAT5.0", "TABDTA", 3, c.elements, c.groups)) + body);
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, c.expected);
    if (c.expected == rcOK) {
        EXPECT_EQ(ElementCount(in.list), c.elements);
        EXPECT_EQ(GroupCount(in.groups), c.groups);
    } else {
        EXPECT_TRUE(AllZero(&in.list, sizeof in.list));
        EXPECT_TRUE(AllZero(&in.groups, sizeof in.groups));
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, ReadCountedLimits,
                         testing::Values(CountedLimitCase{"AtTheLimits", 800, 10, rcOK},
                                         CountedLimitCase{"OneElementTooMany", 801, 0, rcHeaderCorrupted},
                                         CountedLimitCase{"OneGroupTooMany", 0, 11, rcHeaderCorrupted},
                                         CountedLimitCase{"Largest", 65535, 65535, rcHeaderCorrupted}),
                         [](const testing::TestParamInfo<CountedLimitCase> &info) { return info.param.name; });

TEST(ReadDatabaseFile, CountedBodyShorterThanItsCounts)
{
    TempDir dir;
    const std::string name = dir.file("short.tab");
    const std::string header = BytesOf(HeaderOf("DAT5.0", "TABDTA", 3, 2, 1));
    WriteAll(name, header + BytesOf(MakeElement(1, 1)) + BytesOf(MakeElement(2, 2)) + std::string(791, '\0'));
    EXPECT_EQ(Read(name).result, rcBodyCorrupted);
    WriteAll(name, header + BytesOf(MakeElement(1, 1)));
    EXPECT_EQ(Read(name).result, rcBodyCorrupted);
    // Bytes after the counted records are ignored.
    WriteAll(name, header + BytesOf(MakeElement(1, 1)) + BytesOf(MakeElement(2, 2)) + std::string(792 + 50, '\x07'));
    ReadOutcome in = Read(name);
    EXPECT_EQ(in.result, rcOK);
    EXPECT_EQ(ElementCount(in.list), 2);
}

// A save that fails must leave the previous file exactly as it was.
class FailedSave : public testing::Test {
protected:
    void SetUp() override
    {
        m_name = m_dir.file("old.tab");
        ASSERT_EQ(WriteDatabaseFile(m_name, FiveWithOneSkipped(), GroupsOf({2}), "Stari kupac", "", ""), rcOK);
        m_before = ReadAll(m_name);
    }

    void ExpectOldFileUntouched()
    {
        EXPECT_EQ(ReadAll(m_name), m_before);
        EXPECT_EQ(DirectoryEntries(m_dir.path()), std::vector<std::string>{"old.tab"});
    }

    TempDir m_dir;
    std::string m_name;
    std::string m_before;
};

TEST_F(FailedSave, WriteBeyondTheFileSizeLimit)
{
    // The limit holds the old file but not the new one.
    const int exitCode = ExitCodeUnderFileSizeLimit(4096, [&] {
        const int result = WriteDatabaseFile(m_name, FullList(), GroupsOf({10, 10}), "Novi kupac", "", "");
        return -result - 100; // the code without its sign and hundreds: 43 for -143
    });
    EXPECT_EQ(exitCode, 43);
    ExpectOldFileUntouched();
}

TEST_F(FailedSave, MissingDirectory)
{
    EXPECT_EQ(WriteDatabaseFile(m_dir.file("no/such/dir/new.tab"), FiveWithOneSkipped(), NoGroups(), "", "", ""),
              rcFileAccessError);
    ExpectOldFileUntouched();
}

TEST_F(FailedSave, DirectoryAsTarget)
{
    const std::string folder = m_dir.file("folder.tab");
    std::filesystem::create_directory(folder);
    std::filesystem::create_directory(folder + "/inner");
    EXPECT_EQ(WriteDatabaseFile(folder, FiveWithOneSkipped(), NoGroups(), "", "", ""), rcFileAccessError);
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/inner"));
    std::filesystem::remove_all(folder);
    ExpectOldFileUntouched();
}

TEST(WriteDatabaseFile, ReplacesAnExistingFileAndLeavesNoTemporary)
{
    TempDir dir;
    const std::string name = dir.file("doc.tab");
    ASSERT_EQ(WriteDatabaseFile(name, FullList(), GroupsOf({3}), "Prvi", "", ""), rcOK);
    ASSERT_EQ(chmod(name.c_str(), 0600), 0);
    ASSERT_EQ(WriteDatabaseFile(name, ListOf({MakeElement(10, 10)}), NoGroups(), "Drugi", "", ""), rcOK);
    EXPECT_EQ(std::filesystem::file_size(name), 165u + 79u);
    EXPECT_EQ(DirectoryEntries(dir.path()), std::vector<std::string>{"doc.tab"});
    struct stat info;
    ASSERT_EQ(stat(name.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u); // a replaced file keeps its permissions
}

TEST(WriteDatabaseFile, NewFileFollowsTheUmask)
{
    // Customer names and addresses: a user who keeps files private gets a private file.
    TempDir dir;
    const mode_t previous = umask(022);
    const std::string shared = dir.file("shared.tun");
    EXPECT_EQ(WriteDatabaseFile(shared, ListOf({MakeElement(10, 10)}), NoGroups(), "", "", ""), rcOK);
    umask(077);
    const std::string personal = dir.file("personal.tab");
    EXPECT_EQ(WriteDatabaseFile(personal, ListOf({MakeElement(10, 10)}), NoGroups(), "", "", ""), rcOK);
    umask(previous);
    struct stat info;
    ASSERT_EQ(stat(shared.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    ASSERT_EQ(stat(personal.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}
