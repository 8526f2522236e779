#pragma once
// A fresh directory under the system's temporary folder, removed with everything in it.

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Small file helpers for tests.
std::string ReadAll(const std::string &name);
void WriteAll(const std::string &name, const std::string &bytes);
