#pragma once
// One undo step of a document: its lists before and after a change, whole.
// The document's undo stack owns it; the document must outlive the stack.

#include "document/ListSnapshot.h"

#include <QUndoCommand>

#include <memory>

class TForm16;

class ListStepCommand : public QUndoCommand {
public:
    ListStepCommand(TForm16 &document, std::unique_ptr<ListSnapshot> before, std::unique_ptr<ListSnapshot> after,
                    const QString &step);

    void undo() override;
    void redo() override;

private:
    // Sets the lists and puts the grid's cursor on the rows that changed.
    void Restore(const ListSnapshot &target);

    TForm16 &m_document;
    std::unique_ptr<ListSnapshot> m_before;
    std::unique_ptr<ListSnapshot> m_after;
    bool m_pushed = false;
};
