// mvtool dump and convert, run as the real program.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"
#include "support/Elements.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

ToolRun Mvtool(const std::vector<std::string> &args)
{
    return RunTool(MVTOOL_PATH, args);
}

// The standard output of a run as JSON; a parse failure fails the test.
json Output(const ToolRun &run)
{
    json parsed = json::parse(run.out, nullptr, false);
    EXPECT_FALSE(parsed.is_discarded()) << run.out;
    return parsed;
}

// A 165-byte header with the given type and layout, as the tests need it broken.
std::string HeaderBytes(const std::string &version, const std::string &fileType, std::uint8_t bodyFormat)
{
    TDatabaseHeader header;
    std::memset(&header, 0, sizeof header);
    header.Version.assign(version);
    header.FileType.assign(fileType);
    header.BodyFormat = bodyFormat;
    return std::string(reinterpret_cast<const char *>(&header), sizeof header);
}

std::string ElementBytes(const TElement &e)
{
    return std::string(reinterpret_cast<const char *>(&e), sizeof e);
}

std::string ErrorLines(const std::string &message, int code)
{
    return message + "\nError: " + std::to_string(code) + " [" + ResultText(code) + "]\n";
}

const std::string kLoadError = "Error loading database!";
const std::string kSaveError = "Greska prilikom snimanja baze podataka!";

class MvtoolDatabase : public testing::Test {
protected:
    // Two elements and one group of two pieces, customer texts with Serbian
    // letters in Windows-1250.
    std::string WriteSample(const std::string &fileName)
    {
        TElement first = MakeElement(2440, 1220, 3, "Bo\x9Anica \xE8");
        first.LengthBanding = 2;
        first.WidthBanding = 5;
        first.Aux1 = -7;
        first.Aux4 = 40000;
        first.AuxByte1 = 1;
        first.AuxByte4 = 4;
        first.Grain = 1;
        first.Priority = 1;
        TElementGroups groups = NoGroups();
        groups[0].Pieces[0] = MakeElement(500, 120, 1, "G");
        groups[0].Pieces[1] = MakeElement(450, 120, 1, "H");
        const std::string name = m_dir.file(fileName);
        EXPECT_EQ(WriteDatabaseFile(name, ListOf({first, MakeElement(800, 600, 1, "")}), groups, "\xC8" "a\xE6" "i\xF0",
                                    "Ulica \x8A" "abac 1", "011 \x9E"),
                  rcOK);
        return name;
    }

    TempDir m_dir;
};

} // namespace

