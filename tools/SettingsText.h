#pragma once
// The INI text of `mvtool settings make` read into a settings record: one
// reading, line by line, applying every key. Besides the values it refuses
// what an INI reader would quietly pass over: lines it cannot read, unknown
// keys, repeated keys (of which it would take the last) and values continued on
// the next line. No file is touched.

#include "common/Settings.h"

#include <string>
#include <utility>
#include <vector>

// Collects the refusals, each naming the line it concerns.
class IniProblems {
public:
    explicit IniProblems(std::string fileName) : m_fileName(std::move(fileName)) {}
    void add(int line, const std::string &text)
    {
        m_lines.push_back(m_fileName + ", line " + std::to_string(line) + ": " + text);
    }
    bool empty() const { return m_lines.empty(); }
    void print() const; // on standard error

private:
    std::string m_fileName;
    std::vector<std::string> m_lines;
};

// Applies every key of text to settings; each refusal is added to problems.
void ApplySettingsText(const std::string &text, TSettings &settings, IniProblems &problems);
