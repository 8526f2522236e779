#include "common/exchange/Exchange.h"

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "common/SameBytes.h"
#include "support/PackedField.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

namespace {

// Random documents with every field of the record in use, label padding and
// reserved bytes included, and every character Windows-1250 has from the blank up.
// Wild ones hold what only a file brings: any size but 0, 0 pieces, codes and
// flags up to 255, a label length byte beyond 25.
class RandomDocuments {
public:
    explicit RandomDocuments(unsigned seed, bool wild = false) : m_random(seed), m_wild(wild) {}

    TElement Element()
    {
        TElement e;
        for (std::size_t i = 0; i < sizeof e; ++i)
            reinterpret_cast<unsigned char *>(&e)[i] = static_cast<unsigned char>(Between(0, 255));
        e.Length = Between(1, kMaxDimensionMm);
        e.Width = Between(1, kMaxDimensionMm);
        e.LengthBanding = static_cast<std::uint8_t>(Between(0, kBandingCodeCount - 1));
        e.WidthBanding = static_cast<std::uint8_t>(Between(0, kBandingCodeCount - 1));
        e.Grain = static_cast<std::uint8_t>(Between(0, 1));
        e.Count = static_cast<std::uint16_t>(Between(1, kMaxCount));
        e.Label.Length = static_cast<std::uint8_t>(Between(0, 25));
        for (int i = 0; i < e.Label.Length; ++i)
            e.Label.Chars[i] = static_cast<char>(Between(0x00, 0xFF));
        if (Between(0, 1) == 0) // mostly the label is as the program stores it
            std::memset(e.Label.Chars + e.Label.Length, 0, e.Label.Capacity - e.Label.Length);
        if (m_wild && Between(0, 1) == 0) {
            e.Length = Between(0, 1) == 0 ? Between(kMaxDimensionMm + 1, INT32_MAX) : Between(INT32_MIN, -1);
            e.Width = Between(0, 1) == 0 ? Between(INT32_MIN, -1) : Between(1, INT32_MAX);
            e.LengthBanding = static_cast<std::uint8_t>(Between(kBandingCodeCount, 255));
            e.WidthBanding = static_cast<std::uint8_t>(Between(0, 255));
            e.Grain = static_cast<std::uint8_t>(Between(2, 255));
            e.Count = static_cast<std::uint16_t>(Between(0, 1) * Between(0, kMaxCount));
            if (Between(0, 1) == 0) {
                for (char &c : e.Label.Chars)
                    c = static_cast<char>(Between(0x00, 0xFF));
                e.Label.Length = static_cast<std::uint8_t>(Between(26, 255));
            }
        }
        return e;
    }

    void Fill(TElementList &list, TElementGroups &groups, int maxElements)
    {
        ClearList(list);
        ClearGroups(groups);
        const int n = Between(0, maxElements);
        for (int i = 0; i < n; ++i)
            list[i] = Element();
        const int groupCount = Between(0, kGroupsPerDocument);
        for (int g = 0; g < groupCount; ++g) {
            for (int p = Between(1, kPiecesPerGroup); p > 0; --p)
                groups[g].Pieces[p - 1] = Element();
        }
    }

