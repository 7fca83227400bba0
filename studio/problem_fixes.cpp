// The problems list's findings in words, each remembering its item and its fix.
#include "studio/problem_fixes.h"

#include <QLineEdit>
#include <QMenu>

#include "studio/item_properties.h"
#include "studio/outline_panel.h"
#include "studio/problem_words.h"
#include "studio/problems_panel.h"

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;
constexpr int kFixRole = Qt::UserRole + 2;

QVariantList ToVariant(const NodePath& path)
{
    QVariantList list;
    for (int index : path)
        list.push_back(index);
    return list;
}

NodePath FromVariant(const QVariant& value)
{
    NodePath path;
    for (const QVariant& index : value.toList())
        path.push_back(index.toInt());
    return path;
}

}  // namespace

ProblemFixes::ProblemFixes(ProblemsPanel* problems, OutlinePanel* outline, ItemProperties* properties)
    : QObject(problems), m_problems(problems), m_outline(outline), m_properties(properties)
{
    m_problems->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_problems, &QListWidget::itemDoubleClicked, this, &ProblemFixes::ShowItem);
    connect(m_problems, &QListWidget::itemActivated, this, &ProblemFixes::ShowItem);
    connect(m_problems, &QWidget::customContextMenuRequested, this, &ProblemFixes::ShowContextMenu);
}

void ProblemFixes::Describe()
{
    if (!m_outline->model()->HasMenu() || m_problems->ProblemCount() == 0)
        return;
    const CArray<CMenuItem>& buttons = m_outline->model()->tree().buttons();
    for (int row = 0; row < m_problems->count(); ++row) {
        QListWidgetItem* item = m_problems->item(row);
        const ProblemInWords words = DescribeProblem(item->text().toStdString(), buttons);
        item->setToolTip(item->text());
        item->setText(QString::fromStdString(words.text));
        item->setData(kNodeRole, ToVariant(words.node));
        item->setData(kFixRole, static_cast<int>(words.fix));
        if (words.fix == ProblemInWords::Fix::EncodeAmpersands)
            item->setStatusTip(tr("Right-click to write the \"&\" as \"&amp;\""));
    }
}

void ProblemFixes::ShowItem(QListWidgetItem* item)
{
    const NodePath path = item ? FromVariant(item->data(kNodeRole)) : NodePath{};
    if (path.empty())
        return;
    m_outline->Select({path});
    if (static_cast<ProblemInWords::Fix>(item->data(kFixRole).toInt()) == ProblemInWords::Fix::EditAddress)
        m_properties->addressField()->setFocus();
    else
        m_outline->view()->setFocus();
}

bool ProblemFixes::Fix(QListWidgetItem* item)
{
    if (!item)
        return false;
    const NodePath path = FromVariant(item->data(kNodeRole));
    switch (static_cast<ProblemInWords::Fix>(item->data(kFixRole).toInt())) {
    case ProblemInWords::Fix::EncodeAmpersands:
        return m_outline->Apply(tr("Write & as &amp;"), [path](CArray<CMenuItem>& buttons) {
            if (!EncodeRawAmpersands(buttons, path))
                throw OutlineRefusal("the text holds no raw \"&\" any more");
            return std::vector<NodePath>{path};
        });
    case ProblemInWords::Fix::EditAddress:
        ShowItem(item);
        return true;
    case ProblemInWords::Fix::None: break;
    }
    return false;
}

void ProblemFixes::ShowContextMenu(const QPoint& at)
{
    QListWidgetItem* item = m_problems->itemAt(at);
    if (!item)
        return;
    QMenu menu(m_problems);
    QAction* show = menu.addAction(tr("&Select in Outline"));
    show->setEnabled(!FromVariant(item->data(kNodeRole)).empty());
    QAction* fix = nullptr;
    switch (static_cast<ProblemInWords::Fix>(item->data(kFixRole).toInt())) {
    case ProblemInWords::Fix::EncodeAmpersands: fix = menu.addAction(tr("&Fix: write \"&&\" as \"&&amp;\"")); break;
    case ProblemInWords::Fix::EditAddress: fix = menu.addAction(tr("&Fix: type the address")); break;
    case ProblemInWords::Fix::None: break;
    }
    QAction* chosen = menu.exec(m_problems->viewport()->mapToGlobal(at));
    if (chosen == show)
        ShowItem(item);
    else if (chosen && chosen == fix)
        Fix(item);
}
