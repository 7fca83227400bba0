// Undo steps as whole-menu blocks: undo and redo hand the object the block of the other side.
#include "studio/undo_snapshot.h"

MenuSnapshot::MenuSnapshot(const QString& text, std::string before, std::string after,
                           std::function<void(const std::string&)> restore)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)), m_restore(std::move(restore))
{
}

void MenuSnapshot::undo()
{
    m_restore(m_before);
    m_done = false;
}

void MenuSnapshot::redo()
{
    if (m_done)
        return;
    m_restore(m_after);
    m_done = true;
}