    std::string Text(std::size_t maxLength)
    {
        std::string text(static_cast<std::size_t>(Between(0, static_cast<int>(maxLength))), ' ');
        for (char &c : text)
            c = static_cast<char>(Between(0x00, 0xFF));
        return text;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

private:
    std::mt19937 m_random;
    bool m_wild;
};

CustomerTexts RandomCustomer(RandomDocuments &random)
{
    return {random.Text(50), random.Text(50), random.Text(30)};
}

} // namespace

TEST(ExchangeRoundTrip, MvInputKeepsEveryByteOfTwoHundredDocuments)
{
    RandomDocuments random(20261208, true);
    TElementList list;
    TElementGroups groups;
    for (int run = 0; run < 200; ++run) {
        random.Fill(list, groups, run % 50 == 0 ? kMaxElements : 40);
        const CustomerTexts customer = RandomCustomer(random);
        const ExchangeReadResult back =
            ReadExchange(WriteExchange(ExchangeFormat::MvInput, list, groups, customer, nullptr));
        ASSERT_TRUE(back.Ok()) << "run " << run << ": " << LineMessage(back.Refusals.front().Line, back.Refusals.front().Reason);
        ASSERT_TRUE(SameBytes(back.Elements, list)) << "run " << run;
        ASSERT_TRUE(SameBytes(back.Groups, groups)) << "run " << run;
        EXPECT_EQ(back.Customer.Customer, customer.Customer);
        EXPECT_EQ(back.Customer.Address, customer.Address);
        EXPECT_EQ(back.Customer.Telephone, customer.Telephone);
    }
}

TEST(ExchangeRoundTrip, DatabaseFileThroughMvInputIsByteIdentical)
{
    RandomDocuments random(7, true);
    const TempDir dir;
    TElementList list;
    TElementGroups groups;
    for (int run = 0; run < 10; ++run) {
        random.Fill(list, groups, kMaxElements);
        for (TElement &e : list)
            e.SkipMark = 0; // skipped elements never reach a written file
        const CustomerTexts customer = RandomCustomer(random);
        ASSERT_EQ(WriteDatabaseFile(dir.file("a.tab"), list, groups, customer.Customer, customer.Address,
                                    customer.Telephone), rcOK);

        TElementList read;
        TElementGroups readGroups;
        TDatabaseHeader header;
        ASSERT_EQ(ReadDatabaseFile(dir.file("a.tab"), read, readGroups, header), rcOK);
        const std::string csv = WriteExchange(ExchangeFormat::MvInput, read, readGroups,
                                              {header.Customer.str(), header.Address.str(), header.Telephone.str()}, nullptr);
        const ExchangeReadResult back = ReadExchange(csv, ExchangeFormat::MvInput);
        ASSERT_TRUE(back.Ok()) << LineMessage(back.Refusals.front().Line, back.Refusals.front().Reason);
        ASSERT_EQ(WriteDatabaseFile(dir.file("b.tab"), back.Elements, back.Groups, back.Customer.Customer,
                                    back.Customer.Address, back.Customer.Telephone), rcOK);
        ASSERT_EQ(ReadAll(dir.file("b.tab")), ReadAll(dir.file("a.tab"))) << "run " << run;
    }
}

// What these formats hold survives; group pieces come back as elements of one piece.
TEST(ExchangeRoundTrip, SpreadsheetAndSmart2dKeepSizesCountGrainBandingAndLabel)
{
    RandomDocuments random(42);
    TElementList list;
    TElementGroups groups;
    for (const ExchangeFormat format : {ExchangeFormat::Spreadsheet, ExchangeFormat::Smart2d}) {
        for (int run = 0; run < 50; ++run) {
            random.Fill(list, groups, 60);
            const ExchangeReadResult back = ReadExchange(WriteExchange(format, list, groups, {}, nullptr));
            ASSERT_TRUE(back.Ok()) << LineMessage(back.Refusals.front().Line, back.Refusals.front().Reason);
            std::vector<TElement> expected(list.begin(), list.begin() + ElementCount(list));
            for (int g = 0; g < GroupCount(groups); ++g)
                expected.insert(expected.end(), groups[g].Pieces, groups[g].Pieces + GroupPieceCount(groups[g]));
            ASSERT_EQ(ElementCount(back.Elements), static_cast<int>(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const TElement &want = expected[i];
                const TElement &got = back.Elements[i];
                const bool piece = static_cast<int>(i) >= ElementCount(list);
                EXPECT_EQ(Copy(got.Length), Copy(want.Length));
                EXPECT_EQ(Copy(got.Width), Copy(want.Width));
                EXPECT_EQ(Copy(got.Count), piece ? 1 : Copy(want.Count));
                EXPECT_EQ(Copy(got.Grain), Copy(want.Grain));
                EXPECT_EQ(Copy(got.LengthBanding), Copy(want.LengthBanding));
                EXPECT_EQ(Copy(got.WidthBanding), Copy(want.WidthBanding));
                EXPECT_EQ(got.Label.str(), want.Label.str());
            }
        }
    }
}
