#include "common/MaterialMemory.h"

#include "common/AtomicFile.h"
#include "common/FileUtils.h"
#include "common/ResultCodes.h"

#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

constexpr const char *kHeading = "# MvInput: the material chosen for each database file";
// Far beyond any workshop's files; a larger file is not read at all.
constexpr std::size_t kLargestFile = 4 * 1024 * 1024;

std::vector<std::string> Split(const std::string &line, char separator, std::size_t parts)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < parts) {
        const std::size_t end = line.find(separator, start);
        if (end == std::string::npos)
            break;
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    fields.push_back(line.substr(start)); // the path, last, keeps whatever it holds
    return fields;
}

bool ReadNumber(const std::string &text, std::int32_t &number)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    number = static_cast<std::int32_t>(std::stol(text));
    return true;
}

bool HasLineBreakOrTab(const std::string &text)
{
    return text.find_first_of("\t\r\n") != std::string::npos;
}

} // namespace

std::string MaterialMemoryFile(const char *xdgConfigHome, const char *home)
{
    std::string base;
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/')
        base = xdgConfigHome;
    else if (home != nullptr && home[0] != '\0')
        base = JoinPath(home, ".config");
    else
        return std::string();
    return JoinPath(JoinPath(base, "Morvena"), "materials");
}

std::string MaterialMemoryFile()
{
    return MaterialMemoryFile(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

MaterialMemory ParseMaterialMemory(const std::string &text)
{
    MaterialMemory memory;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = Split(line, '\t', 5);
        RememberedMaterial material;
        if (fields.size() != 5 || fields[4].empty() || !ReadNumber(fields[0], material.board) || material.board < 1
            || !ReadNumber(fields[1], material.length) || !ReadNumber(fields[2], material.width))
            continue;
        material.name = fields[3];
        memory[fields[4]] = material;
    }
    return memory;
}

std::string FormatMaterialMemory(const MaterialMemory &memory)
{
    std::string text = std::string(kHeading) + "\n";
    for (const auto &[path, material] : memory) {
        text += std::to_string(material.board) + '\t' + std::to_string(material.length) + '\t'
            + std::to_string(material.width) + '\t' + material.name + '\t' + path + '\n';
    }
    return text;
}

int ReadMaterialMemory(const std::string &file, MaterialMemory &memory)
{
    memory.clear();
    std::string text;
    const int code = LoadTextFile(file, text, kLargestFile);
    if (code == rcFileNotFound)
        return rcOK;
    if (code == rcOK)
        memory = ParseMaterialMemory(text);
    return code;
}

int WriteMaterialMemory(const std::string &file, const MaterialMemory &memory)
{
    const std::string folder = DirectoryOf(file);
    MakeDirectory(DirectoryOf(folder)); // the settings' folder itself may be missing on a new account
    MakeDirectory(folder);             // a failure shows as the write's
    const std::string text = FormatMaterialMemory(memory);
    return WriteFileAtomically(file, text.data(), text.size());
}

RememberedMaterial MaterialOfBoard(const TBoardTable &table, int board)
{
    RememberedMaterial material;
    if (board < 1 || board > kMaxBoardTypes)
        return material;
    const TBoardType &type = table[static_cast<std::size_t>(board - 1)];
    material.board = board;
    material.length = type.Length;
    material.width = type.Width;
    material.name = type.Name.str();
    return material;
}

bool StillInTable(const RememberedMaterial &remembered, const TBoardTable &table)
{
    return remembered.board >= 1 && remembered.board <= BoardTypeCount(table)
        && MaterialOfBoard(table, remembered.board) == remembered;
}

bool FitsMaterialMemory(const std::string &path, const RememberedMaterial &material)
{
    return !path.empty() && !HasLineBreakOrTab(path) && !HasLineBreakOrTab(material.name);
}
