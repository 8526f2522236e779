#include "main/ListCommands.h"

#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"

#include <cstddef>

void DeleteSelectedElements(const CommandContext &context)
{
    TForm16 *document = context.documents.ActiveDocument();
    if (!context.documents.HasChildWindows() || document == nullptr)
        return;
    const int n = ElementCount(document->Elements);
    const auto [first, last] = document->SelectedElementRange();
    if (n == 0 || last - first + 1 <= 0)
        return;
    TElementList kept;
    ClearList(kept);
    std::size_t slot = 0;
    for (int j = 1; j <= n; ++j) {
        if (j < first || j > last)
            kept[slot++] = document->Elements[static_cast<std::size_t>(j - 1)];
    }
    document->ReplaceElements(kept);
    document->SetCurrentRow(1);
}
