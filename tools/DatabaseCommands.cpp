// mvtool dump and convert: element database files as JSON, and from one kind to the other.

#include "tools/Commands.h"
#include "tools/ToolFiles.h"

#include "common/DatabaseFile.h"
#include "common/Encoding.h"
#include "common/ResultCodes.h"

#include <nlohmann/json.hpp>

#include <cstring>
#include <iostream>
#include <utility>

namespace {

using nlohmann::json;

constexpr const char *kLoadError = "Error loading database!";
constexpr const char *kSaveError = "Greska prilikom snimanja baze podataka!";

// Texts on disk are Windows-1250; every byte has a character there, so any
// stored bytes give valid UTF-8.
template <std::size_t N>
std::string Text(const ShortString<N> &s)
{
    return Win1250ToUtf8(s.str());
}

// Packed fields may sit at odd addresses; json's constructors take references,
// so every number is copied out first.
template <typename T>
T Copy(T value)
{
    return value;
}

json ElementJson(const TElement &e)
{
    return json{
        {"length", Copy(e.Length)},
        {"width", Copy(e.Width)},
        {"lengthBanding", Copy(e.LengthBanding)},
        {"widthBanding", Copy(e.WidthBanding)},
        {"aux", {Copy(e.Aux1), Copy(e.Aux2), Copy(e.Aux3), Copy(e.Aux4)}},
        {"auxBytes", {Copy(e.AuxByte1), Copy(e.AuxByte2), Copy(e.AuxByte3), Copy(e.AuxByte4)}},
        {"grain", Copy(e.Grain)},
        {"count", Copy(e.Count)},
        {"skipMark", Copy(e.SkipMark)},
        {"priority", Copy(e.Priority)},
        {"label", Text(e.Label)},
    };
}

json HeaderJson(const TDatabaseHeader &h)
{
    return json{
        {"version", Text(h.Version)},
        {"fileType", Text(h.FileType)},
        {"revision", Text(h.Revision)},
        {"bodyFormat", Copy(h.BodyFormat)},
        {"groupsStored", Copy(h.GroupsStored)},
        {"elementsStored", Copy(h.ElementsStored)},
        {"customer", Text(h.Customer)},
        {"address", Text(h.Address)},
        {"telephone", Text(h.Telephone)},
    };
}

json GroupsJson(const TElementGroups &groups)
{
    json all = json::array();
    const int g = GroupCount(groups);
    for (int i = 0; i < g; ++i) {
        json pieces = json::array();
        const int n = GroupPieceCount(groups[i]);
        for (int p = 0; p < n; ++p)
            pieces.push_back(ElementJson(groups[i].Pieces[p]));
        all.push_back(std::move(pieces));
    }
    return all;
}

void Print(const json &document)
{
    // replace: a stray byte can never make the output unreadable.
    std::cout << document.dump(2, ' ', false, json::error_handler_t::replace) << std::endl;
}

// What the reader left behind; a header it never reached stays zero.
struct Database {
    int result = rcOK;
    TElementList list;
    TElementGroups groups;
    TDatabaseHeader header;
};

Database Load(const std::string &name)
{
    Database db;
    ClearList(db.list);
    ClearGroups(db.groups);
    std::memset(&db.header, 0, sizeof db.header);
    db.result = ReadDatabaseFile(name, db.list, db.groups, db.header);
    return db;
}

} // namespace

int RunDump(const std::string &fileName)
{
    const Database db = Load(fileName);

    json elements = json::array();
    const int n = ElementCount(db.list);
    for (int i = 0; i < n; ++i)
        elements.push_back(ElementJson(db.list[i]));
    Print(json{
        {"result", db.result},
        {"resultText", ResultText(db.result)},
        {"header", HeaderJson(db.header)},
        {"elements", std::move(elements)},
        {"groups", GroupsJson(db.groups)},
    });
    if (db.result != rcOK) {
        ShowError(kLoadError, db.result);
        TellWhenNotAFile(fileName);
        return 1;
    }
    return 0;
}

int RunConvert(const std::string &sourceName, const std::string &targetName)
{
    const Database db = Load(sourceName);
    if (db.result != rcOK) {
        // A list that did not load whole is never written anywhere.
        Print(json{{"read", db.result}, {"write", nullptr}});
        ShowError(kLoadError, db.result);
        TellWhenNotAFile(sourceName);
        return 1;
    }
    const int written = WriteDatabaseFile(targetName, db.list, db.groups, db.header.Customer.str(),
                                          db.header.Address.str(), db.header.Telephone.str());
    Print(json{{"read", db.result}, {"write", written}});
    if (written != rcOK) {
        ShowError(kSaveError, written);
        return 1;
    }
    return 0;
}
