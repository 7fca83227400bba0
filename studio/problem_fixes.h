// ProblemFixes: the problems list in words, a double-click selecting the item a finding is about in
// the outline, and the fix offered where one is safe (a raw "&" written "&amp;"; an empty address
// taken to its field).
#pragma once

#include <QObject>

class ItemProperties;
class OutlinePanel;
class ProblemsPanel;
class QListWidgetItem;

class ProblemFixes : public QObject {
    Q_OBJECT
public:
    ProblemFixes(ProblemsPanel* problems, OutlinePanel* outline, ItemProperties* properties);

    // Rewrites the findings the panel shows into words; called after every check.
    void Describe();
    // The safe fix of a finding, if it has one; false when there is none.
    bool Fix(QListWidgetItem* item);

private:
    void ShowItem(QListWidgetItem* item);
    void ShowContextMenu(const QPoint& at);

    ProblemsPanel* m_problems;
    OutlinePanel* m_outline;
    ItemProperties* m_properties;
};
