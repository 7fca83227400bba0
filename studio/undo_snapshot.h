// MenuSnapshot: one change to the menu as an undo step, kept as the whole block before and after.
#pragma once

#include <functional>
#include <string>

#include <QUndoCommand>

class MenuSnapshot : public QUndoCommand {
public:
    // `restore` puts a block in place of the menu. The change is already made when the step is
    // pushed, so the first redo does nothing.
    MenuSnapshot(const QString& text, std::string before, std::string after,
                 std::function<void(const std::string&)> restore);

    void undo() override;
    void redo() override;

    const std::string& before() const { return m_before; }
    const std::string& after() const { return m_after; }

private:
    std::string m_before;
    std::string m_after;
    std::function<void(const std::string&)> m_restore;
    bool m_done = true;
};
