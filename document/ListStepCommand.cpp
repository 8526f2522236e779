#include "document/ListStepCommand.h"

#include "document/Document.h"

ListStepCommand::ListStepCommand(Document &document, const ListSnapshot &before, const ListSnapshot &after,
                                 const QString &step)
    : QUndoCommand(step), m_document(document), m_before(std::make_unique<ListSnapshot>(before)),
      m_after(std::make_unique<ListSnapshot>(after))
{
}

void ListStepCommand::undo()
{
    m_document.Restore(*m_before);
}

void ListStepCommand::redo()
{
    // The push itself: the command that made the change places the cursor.
    if (!m_pushed) {
        m_pushed = true;
        m_document.SetLists(*m_after);
        return;
    }
    m_document.Restore(*m_after);
}