TEST_F(MvtoolDatabase, DumpShowsHeaderElementsAndGroups)
{
    const ToolRun run = Mvtool({"dump", WriteSample("sample.tab")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    const json out = Output(run);
    EXPECT_EQ(out["result"], rcOK);
    EXPECT_EQ(out["resultText"], "OK");

    const json &header = out["header"];
    EXPECT_EQ(header["version"], "DAT5.0");
    EXPECT_EQ(header["fileType"], "TABDTA");
    EXPECT_EQ(header["revision"], "1.00");
    EXPECT_EQ(header["bodyFormat"], 3);
    EXPECT_EQ(header["groupsStored"], 1);
    EXPECT_EQ(header["elementsStored"], 2);
    EXPECT_EQ(header["customer"], "Čaćiđ");
    EXPECT_EQ(header["address"], "Ulica Šabac 1");
    EXPECT_EQ(header["telephone"], "011 ž");

    ASSERT_EQ(out["elements"].size(), 2u);
    const json &first = out["elements"][0];
    EXPECT_EQ(first["length"], 2440);
    EXPECT_EQ(first["width"], 1220);
    EXPECT_EQ(first["lengthBanding"], 2);
    EXPECT_EQ(first["widthBanding"], 5);
    EXPECT_EQ(first["aux"], json({-7, 0, 0, 40000}));
    EXPECT_EQ(first["auxBytes"], json({1, 0, 0, 4}));
    EXPECT_EQ(first["grain"], 1);
    EXPECT_EQ(first["count"], 3);
    EXPECT_EQ(first["skipMark"], 0);
    EXPECT_EQ(first["priority"], 1);
    EXPECT_EQ(first["label"], "Bošnica č");
    EXPECT_EQ(out["elements"][1]["label"], "");

    ASSERT_EQ(out["groups"].size(), 1u);
    ASSERT_EQ(out["groups"][0].size(), 2u);
    EXPECT_EQ(out["groups"][0][1]["length"], 450);
    EXPECT_EQ(out["groups"][0][1]["count"], 1);
}

TEST_F(MvtoolDatabase, DumpOfAMissingFileFailsWithTheLoadError)
{
    const ToolRun run = Mvtool({"dump", m_dir.file("missing.tab")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ErrorLines(kLoadError, rcFileNotFound));
    const json out = Output(run);
    EXPECT_EQ(out["result"], rcFileNotFound);
    EXPECT_EQ(out["resultText"], "File not found");
    EXPECT_TRUE(out["elements"].empty());
    EXPECT_TRUE(out["groups"].empty());
}

TEST_F(MvtoolDatabase, DumpOfACutBodyShowsWhatWasRead)
{
    const std::string name = m_dir.file("cut.tab");
    TElement skipped = MakeElement(300, 200, 2, "s");
    skipped.SkipMark = 9;
    WriteAll(name, HeaderBytes("DAT4.0", "TABDTA", 0) + ElementBytes(MakeElement(700, 400, 1, "a")) + ElementBytes(skipped)
                       + std::string(20, '\x01'));
    const ToolRun run = Mvtool({"dump", name});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ErrorLines(kLoadError, rcBodyCorrupted));
    const json out = Output(run);
    EXPECT_EQ(out["result"], rcBodyCorrupted);
    ASSERT_EQ(out["elements"].size(), 2u);
    EXPECT_EQ(out["elements"][1]["skipMark"], 9);
    EXPECT_EQ(out["header"]["version"], "DAT4.0");
}

TEST_F(MvtoolDatabase, DumpSurvivesAnyHeaderBytes)
{
    const std::string name = m_dir.file("odd.tab");
    std::string header = HeaderBytes("", "TABDTA", 7);
    header[0] = '\xC8';                                  // length byte beyond the field
    std::memcpy(&header[1], "\xFF\x81\x00\"\\\x01", 6);  // unassigned, NUL, quote, backslash, control
    header[32] = 50;
    for (int i = 0; i < 50; ++i)
        header[33 + i] = static_cast<char>(0x80 + i);
    WriteAll(name, header);
    const ToolRun run = Mvtool({"dump", name});
    EXPECT_EQ(run.exitCode, 0);
    const json out = Output(run);
    EXPECT_EQ(out["result"], rcOK);
    EXPECT_EQ(out["header"]["version"], "\u02D9\u0081" + std::string("\0\"\\\x01", 4));
    EXPECT_EQ(out["header"]["customer"].get<std::string>().substr(0, 3), "€");
}

TEST_F(MvtoolDatabase, DumpOfAWrongTypeIsRefused)
{
    const std::string name = m_dir.file("wrong.tun");
    WriteAll(name, HeaderBytes("DAT5.0", "TABDTA", 3));
    const ToolRun run = Mvtool({"dump", name});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ErrorLines(kLoadError, rcHeaderCorrupted));
    EXPECT_EQ(Output(run)["header"]["fileType"], "TABDTA");
}

TEST_F(MvtoolDatabase, ConvertCarriesListAndCustomerTexts)
{
    const std::string source = WriteSample("sample.tab");
    const std::string target = m_dir.file("sample.TUN");
    const ToolRun run = Mvtool({"convert", source, target});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Output(run), json({{"read", rcOK}, {"write", rcOK}}));

    const json out = Output(Mvtool({"dump", target}));
    EXPECT_EQ(out["header"]["fileType"], "UNIDTA");
    EXPECT_EQ(out["header"]["customer"], "Čaćiđ");
    EXPECT_EQ(out["header"]["address"], "Ulica Šabac 1");
    EXPECT_EQ(out["header"]["telephone"], "011 ž");
    ASSERT_EQ(out["elements"].size(), 2u);
    EXPECT_EQ(out["elements"][0]["label"], "Bošnica č");
    EXPECT_EQ(out["elements"][0]["auxBytes"], json({1, 0, 0, 0})); // no place for AuxByte4
    EXPECT_TRUE(out["groups"].empty());

    // And back: the universal file becomes a TABDTA file again.
    const std::string back = m_dir.file("back.tab");
    EXPECT_EQ(Mvtool({"convert", target, back}).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(back), 165u + 2u * 79u);
}

TEST_F(MvtoolDatabase, ConvertWritesNothingWhenTheSourceFails)
{
    const std::string source = m_dir.file("broken.tab");
    WriteAll(source, std::string(100, 'x'));
    const std::string target = m_dir.file("out.tab");
    const ToolRun run = Mvtool({"convert", source, target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ErrorLines(kLoadError, rcHeaderCorrupted));
    EXPECT_EQ(Output(run), json({{"read", rcHeaderCorrupted}, {"write", nullptr}}));
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(MvtoolDatabase, ConvertReportsAFailedWrite)
{
    const std::string source = WriteSample("sample.tab");
    const ToolRun run = Mvtool({"convert", source, m_dir.file("no/such/dir/out.tab")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, ErrorLines(kSaveError, rcFileAccessError));
    EXPECT_EQ(Output(run), json({{"read", rcOK}, {"write", rcFileAccessError}}));
}

TEST_F(MvtoolDatabase, ConvertReplacesAnExistingTarget)
{
    const std::string source = WriteSample("sample.tab");
    const std::string target = m_dir.file("old.tab");
    WriteAll(target, "not a database");
    EXPECT_EQ(Mvtool({"convert", source, target}).exitCode, 0);
    EXPECT_EQ(ReadAll(target), ReadAll(source));
}

TEST(MvtoolDatabaseUsage, WrongArgumentCountsShowTheUsage)
{
    const std::vector<std::vector<std::string>> calls = {
        {"dump"}, {"dump", "a.tab", "b.tab"}, {"convert", "a.tab"}, {"convert", "a.tab", "b.tab", "c.tab"}};
    for (const std::vector<std::string> &args : calls) {
        const ToolRun run = Mvtool(args);
        EXPECT_EQ(run.exitCode, 2) << args.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("mvtool dump FILE"), std::string::npos);
    }
}
