// The problems list: the check's lines as they are, or one line saying that all is well.
#include "studio/problems_panel.h"

#include <QStyle>

ProblemsPanel::ProblemsPanel(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("problemsPanel"));
    setAccessibleName(tr("Problems"));
    setWordWrap(true);
    setAlternatingRowColors(true);
}

void ProblemsPanel::ShowProblems(const std::vector<std::string>& problems)
{
    clear();
    m_problems = int(problems.size());
    if (problems.empty()) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                         tr("No problems found: the menu is ready to publish."), this);
        item->setFlags(Qt::ItemIsEnabled);
        return;
    }
    for (const std::string& problem : problems)
        new QListWidgetItem(style()->standardIcon(QStyle::SP_MessageBoxWarning), QString::fromStdString(problem), this);
}

void ProblemsPanel::ShowFailure(const QString& message)
{
    clear();
    m_problems = 0;
    new QListWidgetItem(style()->standardIcon(QStyle::SP_MessageBoxCritical), message, this);
}
