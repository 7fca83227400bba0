// ProblemsPanel: what the menu check finds in the menu, one line each, refreshed after every change.
#pragma once

#include <string>
#include <vector>

#include <QListWidget>

class ProblemsPanel : public QListWidget {
    Q_OBJECT
public:
    explicit ProblemsPanel(QWidget* parent = nullptr);

    void ShowProblems(const std::vector<std::string>& problems);
    // The check itself failed (a module or file error): said in one line instead of the findings.
    void ShowFailure(const QString& message);

    int ProblemCount() const { return m_problems; }

private:
    int m_problems = 0;
};
