#include "main/RememberedMaterials.h"

#include "common/MaterialMemory.h"
#include "common/ProgramState.h"
#include "common/ResultCodes.h"
#include "document/Document.h"
#include "document/Unit16.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The same file, however it was named when it was opened or saved.
std::string KeyOf(const Document &document)
{
    return QFile::encodeName(QFileInfo(document.FileName()).absoluteFilePath()).toStdString();
}

} // namespace

void RememberMaterial(const ProgramState &state, const Document &document)
{
    const std::string file = MaterialMemoryFile();
    if (document.FileName().isEmpty() || document.MaterialIndex() <= 0 || file.empty())
        return;
    const std::string path = KeyOf(document);
    const RememberedMaterial material = MaterialOfBoard(state.BoardTypes, document.MaterialIndex());
    if (!FitsMaterialMemory(path, material))
        return;
    MaterialMemory memory;
    int code = ReadMaterialMemory(file, memory);
    if (code == rcOK) {
        const auto found = memory.find(path);
        if (found != memory.end() && found->second == material)
            return;
        memory[path] = material;
        code = WriteMaterialMemory(file, memory);
    }
    if (code != rcOK)
        ShowError("Greska prilikom pamcenja materijala baze!", code);
}

void RestoreMaterial(const ProgramState &state, TForm16 &window)
{
    const std::string file = MaterialMemoryFile();
    if (window.Model().FileName().isEmpty() || file.empty())
        return;
    MaterialMemory memory;
    if (const int code = ReadMaterialMemory(file, memory); code != rcOK) {
        ShowError("Greska prilikom citanja zapamcenih materijala!", code);
        return;
    }
    const auto found = memory.find(KeyOf(window.Model()));
    if (found != memory.end() && StillInTable(found->second, state.BoardTypes))
        window.SelectMaterial(found->second.board);
}
