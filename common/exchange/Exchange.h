#pragma once
// Cutting lists as CSV text, for cutting optimisers and spreadsheets. Texts are
// UTF-8; labels and customer texts are Windows-1250 bytes in the records. No
// file is touched here: the callers read and write the text.

#include "common/DatabaseContents.h"
#include "common/Element.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ExchangeFormat {
    MvInput,          // every byte of every record, groups and customer texts
    CutlistOptimizer, // written only
    Smart2d,
    Spreadsheet,      // ';', decimal comma, BOM and CRLF, Serbian headings
};

// "mvinput", "cutlist-optimizer", "smart2d", "spreadsheet".
const char *ExchangeFormatName(ExchangeFormat format);
// The format of a name as above (any letter case); nothing for an unknown name.
std::optional<ExchangeFormat> ExchangeFormatFromName(std::string_view name);
bool IsReadableExchangeFormat(ExchangeFormat format);

// One refused row (or the header) and why, in the interface's language.
struct ExchangeRefusal {
    int Line; // 1-based line of the text where the row starts
    std::string Reason;
};
// A message about one line of the text: "red 7: sirina nije broj".
std::string LineMessage(int line, const std::string &text);

struct ExchangeReadResult {
    TElementList Elements;   // all zero while any row is refused
    TElementGroups Groups;   // only mvinput rows name a group; the others fill the list
    CustomerTexts Customer;  // from the leading "#Customer" rows, which only mvinput writes
    std::vector<ExchangeRefusal> Refusals;
    bool Ok() const { return Refusals.empty(); }
};

// The list as text of the format. Group pieces follow the elements; every
// format but mvinput writes them as ordinary rows of one piece. Each change the
// format forced on the data (a comma taken out of a label) adds a note.
std::string WriteExchange(ExchangeFormat format, const TElementList &elements, const TElementGroups &groups,
                          const CustomerTexts &customer, std::vector<std::string> *notes);

// Empty, or why MvInput could not open the written text again as one
// database: every format but mvinput writes the group pieces as ordinary
// rows, which may come to more than a list holds. The text is written all the same.
std::string ExportWarning(ExchangeFormat format, const TElementList &elements, const TElementGroups &groups);

// The format whose header row the text has; nothing when none matches.
std::optional<ExchangeFormat> DetectExchangeFormat(std::string_view text);

// Reads the bytes of a file of the given format, or of the format its header
// row comes closest to when none is given: UTF-8 with or without a BOM, else
// Windows-1250; separator ',', ';' or tab; quoted fields; sizes as a person
// writes them, read only when unambiguous (see CellNumber.h) and with a unit
// in the cell ("59 cm") or the heading ("Sirina [cm]"); headings in any case
// and order, with or without diacritics. Every bad row is refused (the first hundred
// are reported); with any refusal the lists and texts come back empty.
ExchangeReadResult ReadExchange(std::string_view text, std::optional<ExchangeFormat> format = std::nullopt);
