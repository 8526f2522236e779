#pragma once
// Fails every file system call of one save in turn, k = 1..N for the N calls a
// fault-free save makes, and checks what each failure leaves: the target holds
// its old bytes or the complete new ones, no temporary file of it remains, and
// the save reports one of the failure codes, or success only when the failed
// call could not spoil it (the directory sync after the rename, or closing a
// file that was only read).

#include "common/ResultCodes.h"

#include <functional>
#include <optional>
#include <set>
#include <string>

using SaveCall = std::function<int()>; // one save, its result code
using NewBytesCheck = std::function<bool(const std::string &)>;

// oldBytes are written to target before each save (none: the target is removed
// instead). isNew tells the complete new file (unset: the bytes of the
// fault-free save); readerCodes are the failure codes of whatever the save reads first.
void SweepFileFaults(const std::string &target, const std::optional<std::string> &oldBytes, const SaveCall &save,
                     const NewBytesCheck &isNew = nullptr, const std::set<int> &readerCodes = {});
