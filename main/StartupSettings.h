#pragma once
// The settings record the program starts with: "Setup.Dat" beside the program,
// or else its backup "setup.bak", which is then copied over "Setup.Dat".
// Failures are shown through the core's message sink (ShowError).

#include "common/Settings.h"

#include <optional>
#include <string>

// Nothing when neither file holds a whole record; the error has been shown.
// A failed copy is shown too, but the record read from the backup is returned.
std::optional<TSettings> ReadStartupSettings(const std::string &programDir);
