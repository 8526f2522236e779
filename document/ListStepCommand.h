#pragma once
// One undo step of a document: its lists before and after a change, whole.
// The document's undo stack owns it; the document must outlive the stack.

#include "document/ListSnapshot.h"

#include <QUndoCommand>

#include <memory>

class Document;

class ListStepCommand : public QUndoCommand {
public:
    ListStepCommand(Document &document, const ListSnapshot &before, const ListSnapshot &after, const QString &step);

    void undo() override;
    void redo() override;

private:
    Document &m_document;
    // Held on the heap: two lists are 70 KB, and a stack holds a hundred steps.
    std::unique_ptr<ListSnapshot> m_before;
    std::unique_ptr<ListSnapshot> m_after;
    bool m_pushed = false;
};
