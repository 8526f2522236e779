#include "main/DialogCommands.h"

#include "common/ListAlgorithms.h"
#include "common/ProgramState.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit6.h"
#include "document/Document.h"
#include "document/Unit16.h"
#include "main/CommandContext.h"
#include "main/DocumentManager.h"
#include "main/ListCommands.h"

#include <QAction>
#include <QPointer>


void AddElementsThroughDialog(const CommandContext &context, QWidget *parent, const StatusReport &report)
{
    const TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    const QPointer<Document> document = &window->Model();
    TForm2 form(context.state, context.desktop, parent);
    // Whatever the session changes, a clearing of the list on the way too, is one step.
    const Document::CompoundStep session(*document, form.windowTitle());
    form.Elements = document->Elements();
    QObject::connect(&form, &TForm2::BandingSwitched, &form, [&context] { context.documents.RefreshDocuments(); });
    QObject::connect(&form, &TForm2::ElementsCleared, &form, [&form, document] {
        if (document)
            document->ReplaceElements(form.Elements, form.windowTitle());
    });
    QObject::connect(&form, &TForm2::PrintRequested, &form, [&] {
        if (const std::optional<QString> where = PrintListOfActiveDocument(context, form.Elements, &form))
            report(*where);
    });
    form.Printdatabase1->setEnabled(true);
    form.exec();
    if (document == nullptr)
        return;
    TElementList entered = form.Elements;
    if (context.state.Settings.AutoSort())
        SortByLength(entered);
    document->ReplaceElements(entered, form.windowTitle());
}

void EditCurrentElement(const CommandContext &context, QWidget *parent, const QString &step)
{
    TForm16 *window = context.documents.ActiveDocument();
    if (window == nullptr)
        return;
    Document &document = window->Model();
    const int e = window->CurrentElement();
    if (e < 1 || e > ElementCount(document.Elements()))
        return;
    TForm12 form(context.state, parent);
    form.UnitFactor = context.state.UnitFactor;
    form.OldElement = document.Elements()[static_cast<std::size_t>(e - 1)];
    if (form.exec() != QDialog::Accepted)
        return;
    TElementList edited = document.Elements();
    edited[static_cast<std::size_t>(e - 1)] = form.NewElement;
    document.ReplaceElements(edited, step);
}

void ShowAboutBox(QWidget *parent)
{
    TForm7 about(true, parent); // the frame always shows its hints
    about.exec();
}
