#include "common/ResultCodes.h"

#include "common/Conversions.h"
#include "common/MessageSink.h"

namespace {
const char *const kTexts[] = {
    "OK",                    // -150
    "File not found",        // -149
    "File is corrupted",     // -148
    "File access error",     // -147
    "Database header corrupted",
    "Database body corrupted",
    "Database version error",
    "Disc became full?",     // -143
    "Unexpected error",
    "File create error",
    "Rename file error",
    "Read behind the end of file",
    "Can't delete file",
    "File alredy exists",
    "File not open",         // -136
};
} // namespace

const char *ResultText(int code)
{
    if (code < rcOK || code > rcFileNotOpen)
        return "Unknown error";
    return kTexts[code - rcOK];
}

void ShowError(const std::string &message, int code)
{
    ShowMessage(MessageKind::Error,
                message + "\nError: " + IntToText(code) + " [" + ResultText(code) + "]");
}
