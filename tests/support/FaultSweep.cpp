#include "support/FaultSweep.h"

#include "support/FileCallFault.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<std::string> TemporariesOf(const std::string &target)
{
    const std::filesystem::path path(target);
    const std::string prefix = "." + path.filename().string() + ".";
    std::vector<std::string> found;
    for (const auto &entry : std::filesystem::directory_iterator(path.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0)
            found.push_back(name);
    }
    return found;
}

void PutOldFile(const std::string &target, const std::optional<std::string> &bytes)
{
    if (bytes)
        WriteAll(target, *bytes);
    else
        std::filesystem::remove(target);
}

std::optional<std::string> FileNow(const std::string &target)
{
    if (!std::filesystem::exists(target))
        return std::nullopt;
    return ReadAll(target);
}

} // namespace

void SweepFileFaults(const std::string &target, const std::optional<std::string> &oldBytes, const SaveCall &save,
                     const NewBytesCheck &isNew, const std::set<int> &readerCodes)
{
    std::set<int> failureCodes = {rcFileAccessError, rcDiscFull, rcUnexpectedError};
    failureCodes.insert(readerCodes.begin(), readerCodes.end());
    PutOldFile(target, oldBytes);
    int callCount = 0;
    {
        const FileCallFault counter;
        ASSERT_EQ(save(), rcOK);
        callCount = counter.calls();
    }
    const std::string written = ReadAll(target);
    ASSERT_NE(FileNow(target), oldBytes) << "the save must change the file for the sweep to tell";
    const NewBytesCheck isComplete = isNew ? isNew : [&](const std::string &bytes) { return bytes == written; };
    ASSERT_TRUE(isComplete(written));
    ASSERT_GT(callCount, 0);

    for (const int error : {EIO, ENOSPC}) {
        for (int k = 1; k <= callCount; ++k) {
            SCOPED_TRACE("call " + std::to_string(k) + " of " + std::to_string(callCount) + " fails with errno "
                         + std::to_string(error));
            PutOldFile(target, oldBytes);
            int code = 0;
            bool harmless = false;
            {
                const FileCallFault fault(k, error);
                code = save();
                ASSERT_TRUE(fault.fired());
                harmless = fault.firedHarmlessly();
            }
            const std::optional<std::string> now = FileNow(target);
            if (now == oldBytes) {
                EXPECT_EQ(failureCodes.count(code), 1u) << "code " << code;
            } else {
                EXPECT_TRUE(now && isComplete(*now)) << "the target holds neither the old nor the new bytes";
                EXPECT_EQ(code, rcOK);
                EXPECT_TRUE(harmless) << "the save went on after a failure that counts";
            }
            EXPECT_EQ(TemporariesOf(target), std::vector<std::string>{});
        }
    }
}
