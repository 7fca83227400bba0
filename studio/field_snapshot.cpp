// Undo steps of the studio's own edits; a merged step keeps the first block before and the last after.
#include "studio/field_snapshot.h"

FieldSnapshot::FieldSnapshot(const QString& text, std::string before, std::string after, QString mergeKey,
                             std::function<void(const std::string&)> restore)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)), m_key(std::move(mergeKey)),
      m_restore(std::move(restore))
{
}

bool FieldSnapshot::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const FieldSnapshot*>(other);
    if (!next || next->m_key != m_key)
        return false;
    m_after = next->m_after;
    // Typing a field back to what it was leaves no step behind.
    setObsolete(m_after == m_before);
    return true;
}

void FieldSnapshot::undo()
{
    m_restore(m_before);
    m_done = false;
}

void FieldSnapshot::redo()
{
    if (m_done)
        return;
    m_restore(m_after);
    m_done = true;
}
