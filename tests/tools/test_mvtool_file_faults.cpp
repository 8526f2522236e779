// The writers of mvtool run in-process under failing file system calls: the
// made record, the made table, the exported list and the printed PDF.

#include "common/DatabaseFile.h"
#include "common/ResultCodes.h"
#include "common/Settings.h"
#include "print/core/PdfExport.h"
#include "support/Elements.h"
#include "support/FaultSweep.h"
#include "support/TempDir.h"
#include "tools/Commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// The code a command reported: rcOK for exit code 0, else the code whose text
// it printed on standard error.
int ReportedCode(const std::function<int()> &command)
{
    std::ostringstream err;
    std::streambuf *const previous = std::cerr.rdbuf(err.rdbuf());
    const int exitCode = command();
    std::cerr.rdbuf(previous);
    if (exitCode == 0)
        return rcOK;
    for (int code = rcOK + 1; code <= rcFileNotOpen; ++code) {
        if (err.str().find(ResultText(code)) != std::string::npos)
            return code;
    }
    ADD_FAILURE() << "exit code " << exitCode << " without a result code: " << err.str();
    return 0;
}

bool IsCompletePdf(const std::string &bytes, const std::string &reference)
{
    // The creation time inside differs between runs; size and both ends do not.
    return bytes.size() == reference.size() && bytes.compare(0, 5, "%PDF-") == 0
        && bytes.compare(bytes.size() - 6, 6, reference, reference.size() - 6, 6) == 0;
}

} // namespace

TEST(ToolFileFaults, EveryFailedCallOfAWriterKeepsOldOrNewFile)
{
    TempDir dir;
    const std::string source = MVSOURCE_DIR "/data/";
    const std::string setup = dir.file("Setup.Dat");
    SweepFileFaults(setup, "old record",
                    [&] { return ReportedCode([&] { return MakeSettings(source + "settings.ini", setup, ""); }); });

    const std::string table = dir.file("Table.T01");
    SweepFileFaults(table, "old table",
                    [&] { return ReportedCode([&] { return MakeBoards(source + "boards.csv", table); }); });

    const TElementList list = ListOf({MakeElement(720, 560, 2, "bok"), MakeElement(400, 300, 4, "polica")});
    const std::string database = dir.file("list.tab");
    ASSERT_EQ(WriteDatabaseFile(database, list, NoGroups(), "Kupac", "", ""), rcOK);
    const std::string csv = dir.file("list.csv");
    // The export reads the database first: a failure there is the reader's.
    SweepFileFaults(
        csv, "old csv",
        [&] { return ReportedCode([&] { return ExportList(database, csv, ExchangeFormat::Spreadsheet); }); },
        nullptr, {rcFileNotFound, rcHeaderCorrupted, rcBodyCorrupted});

    const std::string pdf = dir.file("list.pdf");
    const PrintoutSettings settings; // in millimetres
    std::string reference;
    SweepFileFaults(
        pdf, "old pdf",
        [&] {
            const int code = PrintListToPdf(list, pdf, settings);
            if (reference.empty())
                reference = ReadAll(pdf);
            return code;
        },
        [&](const std::string &bytes) { return IsCompletePdf(bytes, reference); });
}
