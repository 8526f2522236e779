#pragma once
// The lock a document takes on its database file, seen by every copy of the
// program on this or another machine through the shared folder: a small text
// file ".<name>.mvlock" beside the database (the file its links lead to) that
// tells who holds it. flock is not seen across SMB mounts, so the file's
// presence and contents count. Its holder refreshes it every minute; it is
// stale when its host is this one and its program no longer runs, or when it
// was not refreshed for ten minutes. A lock file never exists without its whole
// text: the text is written beside it and linked into place.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include <sys/types.h>

struct LockHolder {
    std::string user;
    std::string host;
    pid_t pid = 0;
    std::uint64_t programStart = 0; // tells a reused process id apart (ProcessStartTicks)
    std::string token;              // tells apart the documents of one program
    std::int64_t since = 0;         // when it was taken, in seconds since 1970
};

inline constexpr std::chrono::minutes kLockRefreshInterval{1};
inline constexpr std::chrono::seconds kLockStaleAfter{std::chrono::minutes(10)};

// ".<name>.mvlock" beside the file `database` leads to (itself when its links cannot be read).
std::string LockFileNameOf(const std::string &database);
// The text of a lock file, and back; false for anything but the whole text.
std::string LockText(const LockHolder &holder);
bool ParseLockText(const std::string &text, LockHolder &holder);
// Reads a lock file, and when it was last refreshed (its modification time, in
// seconds since 1970): -150; -149 no lock; -147 it cannot be read; -146 it is
// no lock text (the holder then stays empty, the time is set).
int ReadLockFile(const std::string &lockFile, LockHolder &holder, std::int64_t &refreshed);
// Stale: not refreshed for kLockStaleAfter, or held by a program of this host
// that no longer runs. `now` and `refreshed` in seconds since 1970.
bool IsStaleLock(const LockHolder &holder, std::int64_t refreshed, std::int64_t now);

enum class LockOutcome {
    Taken,       // the lock is ours
    HeldByOther, // another document holds it, here or elsewhere; nothing was written
    NotWritten,  // no lock could be written or judged; the open goes on without one
};

struct LockAttempt {
    LockOutcome outcome = LockOutcome::NotWritten;
    LockHolder holder; // HeldByOther: who holds it (empty fields: a text that is no lock)
    int code = 0;      // NotWritten: -147 cannot create or read, -143 a write failed, -142 sync, close or link
};

// Owns a lock on one database file; releasing removes the file when it is still ours.
class DatabaseLock {
public:
    // Takes the lock of `database`, replacing a stale one: the lock when taken,
    // null otherwise, with `attempt` telling why.
    static std::unique_ptr<DatabaseLock> Take(const std::string &database, LockAttempt &attempt);
    ~DatabaseLock(); // releases the lock
    DatabaseLock(const DatabaseLock &) = delete;
    DatabaseLock &operator=(const DatabaseLock &) = delete;

    // Marks the lock as refreshed now; call every kLockRefreshInterval. -150;
    // -149 when it is no longer ours (removed or taken over as stale meanwhile:
    // Take it again); -147 when it cannot be marked.
    int Refresh();
    // The database it was taken for, and its lock file.
    const std::string &Database() const { return m_database; }
    const std::string &FileName() const { return m_file; }
    const LockHolder &Holder() const { return m_holder; }

private:
    DatabaseLock(std::string database, std::string file, LockHolder holder);
    bool StillOurs() const;

    std::string m_database;
    std::string m_file;
    LockHolder m_holder;
};
