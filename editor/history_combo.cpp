// CHistoryCombo: loading and recording the remembered addresses.
#include "editor/history_combo.h"

#include <QLineEdit>

#include "editor/editor_settings.h"

CHistoryCombo::CHistoryCombo(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    // The list changes only by recording; Enter must not add entries of its own, and no inline
    // completion may slip the rest of an old address into what the user typed.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
}

void CHistoryCombo::LoadHistory(const QString& baseName)
{
    m_baseName = baseName;
    const auto settings = OpenEditorSettings();
    settings->beginGroup(baseName);
    for (int i = 0;; ++i) {
        const QString value = settings->value(baseName + QString::number(i)).toString();
        if (value.isEmpty())
            break;
        // Values are written as text, "|", data, and the data is always empty here, so splitting
        // at the last "|" gives back addresses that hold a "|" of their own.
        const qsizetype bar = value.lastIndexOf(QLatin1Char('|'));
        if (bar < 0)
            addItem(value);
        else
            addItem(value.left(bar), value.mid(bar + 1));
    }
}

void CHistoryCombo::RecordHistory()
{
    if (m_baseName.isEmpty())
        return;
    const QString text = currentText().trimmed();
    if (text.isEmpty() || text.contains(QLatin1String("./")) || text == QLatin1String("http://"))
        return;
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            SaveHistory();
            return;
        }
    }
    // Removing and adding entries must not change what the field shows.
    const QString shown = currentText();
    if (count() >= kMaxEntries)
        removeItem(0);
    addItem(text);
    setCurrentIndex(-1);
    setEditText(shown);
    SaveHistory();
}

QString CHistoryCombo::EntryData(int index) const
{
    return itemData(index).toString();
}

void CHistoryCombo::SaveHistory() const
{
    const auto settings = OpenEditorSettings();
    settings->beginGroup(m_baseName);
    // Values beyond the current count are left as they are.
    for (int i = 0; i < count(); ++i)
        settings->setValue(m_baseName + QString::number(i), itemText(i) + QLatin1Char('|') + EntryData(i));
}
