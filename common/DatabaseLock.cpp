#include "common/DatabaseLock.h"

#include "common/FileDescriptor.h"
#include "common/FileSystemCalls.h"
#include "common/FileUtils.h"
#include "common/ProcessIdentity.h"
#include "common/ResultCodes.h"
#include "common/TemporaryFiles.h"

#include <cerrno>
#include <ctime>
#include <map>
#include <random>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char *kFirstLine = "MvInput lock 1";
constexpr std::size_t kMaxLockBytes = 4096;
constexpr mode_t kLockMode = 0644; // every copy of the program must read it, whatever the umask

std::string NewToken()
{
    static std::mt19937_64 random{std::random_device{}()};
    std::ostringstream token;
    token << std::hex << random();
    return token.str();
}

bool ReadNumber(const std::string &text, std::int64_t &number)
{
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    number = std::stoll(text);
    return true;
}

// Hard links are the atomic "create unless it exists" of every file system
// that has them; FAT and some shares do not.
bool LinksUnsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EMLINK;
}

// The text in a file of its own beside the lock: the path, or empty with `code` set.
std::string WriteTemporary(const std::string &lockFile, const std::string &text, int &code)
{
    std::string pattern = TemporaryPattern(lockFile, TemporaryKind::NewBytes);
    FileDescriptor fd(SystemCalls().MakeTemporary(pattern.data(), O_CLOEXEC));
    if (!fd.isOpen()) {
        code = rcFileAccessError;
        return {};
    }
    if (::fchmod(fd.get(), kLockMode) != 0)
        code = rcFileAccessError;
    else if (!WriteFully(fd.get(), text.data(), text.size()))
        code = rcDiscFull;
    else if (SystemCalls().Sync(fd.get()) != 0 || !fd.close())
        code = rcUnexpectedError;
    else
        return pattern;
    ::unlink(pattern.c_str());
    return {};
}

std::int64_t Now()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::string LockBeside(const std::string &file)
{
    return JoinPath(DirectoryOf(file), "." + FileNameOf(file) + ".mvlock");
}

} // namespace

std::string LockFileNameOf(const std::string &database)
{
    std::string file;
    if (ResolveLinks(database, file) != rcOK)
        file = database;
    return LockBeside(file);
}

std::string LockText(const LockHolder &holder)
{
    std::ostringstream text;
    text << kFirstLine << "\nuser=" << holder.user << "\nhost=" << holder.host << "\npid=" << holder.pid
         << "\nstart=" << holder.programStart << "\ntoken=" << holder.token << "\nsince=" << holder.since << "\n";
    return text.str();
}

bool ParseLockText(const std::string &text, LockHolder &holder)
{
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine)
        return false;
    std::map<std::string, std::string> fields;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return false;
        fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
    LockHolder parsed;
    std::int64_t pid = 0;
    std::int64_t start = 0;
    if (fields.size() != 6 || !ReadNumber(fields["pid"], pid) || !ReadNumber(fields["start"], start)
        || !ReadNumber(fields["since"], parsed.since) || fields["host"].empty() || fields["token"].empty())
        return false;
    parsed.user = fields["user"];
    parsed.host = fields["host"];
    parsed.pid = static_cast<pid_t>(pid);
    parsed.programStart = static_cast<std::uint64_t>(start);
    parsed.token = fields["token"];
    holder = std::move(parsed);
    return true;
}

int ReadLockFile(const std::string &lockFile, LockHolder &holder, std::int64_t &refreshed)
{
    errno = 0; // a lock that is no regular file is unreadable, not missing
    const FileDescriptor fd = OpenRegularFileForReading(lockFile);
    if (!fd.isOpen())
        return errno == ENOENT ? rcFileNotFound : rcFileAccessError;
    struct stat info;
    std::string text(kMaxLockBytes, '\0');
    const ssize_t n = ReadFully(fd.get(), text.data(), text.size());
    if (n < 0 || SystemCalls().Stat(fd.get(), &info) != 0)
        return rcFileAccessError;
    text.resize(static_cast<std::size_t>(n));
    refreshed = static_cast<std::int64_t>(info.st_mtime);
    holder = LockHolder();
    return ParseLockText(text, holder) ? rcOK : rcHeaderCorrupted;
}

