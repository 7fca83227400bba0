// The breakpoint list with its Add… and Remove buttons, and the small dialog that asks for a width.
#include "studio/breakpoint_panel.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The widest breakpoint the dialog offers; page widths stay far below it.
constexpr int kMaxWidth = 99999;
// Widths a designer usually starts from, offered in this order when free.
constexpr int32_t kUsualWidths[] = {1024, 768, 600, 480, 375};

bool Contains(const std::vector<int32_t>& keys, int32_t key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

BreakpointPanel::BreakpointPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BreakpointPanel"));
    auto* label = new QLabel(tr("Brea&kpoints:"), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("breakpointList"));
    m_list->setAccessibleName(tr("Breakpoints"));
    m_list->setToolTip(tr("The breakpoint whose sizes and paddings Menu Properties edits"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    label->setBuddy(m_list);

    m_add = new QPushButton(tr("&Add…"), this);
    m_add->setObjectName(QStringLiteral("addBreakpoint"));
    m_add->setToolTip(tr("Add a breakpoint width, starting from the values in effect"));
    m_remove = new QPushButton(tr("&Remove"), this);
    m_remove->setObjectName(QStringLiteral("removeBreakpoint"));
    m_remove->setToolTip(tr("Remove the selected breakpoint's record (Delete); the default stays"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item, QListWidgetItem*) { OnCurrentItemChanged(item); });
    connect(m_add, &QPushButton::clicked, this, &BreakpointPanel::OnAdd);
    connect(m_remove, &QPushButton::clicked, this, &BreakpointPanel::OnRemove);
    SetBreakpoints({-1}, -1);
}

QString BreakpointPanel::KeyText(int32_t key)
{
    if (key == -1)
        return tr("Default (-1)");
    return tr("%1 px").arg(key);
}

void BreakpointPanel::SetBreakpoints(const std::vector<int32_t>& keys, int32_t current)
{
    m_filling = true;
    m_keys = keys;
    m_current = current;
    m_list->clear();
    for (int32_t key : keys) {
        auto* item = new QListWidgetItem(KeyText(key), m_list);
        item->setData(Qt::UserRole, key);
    }
    // Switched to a breakpoint that has no record yet: the first Properties OK there makes one.
    if (!Contains(keys, current)) {
        auto* item = new QListWidgetItem(tr("%1 (no record)").arg(KeyText(current)), m_list);
        item->setData(Qt::UserRole, current);
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
    }
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toInt() == current)
            m_list->setCurrentRow(row);
    }
    m_filling = false;
    UpdateRemove();
}

void BreakpointPanel::OnCurrentItemChanged(QListWidgetItem* item)
{
    UpdateRemove();
    if (m_filling || !item)
        return;
    const int32_t key = item->data(Qt::UserRole).toInt();
    if (key == m_current)
        return;
    m_current = key;
    emit breakpointChosen(key);
}

std::optional<int32_t> BreakpointPanel::SelectedRecord() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return std::nullopt;
    const int32_t key = item->data(Qt::UserRole).toInt();
    if (key == -1 || !Contains(m_keys, key))
        return std::nullopt;
    return key;
}

void BreakpointPanel::UpdateRemove() { m_remove->setEnabled(SelectedRecord().has_value()); }

void BreakpointPanel::OnAdd()
{
    AddBreakpointDialog dialog(m_keys, this);
    if (dialog.exec() == QDialog::Accepted)
        emit addRequested(dialog.Width());
}

void BreakpointPanel::OnRemove()
{
    if (const std::optional<int32_t> key = SelectedRecord())
        emit removeRequested(*key);
}

bool BreakpointPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Delete)) {
        OnRemove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

AddBreakpointDialog::AddBreakpointDialog(const std::vector<int32_t>& existing, QWidget* parent)
    : QDialog(parent), m_existing(existing)
{
    setObjectName(QStringLiteral("AddBreakpointDialog"));
    setWindowTitle(tr("Add Breakpoint"));
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("breakpointWidth"));
    m_width->setRange(1, kMaxWidth);
    m_width->setSuffix(tr(" px"));
    m_width->setAccessibleName(tr("Page width"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("breakpointNote"));
    m_note->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    form->addRow(tr("Page &width up to:"), m_width);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The new breakpoint starts from the sizes and paddings in effect."), this));
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addWidget(m_buttons);

    connect(m_width, &QSpinBox::valueChanged, this, &AddBreakpointDialog::Check);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    int32_t suggested = 320;
    const auto usual = std::find_if(std::begin(kUsualWidths), std::end(kUsualWidths),
                                    [&](int32_t width) { return !Contains(m_existing, width); });
    if (usual != std::end(kUsualWidths))
        suggested = *usual;
    while (Contains(m_existing, suggested) && suggested < kMaxWidth)
        ++suggested;
    SetWidth(suggested);
    Check();
    m_width->selectAll();
    m_width->setFocus();
}

int32_t AddBreakpointDialog::Width() const { return m_width->value(); }

void AddBreakpointDialog::SetWidth(int32_t width) { m_width->setValue(width); }

void AddBreakpointDialog::Check()
{
    const bool taken = Contains(m_existing, Width());
    m_note->setText(taken ? tr("%1 px has a record already.").arg(Width()) : QString());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!taken);
}
