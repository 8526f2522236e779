#include "main/DocumentCommands.h"

#include "common/ProgramState.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"

#include <QLineEdit>
#include <QPointer>

TForm16 *NewDatabase(const CommandContext &context)
{
    const QString title = context.documents.NextUntitledTitle();
    LoadBoardTypes(context.state);
    TForm16 *window = context.documents.CreateDocument(title);
    window->Edit1->setFocus(Qt::OtherFocusReason);
    window->Edit1->selectAll();
    return window;
}

void CloseActiveDocument(const CommandContext &context)
{
    if (TForm16 *document = context.documents.ActiveDocument())
        document->close();
}

bool CloseAllDocuments(const CommandContext &context)
{
    // Ask all before closing any: a "Yes" given before a later "No" must not
    // have dropped its document while the program stays open.
    const QList<TForm16 *> documents = context.documents.TopmostFirst();
    for (TForm16 *document : documents) {
        if (!document->FormCloseQuery())
            return false;
    }
    for (const QPointer<TForm16> &document : QList<QPointer<TForm16>>(documents.cbegin(), documents.cend())) {
        if (document)
            document->CloseQueried();
    }
    return true;
}
