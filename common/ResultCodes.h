#pragma once
// The result codes every file routine returns; -150 is success.

#include <string>

enum ResultCode : int {
    rcOK = -150,
    rcFileNotFound = -149,
    rcFileCorrupted = -148,
    rcFileAccessError = -147,
    rcHeaderCorrupted = -146,
    rcBodyCorrupted = -145,
    rcVersionError = -144,
    rcDiscFull = -143,
    rcUnexpectedError = -142,
    rcFileCreateError = -141,
    rcRenameError = -140,
    rcReadBehindEnd = -139,
    rcCantDelete = -138,
    rcAlreadyExists = -137,
    rcFileNotOpen = -136,
};

// The fixed English text of a code; "Unknown error" outside -150..-136.
const char *ResultText(int code);

// "<message>\nError: <code> [<text>]" shown in a modal box with one OK button,
// through the current message sink.
void ShowError(const std::string &message, int code);
