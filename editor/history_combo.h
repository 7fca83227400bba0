// CHistoryCombo: an editable combo box that remembers the addresses typed into it, per user.
#pragma once

#include <QComboBox>
#include <QString>

class CHistoryCombo : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 16;

    explicit CHistoryCombo(QWidget* parent = nullptr);

    // Appends the entries stored under `baseName` ("URL_History0", "URL_History1", ... in the group
    // of the same name), stopping at the first missing or empty value. Each value is "text|data".
    void LoadHistory(const QString& baseName);

    // Records the current text, trimmed, unless it is empty, exactly "http://", or a page of the
    // site (holds "./"). A known text (ignoring case) keeps its place; a new one goes last, pushing
    // out the first entry when the list is full. Then stores the whole list.
    void RecordHistory();

    // The per-entry data text stored after the "|"; the editor never sets it.
    QString EntryData(int index) const;

private:
    void SaveHistory() const;

    QString m_baseName;
};
