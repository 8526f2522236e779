#pragma once
// The database and the settings record the list commands read, each refusal
// said on standard error as the program's box says it.

#include "common/DatabaseFile.h"
#include "common/Element.h"
#include "common/Settings.h"

#include <string>

struct Database {
    TElementList Elements{};
    TElementGroups Groups{};
    TDatabaseHeader Header{};
};

bool ReadDatabase(const std::string &name, Database &database);
// The record named, or the program's own (beside it, or in share/morvena when
// installed) when the name is empty.
bool ReadToolSettings(const std::string &name, TSettings &settings);
