#pragma once
// Saving that never destroys the previous file: the bytes go to a temporary file
// beside the target, which is renamed over the target only when everything was
// written and closed. On any failure, or when never committed, the temporary
// file is removed and the target stays exactly as it was.

#include <cstddef>
#include <string>

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string target);
    ~AtomicFileWriter(); // removes the temporary file unless committed
    AtomicFileWriter(const AtomicFileWriter &) = delete;
    AtomicFileWriter &operator=(const AtomicFileWriter &) = delete;

    int Open();                                     // -150, or -147 when it cannot be created
    bool Write(const void *data, std::size_t size); // false: a failed or short write
    int Commit();                                   // -150, or -142 when close or rename fails

private:
    std::string m_target;
    std::string m_temporary;
    int m_fd = -1;
    bool m_committed = false;
    bool m_failed = false; // a write failed: Commit refuses
};

// The whole save in one call: -150, -147 cannot create, -143 a write failed,
// -142 close or rename failed. The previous file survives every failure.
int WriteFileAtomically(const std::string &target, const void *data, std::size_t size);
