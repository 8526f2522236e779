// mvtool settings show|make, run as the real program.

#include "common/BoardType.h"
#include "common/Settings.h"
#include "support/SettingsFieldSize.h"
#include "support/TempDir.h"
#include "support/ToolProcess.h"
#include "tools/SettingsFields.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

const std::string kTool = MVTOOL_PATH;
const std::string kData = MVDATA_DIR;
const std::string kSource = MVSOURCE_DIR;

ToolRun Mvtool(const std::vector<std::string> &args)
{
    return RunTool(kTool, args);
}

TSettings ReadRecord(const std::string &name)
{
    const std::string bytes = ReadAll(name);
    TSettings settings;
    EXPECT_EQ(bytes.size(), TSettings::Size) << name;
    std::memcpy(settings.data(), bytes.data(), std::min(bytes.size(), TSettings::Size));
    return settings;
}

void WriteRecord(const std::string &name, const TSettings &settings)
{
    WriteAll(name, std::string(reinterpret_cast<const char *>(settings.bytes().data()), TSettings::Size));
}

std::vector<std::string> FilesIn(const TempDir &dir)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// ---- the shipped defaults -------------------------------------------------

TEST(SettingsDefaults, BuiltSetupDatShowsTheWorkshopValues)
{
    const ToolRun run = Mvtool({"settings", "show", kData + "/Setup.Dat"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const char *expected[] = {
        "unit = 1",
        "trim = 10",
        "tape_surplus = 110", // 10 % over the demand
        "tape_allowance = 20",
        "auto_sort = 0",
        "banding_in_use = 1",
        "labels_entered = 1",
        "group_panel = 1",
        "reset_length = 1",
        "reset_width = 1",
        "reset_count = 1",
        "remembered_material = 2",
        "control_background = #FEEFED",
        "selected_text = #FFFFFF",
        "column_widths = 32, 48, 51, 97, 48, 18, 18, 41",
        "mark_1 = \" *\"",
        "mark_2 = \" **\"",
        "mark_3 = \" A\"",
        "mark_4 = \" AA\"",
        "mark_5 = \" *A\"",
    };
    for (const char *line : expected)
        EXPECT_NE(run.out.find(std::string("\n") + line + "\n"), std::string::npos) << line << "\n" << run.out;
}

TEST(SettingsDefaults, BackupHoldsTheSameRecord)
{
    const std::string record = ReadAll(kData + "/Setup.Dat");
    EXPECT_EQ(record.size(), TSettings::Size);
    EXPECT_EQ(ReadAll(kData + "/setup.bak"), record);
}

TEST(SettingsDefaults, BuiltRecordIsTheRecordOfTheSourceText)
{
    TempDir dir;
    const ToolRun run = Mvtool({"settings", "make", kSource + "/data/settings.ini", dir.file("Setup.Dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadAll(dir.file("Setup.Dat")), ReadAll(kData + "/Setup.Dat"));
}

TEST(SettingsDefaults, CurrentMaterialIsTheRememberedBoard)
{
    const TSettings settings = ReadRecord(kData + "/Setup.Dat");
    TBoardTable table;
    ASSERT_EQ(ReadBoardTable(kData + "/Table.T01", table), -150);
    const int board = settings.RememberedMaterial() - 1; // item index + 2 = board number + 1
    ASSERT_GE(board, 1);
    ASSERT_LE(board, BoardTypeCount(table));
    const TBoardType &b = table[static_cast<std::size_t>(board - 1)];
    EXPECT_EQ(settings.MaterialName(), b.Name.str());
    EXPECT_EQ(settings.BoardLength(), std::int32_t(b.Length));
    EXPECT_EQ(settings.BoardWidth(), std::int32_t(b.Width));
    EXPECT_EQ(settings.UsableBoardLength(), std::int32_t(b.Length) - settings.Trim());
    EXPECT_EQ(settings.UsableBoardWidth(), std::int32_t(b.Width) - settings.Trim());
    EXPECT_EQ(settings.PricePerM2(), double(b.PricePerM2));
    EXPECT_EQ(settings.DefaultGrain(), int(b.Grain) != 0);
}

TEST(SettingsDefaults, DocumentWindowFitsA1366By768Screen)
{
    const TSettings settings = ReadRecord(kData + "/Setup.Dat");
    EXPECT_GT(settings.WindowWidth(), 1);
    EXPECT_GT(settings.WindowHeight(), 1);
    EXPECT_LE(settings.WindowLeft() + settings.WindowWidth(), 1366);
    // The frame's title, menu, tool bar and status bar and the desktop's task
    // bar take about 170 of the 768 rows.
    EXPECT_LE(settings.WindowTop() + settings.WindowHeight(), 768 - 170);
    EXPECT_EQ(settings.WindowState(), 0);
    EXPECT_EQ(settings.ControlColour(), 15593470u);
    EXPECT_NE(settings.SelectedTextColour(), settings.SelectedBackColour());
}

// ---- show, then make ------------------------------------------------------

// A record of random bytes whose named fields hold values make accepts. Texts
// and flags stay random: any bytes are valid there, including quotes,
// backslashes, control bytes, a leading '@', a length byte beyond the
// capacity and garbage after the text, and flag bytes other than 0 and 1.
TSettings RandomValidRecord(unsigned seed)
{
    std::mt19937 random(seed);
    TSettings settings;
    for (std::uint8_t &b : settings.bytes())
        b = static_cast<std::uint8_t>(random());
    for (const TSettingsField &field : SettingsFields()) {
        std::uniform_int_distribution<std::int64_t> value(static_cast<std::int64_t>(field.Minimum),
                                                          static_cast<std::int64_t>(field.Maximum));
        switch (field.Kind) {
        case SettingsFieldKind::Int32:
        case SettingsFieldKind::UInt16:
        case SettingsFieldKind::Byte:
        case SettingsFieldKind::Colour:
            SetIntegerField(settings, field, value(random));
            break;
        case SettingsFieldKind::Double:
            settings.set(field.Offset, std::uniform_real_distribution<double>(0, 1e6)(random));
            break;
        case SettingsFieldKind::Flag:
        case SettingsFieldKind::Text:
        case SettingsFieldKind::ColumnWidths:
            break;
        }
    }
    return settings;
}

// show FILE > INI, then make INI OUT with the given extra arguments.
std::string ShowThenMake(const TempDir &dir, const TSettings &settings, const std::vector<std::string> &extra)
{
    WriteRecord(dir.file("in.dat"), settings);
    const ToolRun show = Mvtool({"settings", "show", dir.file("in.dat")});
    EXPECT_EQ(show.exitCode, 0) << show.err;
    WriteAll(dir.file("in.ini"), show.out);
    std::vector<std::string> args = {"settings", "make", dir.file("in.ini"), dir.file("out.dat")};
    args.insert(args.end(), extra.begin(), extra.end());
    const ToolRun make = Mvtool(args);
    EXPECT_EQ(make.exitCode, 0) << make.err << "\n" << show.out;
    return ReadAll(dir.file("out.dat"));
}

TEST(SettingsRoundTrip, ShowThenMakeWithBaseGivesTheSameBytes)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        TempDir dir;
        const TSettings settings = RandomValidRecord(seed);
        const std::string bytes(reinterpret_cast<const char *>(settings.bytes().data()), TSettings::Size);
        EXPECT_EQ(ShowThenMake(dir, settings, {"--base", dir.file("in.dat")}), bytes) << "seed " << seed;
    }
}

TEST(SettingsRoundTrip, TextsThatNeedEscapesComeBackExactly)
{
    TSettings settings;
    // '@' first, quote, backslash, comment and list characters, control bytes
    // followed by digits, an unassigned byte of the code page, and š, Č.
    const std::string name = std::string("@a\"b\\c;d,e=f\x01") + "7" + "\x1b" + "12\x81\x9a\xc8" + " \t" + "x";
    settings.SetMaterialName(name);
    settings.SetBandingMarkText(1, std::string("\0\0 ", 3));
    settings.SetBandingMarkText(2, "@@");
    settings.SetBandingMarkText(3, " ");
    settings.SetUnit(1);
    TempDir dir;
    const std::string bytes(reinterpret_cast<const char *>(settings.bytes().data()), TSettings::Size);
    EXPECT_EQ(ShowThenMake(dir, settings, {}), bytes);
}

TEST(SettingsRoundTrip, SystemColoursComeBackAsTheyWere)
{
    // Records written on Windows may hold system colours (high byte 0x80).
    TSettings settings;
    settings.SetUnit(1);
    settings.SetControlColour(0x8000000F); // clBtnFace
    settings.SetMainColour(0x8000000C);    // clAppWorkSpace
    settings.SetSelectedTextColour(0x0000FF);
    settings.SetSelectedBackColour(0xFFFFFFFF);
    const std::string bytes(reinterpret_cast<const char *>(settings.bytes().data()), TSettings::Size);
    TempDir dir;
    EXPECT_EQ(ShowThenMake(dir, settings, {}), bytes);
    EXPECT_EQ(ShowThenMake(dir, settings, {"--base", dir.file("in.dat")}), bytes);
}

TEST(SettingsRoundTrip, WithoutBaseEveryUnnamedByteIsZero)
{
    TSettings settings = RandomValidRecord(42);
    TSettings named;
    // Keep the named fields only; texts keep their characters but not what lies after them.
    for (const TSettingsField &field : SettingsFields()) {
        if (field.Kind == SettingsFieldKind::Text)
            named.setShortString(field.Offset, field.Capacity, settings.shortString(field.Offset, field.Capacity));
        else
            std::memcpy(named.data() + field.Offset, settings.data() + field.Offset, SettingsFieldSize(field));
        if (field.Kind == SettingsFieldKind::Flag)
            named.setFlag(field.Offset, settings.flag(field.Offset));
    }
    TempDir dir;
    const std::string bytes(reinterpret_cast<const char *>(named.bytes().data()), TSettings::Size);
    EXPECT_EQ(ShowThenMake(dir, settings, {}), bytes);
}

TEST(SettingsMake, KeysLeftOutKeepTheBaseValues)
{
    TempDir dir;
    WriteAll(dir.file("colour.ini"), "[colours]\nmain_background = #102030\n");
    const ToolRun run = Mvtool({"settings", "make", dir.file("colour.ini"), dir.file("out.dat"), "--base",
                                kData + "/Setup.Dat"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    TSettings expected = ReadRecord(kData + "/Setup.Dat");
    expected.SetMainColour(0x302010);
    EXPECT_EQ(ReadRecord(dir.file("out.dat")).bytes(), expected.bytes());
}

TEST(SettingsMake, DiacriticsAreStoredAsWindows1250AndShownAsUtf8)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "\xEF\xBB\xBF[material]\r\nmaterial_name = \"\xC5\xA0ljiva \xC4\x8C" "a\xC4\x8D"
                                "ak \xC4\x91\"\r\n[banding]\r\nmark_1 = \"\xC4\x8D\xC4\x87\xC5\xBE\xC5\xA1\xC4\x91\xC4\x8C\"\r\n");
    ASSERT_EQ(Mvtool({"settings", "make", dir.file("s.ini"), dir.file("s.dat")}).exitCode, 0);
    const TSettings settings = ReadRecord(dir.file("s.dat"));
    EXPECT_EQ(settings.MaterialName(), "\x8Aljiva \xC8" "a\xE8" "ak \xF0");
    EXPECT_EQ(settings.BandingMarkText(1), "\xE8\xE6\x9E\x9A\xF0\xC8");
    const ToolRun show = Mvtool({"settings", "show", dir.file("s.dat")});
    EXPECT_NE(show.out.find("material_name = \"\xC5\xA0ljiva \xC4\x8C" "a\xC4\x8D" "ak \xC4\x91\"\n"),
              std::string::npos)
        << show.out;
}

TEST(SettingsMake, ValuesAtTheEndsOfTheirRangesAreTaken)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "[material]\nmaterial_name = \"" + std::string(40, 'x') + "\"\n"
                                "board_length = 2147483647\nremembered_material = 601\n"
                                "[banding]\ntape_surplus = 255\nmark_5 = \"\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\"\n"
                                "[entry]\nunit = 3\n[colours]\ncontrol_background = #feefed\n"
                                "[window]\nwidth = 65535\nstate = 2\ncolumn_widths = 0,1,2,3,4,5,6,65535\n");
    const ToolRun run = Mvtool({"settings", "make", dir.file("s.ini"), dir.file("s.dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const TSettings s = ReadRecord(dir.file("s.dat"));
    EXPECT_EQ(s.MaterialName(), std::string(40, 'x'));
    EXPECT_EQ(s.BoardLength(), 2147483647);
    EXPECT_EQ(s.RememberedMaterial(), 601);
    EXPECT_EQ(s.TapeSurplus(), 255);
    EXPECT_EQ(s.BandingMarkText(5), std::string(6, '\xE8'));
    EXPECT_EQ(s.Unit(), 3);
    EXPECT_EQ(s.ControlColour(), 15593470u);
    EXPECT_EQ(s.WindowWidth(), 65535);
    EXPECT_EQ(s.WindowState(), 2);
    EXPECT_EQ(s.ColumnWidth(1), 0);
    EXPECT_EQ(s.ColumnWidth(8), 65535);
}

// ---- refusals -------------------------------------------------------------

struct Refusal {
    const char *Name;
    std::string Text; // after two comment lines
    int Line;         // of the whole file
    const char *Says;
};

std::ostream &operator<<(std::ostream &out, const Refusal &r)
{
    return out << r.Name;
}

const Refusal kRefusals[] = {
    {"UnknownKey", "[material]\ncolour = 1\n", 4, "unknown key \"colour\" in [material]"},
    {"KeyInTheWrongSection", "[entry]\ntrim = 10\n", 4, "unknown key \"trim\" in [entry]"},
    {"KeyOutsideASection", "trim = 10\n", 3, "outside any section"},
    {"UnknownSection", "[materials]\ntrim = 10\n", 4, "unknown key"},
    {"ByteAboveRange", "[banding]\ntape_surplus = 256\n", 4, "out of range 0..255"},
    {"WordAboveRange", "[window]\nwidth = 65536\n", 4, "out of range 0..65535"},
    {"Int32AboveRange", "[material]\nboard_length = 2147483648\n", 4, "out of range"},
    {"FlagOtherThanZeroOrOne", "[entry]\nauto_sort = 2\n", 4, "out of range 0..1"},
    {"NotAWholeNumber", "[material]\ntrim = 10mm\n", 4, "\"10mm\" is not a whole number"},
    {"EmptyNumber", "[material]\ntrim =\n", 4, "is not a whole number"},
    {"DecimalComma", "[material]\nprice_per_m2 = 12,5\n", 4, "one value expected"},
    {"PriceNotANumber", "[material]\nprice_per_m2 = abc\n", 4, "\"abc\" is not a number"},
    {"ColourTooShort", "[colours]\nmain_background = #FEEFE\n", 4, "is not a colour #RRGGBB"},
    {"ColourWithoutHash", "[colours]\nmain_background = FEEFED\n", 4, "is not a colour #RRGGBB"},
    {"ColourNumberBeyond32Bits", "[colours]\nmain_background = 4294967296\n", 4, "is not a colour"},
    {"NegativeColourNumber", "[colours]\nmain_background = -1\n", 4, "is not a colour"},
    {"NameTooLong", "[material]\nmaterial_name = \"" + std::string(41, 'x') + "\"\n", 4,
     "the text has 41 characters, at most 40 fit"},
    {"MarkTooLongInDiacritics", "[banding]\nmark_2 = \"\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\xC4\x8D\"\n", 4,
     "the text has 7 characters, at most 6 fit"},
    {"CharacterOutsideTheCodePage", "[material]\nmaterial_name = \"\xE6\x97\xA5\"\n", 4, "Windows-1250"},
    {"SevenColumnWidths", "[window]\ncolumn_widths = 1, 2, 3, 4, 5, 6, 7\n", 4, "8 column widths expected, found 7"},
    {"RepeatedKey", "[entry]\nunit = 1\n\nunit = 2\n", 6, "already given on line 4"},
    {"LineWithoutEquals", "[entry]\nunit\n", 4, "expected key = value"},
    {"HashComment", "# the unit\n", 3, "comments start with ';'"},
    {"UnclosedQuote", "[material]\nmaterial_name = \"abc\ntrim = 10\n", 4, "double quote is not closed"},
    {"ContinuedLine", "[material]\nmaterial_name = abc \\\n", 4, "must end on its own line"},
    {"TypeTag", "[material]\nmaterial_name = @ByteArray(x)\n", 4, "may not start with '@'"},
    {"BrokenSectionLine", "[material\n", 3, "section line"},
};

class SettingsRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(SettingsRefusal, NamesTheLineAndLeavesTheOutputUntouched)
{
    const Refusal &r = GetParam();
    TempDir dir;
    WriteAll(dir.file("bad.ini"), "; settings\n\n" + r.Text);
    WriteAll(dir.file("Setup.Dat"), "previous contents");
    const std::vector<std::string> before = FilesIn(dir);

    const ToolRun run = Mvtool({"settings", "make", dir.file("bad.ini"), dir.file("Setup.Dat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("line " + std::to_string(r.Line) + ": "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(r.Says), std::string::npos) << run.err;
    EXPECT_EQ(ReadAll(dir.file("Setup.Dat")), "previous contents");
    EXPECT_EQ(FilesIn(dir), before);
}

INSTANTIATE_TEST_SUITE_P(BadTexts, SettingsRefusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<Refusal> &info) { return std::string(info.param.Name); });

TEST(SettingsMake, EveryBadLineIsReported)
{
    TempDir dir;
    WriteAll(dir.file("bad.ini"), "[entry]\nunit = mm\nwhat = 1\n[banding]\ntape_surplus = -1\n");
    const ToolRun run = Mvtool({"settings", "make", dir.file("bad.ini"), dir.file("out.dat")});
    EXPECT_EQ(run.exitCode, 1);
    for (const char *line : {"line 2: ", "line 3: ", "line 5: "})
        EXPECT_NE(run.err.find(line), std::string::npos) << line << "\n" << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dat")));
}

// A record may hold what the program merely reads past (a unit of 0 or 4 is
// shown as mm, a state of 3 as normal): show prints it, so make takes it back.
TEST(SettingsMake, TakesEveryValueARecordCanHold)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "[entry]\nunit = 4\n[material]\nboard_length = -1\nprice_per_m2 = -2.5\n"
                                "remembered_material = 65535\n[window]\nstate = 3\n");
    const ToolRun run = Mvtool({"settings", "make", dir.file("s.ini"), dir.file("s.dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const TSettings settings = ReadRecord(dir.file("s.dat"));
    EXPECT_EQ(settings.Unit(), 4);
    EXPECT_EQ(settings.BoardLength(), -1);
    EXPECT_EQ(settings.PricePerM2(), -2.5);
    EXPECT_EQ(settings.RememberedMaterial(), 65535);
    EXPECT_EQ(settings.WindowState(), 3);
    for (const char *unit : {"0", "-2147483648", "2147483647"}) {
        WriteAll(dir.file("u.ini"), std::string("[entry]\nunit = ") + unit + "\n");
        EXPECT_EQ(Mvtool({"settings", "make", dir.file("u.ini"), dir.file("u.dat")}).exitCode, 0) << unit;
    }
}

// Without a base and without a unit key the record is zeros but for unit 1,
// which show prints and make takes back; a "+" is no sign the text takes.
TEST(SettingsMake, WithoutBaseTheUnitIsMillimetresAndAPlusIsRefused)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "[material]\ntrim = 5\n");
    ASSERT_EQ(Mvtool({"settings", "make", dir.file("s.ini"), dir.file("s.dat")}).exitCode, 0);
    EXPECT_EQ(ReadRecord(dir.file("s.dat")).Unit(), 1);
    const ToolRun show = Mvtool({"settings", "show", dir.file("s.dat")});
    WriteAll(dir.file("again.ini"), show.out);
    EXPECT_EQ(Mvtool({"settings", "make", dir.file("again.ini"), dir.file("again.dat")}).exitCode, 0);
    EXPECT_EQ(ReadAll(dir.file("again.dat")), ReadAll(dir.file("s.dat")));

    WriteAll(dir.file("plus.ini"), "[material]\ntrim = +5\n");
    const ToolRun plus = Mvtool({"settings", "make", dir.file("plus.ini"), dir.file("plus.dat")});
    EXPECT_EQ(plus.exitCode, 1);
    EXPECT_NE(plus.err.find("line 2: \"+5\" is not a whole number"), std::string::npos) << plus.err;
}

TEST(SettingsMake, EscapesAreDecodedAndThoseThatMeanNothingRefused)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "[material]\nmaterial_name = \"a\\tb\"\\x160\\101\n[banding]\nmark_1 = @@\\\"\n");
    const ToolRun run = Mvtool({"settings", "make", dir.file("s.ini"), dir.file("s.dat")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadRecord(dir.file("s.dat")).MaterialName(), "a\tb\x8A" "A");
    EXPECT_EQ(ReadRecord(dir.file("s.dat")).BandingMarkText(1), "@\"");
    for (const char *value : {"C:\\data", "@x", "\"\\\xC5\xA1\""}) {
        WriteAll(dir.file("bad.ini"), std::string("[material]\nmaterial_name = ") + value + "\n");
        const ToolRun bad = Mvtool({"settings", "make", dir.file("bad.ini"), dir.file("bad.dat")});
        EXPECT_EQ(bad.exitCode, 1) << value;
        EXPECT_NE(bad.err.find("line 2: "), std::string::npos) << bad.err;
    }
}

TEST(SettingsMake, UnreadableBaseWritesNothing)
{
    TempDir dir;
    WriteAll(dir.file("s.ini"), "[entry]\nunit = 1\n");
    WriteAll(dir.file("short.dat"), std::string(100, '\0'));
    for (const std::string &base : {dir.file("missing.dat"), dir.file("short.dat")}) {
        const ToolRun run = Mvtool({"settings", "make", dir.file("s.ini"), dir.file("out.dat"), "--base", base});
        EXPECT_EQ(run.exitCode, 1) << base;
        EXPECT_NE(run.err.find("cannot read the base record"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.dat")));
    }
}

TEST(MakeCommands, SourceThatCannotBeReadWritesNothing)
{
    TempDir dir;
    // A directory opens but fails on the first read.
    for (const std::string &source : {dir.file("missing.txt"), dir.path()}) {
        for (const char *command : {"settings", "boards"}) {
            const ToolRun run = Mvtool({command, "make", source, dir.file("out.dat")});
            EXPECT_EQ(run.exitCode, 1) << command << " " << source << "\n" << run.err;
            EXPECT_NE(run.err.find("cannot read " + source), std::string::npos) << run.err;
            EXPECT_FALSE(std::filesystem::exists(dir.file("out.dat")));
        }
    }
}

TEST(SettingsShow, RecordShorterThanTheRecordSizeIsRefused)
{
    TempDir dir;
    WriteAll(dir.file("short.dat"), std::string(TSettings::Size - 1, '\0'));
    const ToolRun run = Mvtool({"settings", "show", dir.file("short.dat")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("cannot read"), std::string::npos);
}

TEST(SettingsShow, OutputThatCannotBeWrittenIsAFailure)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full on this system";
    const std::string command = kTool + " settings show '" + kData + "/Setup.Dat' > /dev/full 2> /dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

TEST(SettingsCommand, WrongArgumentsPrintTheUsage)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"settings"}, {"settings", "show"}, {"settings", "make", "a.ini"}, {"settings", "edit", "x"},
             {"settings", "show", "a", "b"}}) {
        const ToolRun run = Mvtool(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos);
    }
}

} // namespace
