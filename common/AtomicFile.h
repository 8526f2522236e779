#pragma once
// Saving that never destroys the previous file. The file written is the one the
// target's symbolic links lead to, so a link stays a link. Usually the bytes go
// to a temporary file beside it, renamed over it only when everything was
// written and closed. A file with other hard links cannot be replaced without
// leaving those names on the old bytes, so it is rewritten in place instead,
// after its old bytes were copied to a temporary file; they are put back when
// the write fails or is never committed. Temporary files are named as
// TemporaryFiles.h tells; on any failure, or when never committed, they are
// removed and the file stays exactly as it was.

#include <cstddef>
#include <string>

#include <sys/types.h>

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string target);
    ~AtomicFileWriter(); // puts the old file back unless committed
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    int Open();                                     // -150, or -147 when it cannot be created
    bool Write(const void *data, std::size_t size); // false: a failed or short write
    int Commit();                                   // -150, or -142 when sync, close or rename fails

    // The file the bytes go to: the target with its links followed (after Open).
    const std::string &File() const { return m_file; }

private:
    int OpenReplacement(mode_t mode);
    int OpenInPlace();
    int CommitReplacement();
    int CommitInPlace();
    bool PutOldBytesBack();
    void RemoveTemporary();

    std::string m_target;
    std::string m_file;
    std::string m_temporary; // the new bytes, or in place the old ones
    int m_fd = -1;           // the temporary, or in place the file itself
    int m_oldBytes = -1;     // in place: the temporary holding the old bytes
    bool m_inPlace = false;
    off_t m_written = 0;
    bool m_committed = false;
    bool m_failed = false; // a write failed: Commit refuses
};

// The whole save in one call: -150, -147 cannot create, -143 a write failed,
// -142 sync, close or rename failed. The previous file survives every failure.
int WriteFileAtomically(const std::string &target, const void *data, std::size_t size);
