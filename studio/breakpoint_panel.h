// The studio's list of a menu's breakpoint records: choose the one to edit, add a width, remove one.
// It only asks; the window changes the menu on its signals and hands the new list back.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QDialog>
#include <QWidget>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;

class BreakpointPanel : public QWidget {
    Q_OBJECT

public:
    explicit BreakpointPanel(QWidget* parent = nullptr);

    // Shows the records' keys in the given order (-1 first) with `current` selected; a current key
    // without record is shown too, marked so. Emits nothing.
    void SetBreakpoints(const std::vector<int32_t>& keys, int32_t current);

    // The key the list shows selected.
    int32_t CurrentBreakpoint() const { return m_current; }

    // The text a key is listed with: "Default (-1)" or "768 px".
    static QString KeyText(int32_t key);

signals:
    // The user chose another breakpoint in the list.
    void breakpointChosen(int32_t key);
    // The user asked for a record of a new width (above 0, without record).
    void addRequested(int32_t width);
    // The user asked to remove a record (never -1).
    void removeRequested(int32_t key);

private:
    void OnCurrentItemChanged(QListWidgetItem* item);
    void OnAdd();
    void OnRemove();
    void UpdateRemove();
    std::optional<int32_t> SelectedRecord() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QListWidget* m_list = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    std::vector<int32_t> m_keys;
    int32_t m_current = -1;
    bool m_filling = false;
};

// Asks for the width of a new breakpoint: a spin box in pixels; OK is refused for a width that
// already has a record.
class AddBreakpointDialog : public QDialog {
    Q_OBJECT

public:
    AddBreakpointDialog(const std::vector<int32_t>& existing, QWidget* parent = nullptr);

    int32_t Width() const;
    void SetWidth(int32_t width);

private:
    void Check();

    std::vector<int32_t> m_existing;
    QSpinBox* m_width = nullptr;
    QLabel* m_note = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
