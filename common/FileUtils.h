#pragma once
// File helpers: the program's directory, joining names onto it, the block copy,
// the fixed-size record read and the whole-file read. All report result codes.

#include <cstddef>
#include <cstdint>
#include <string>

// The directory of the running program, cut at its last '\' or '/'.
std::string GetProgramDir();
// The same cut applied to any program path (testable form of GetProgramDir).
std::string DirectoryOf(const std::string &programPath);
// dir + the platform's separator + name.
std::string JoinPath(const std::string &dir, const std::string &name);
bool FileExists(const std::string &name); // a regular file, not a directory

// Copies in blocks of 32768 bytes; -149, -147, -141, -143 or -150.
int CopyDataFile(const std::string &source, const std::string &destination);

constexpr std::size_t kSettingsRecordSize = 7648;
// Reads exactly one 7648-byte record: -149 cannot open, -148 short, -150 OK.
int ReadSettingsRecord(const std::string &name, std::uint8_t *buffer);

// Reads `size` bytes (-1: the whole file) into buffer of `capacity` bytes.
// An oversize file shows "Common.LoadBuffer: Buffer overflow error" and returns -148.
int LoadBuffer(const std::string &name, void *buffer, std::int64_t size, std::size_t capacity);

// Writes bytes to a temporary file beside name and renames it over name only when
// everything was written and closed; on failure the old file stays as it was.
// Codes: -147 cannot create, -143 a write failed, -142 close or rename failed.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string target);
    ~AtomicFileWriter(); // removes the temporary file unless committed
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    int Open();                                      // -150 or -147
    bool Write(const void *data, std::size_t size);  // false: short or failed write
    int Commit();                                    // -150, or -142 (close/rename)

private:
    std::string m_target;
    std::string m_temporary;
    int m_fd = -1;
    bool m_committed = false;
};