bool IsStaleLock(const LockHolder &holder, std::int64_t refreshed, std::int64_t now)
{
    if (now - refreshed >= kLockStaleAfter.count())
        return true;
    return holder.host == ThisHostName() && !ProgramRuns(holder.pid, holder.programStart);
}

DatabaseLock::DatabaseLock(std::string database, std::string file, LockHolder holder)
    : m_database(std::move(database)), m_file(std::move(file)), m_holder(std::move(holder))
{
}

std::unique_ptr<DatabaseLock> DatabaseLock::Take(const std::string &database, LockAttempt &attempt)
{
    attempt = LockAttempt();
    // Beside the linked file, or every name would have a lock of its own.
    std::string file;
    if (ResolveLinks(database, file) != rcOK) {
        attempt.code = rcFileAccessError;
        return nullptr;
    }
    const std::string lockFile = LockBeside(file);
    FinishInterruptedWrites(lockFile);
    const pid_t self = ::getpid();
    const LockHolder holder{ThisUserName(), ThisHostName(), self, ProcessStartTicks(self), NewToken(), Now()};
    const std::string temporary = WriteTemporary(lockFile, LockText(holder), attempt.code);
    if (temporary.empty())
        return nullptr;
    const auto taken = [&] {
        attempt.outcome = LockOutcome::Taken;
        attempt.code = rcOK;
        return std::unique_ptr<DatabaseLock>(new DatabaseLock(database, lockFile, holder));
    };
    const auto refused = [&](LockOutcome outcome, int code) {
        ::unlink(temporary.c_str());
        attempt.outcome = outcome;
        attempt.code = code;
        return nullptr;
    };

    constexpr int kAttempts = 3; // a lock released between our link and our look is simply tried again
    for (int tried = 0; tried < kAttempts; ++tried) {
        if (SystemCalls().Link(temporary.c_str(), lockFile.c_str()) == 0) {
            ::unlink(temporary.c_str());
            return taken();
        }
        const bool noLinks = LinksUnsupported(errno);
        if (errno != EEXIST && !noLinks)
            return refused(LockOutcome::NotWritten, rcUnexpectedError);
        std::int64_t refreshed = 0;
        const int read = ReadLockFile(lockFile, attempt.holder, refreshed);
        if (read == rcFileNotFound && !noLinks)
            continue;
        if (read == rcFileAccessError)
            return refused(LockOutcome::NotWritten, rcFileAccessError);
        if (read != rcFileNotFound && !IsStaleLock(attempt.holder, refreshed, Now()))
            return refused(LockOutcome::HeldByOther, rcOK);
        // A stale lock is replaced whole; two programs doing so at once are told
        // apart by reading it back.
        if (SystemCalls().Rename(temporary.c_str(), lockFile.c_str()) != 0)
            return refused(LockOutcome::NotWritten, rcUnexpectedError);
        LockHolder placed;
        if (ReadLockFile(lockFile, placed, refreshed) == rcOK && placed.token != holder.token) {
            attempt.outcome = LockOutcome::HeldByOther;
            attempt.holder = placed;
            return nullptr;
        }
        return taken();
    }
    return refused(LockOutcome::NotWritten, rcUnexpectedError);
}

DatabaseLock::~DatabaseLock()
{
    if (StillOurs())
        ::unlink(m_file.c_str());
}

bool DatabaseLock::StillOurs() const
{
    LockHolder found;
    std::int64_t refreshed = 0;
    return ReadLockFile(m_file, found, refreshed) == rcOK && found.token == m_holder.token
        && found.pid == m_holder.pid && found.host == m_holder.host;
}

int DatabaseLock::Refresh()
{
    if (!StillOurs())
        return rcFileNotFound;
    return SystemCalls().Touch(m_file.c_str()) == 0 ? rcOK : rcFileAccessError;
}
