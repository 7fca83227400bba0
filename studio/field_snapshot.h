// FieldSnapshot: an edit of the outline or of an item's properties as an undo step of whole blocks.
// Keystrokes in one field, in a row, share a merge key and so make one step.
#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QUndoCommand>

class FieldSnapshot : public QUndoCommand {
public:
    // The change is already made when the step is pushed, so the first redo does nothing. An empty
    // key never merges.
    FieldSnapshot(const QString& text, std::string before, std::string after, QString mergeKey,
                  std::function<void(const std::string&)> restore);

    int id() const override { return m_key.isEmpty() ? -1 : kMergingId; }
    bool mergeWith(const QUndoCommand* other) override;
    void undo() override;
    void redo() override;

    const std::string& before() const { return m_before; }
    const std::string& after() const { return m_after; }

private:
    static constexpr int kMergingId = 0x7e11;

    std::string m_before;
    std::string m_after;
    QString m_key;
    std::function<void(const std::string&)> m_restore;
    bool m_done = true;
};
