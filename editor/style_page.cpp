// The Style page: builds the controls of either generation and exchanges the settings with them.
#include "editor/style_page.h"

#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/color_picker.h"
#include "editor/font_combo_box.h"
#include "editor/integer_text.h"
#include "editor/qt_strings.h"
#include "editor/spin_edit.h"

namespace {

QString ControlName(int id) { return QStringLiteral("ctl%1").arg(id); }

// The integer field of a row: the spin box's own field, or a plain line edit.
QString IntegerText(QWidget* control)
{
    if (auto* spin = qobject_cast<CSpinEdit*>(control))
        return spin->Text();
    return static_cast<QLineEdit*>(control)->text();
}

void SetIntegerText(QWidget* control, int32_t value)
{
    const QString text = QString::number(value);
    if (auto* spin = qobject_cast<CSpinEdit*>(control))
        spin->SetText(text);
    else
        static_cast<QLineEdit*>(control)->setText(text);
}

}  // namespace

CStylePage::CStylePage(const StylePageLayout& layout, const CMenuSettings& values, QWidget* parent)
    : QWidget(parent)
    , m_rows(layout.rows)
    , m_controls(m_rows.size(), nullptr)
    , m_values(values)
{
    setObjectName(QStringLiteral("StylePage"));
    setWindowTitle(QStringLiteral("Style"));

    // Groups are built column by column, top to bottom, so the tab order reads the page the same way.
    auto* columns = new QHBoxLayout(this);
    std::vector<QVBoxLayout*> stacks;
    for (const StyleGroup& group : layout.groups) {
        while (static_cast<int>(stacks.size()) <= group.column) {
            stacks.push_back(new QVBoxLayout);
            columns->addLayout(stacks.back(), 1);
        }
        stacks[group.column]->addWidget(BuildGroup(group.title));
    }
    for (QVBoxLayout* stack : stacks)
        stack->addStretch(1);

    LoadControls();
}

QGroupBox* CStylePage::BuildGroup(const char16_t* title)
{
    auto* box = new QGroupBox(QString::fromUtf16(title), this);
    box->setObjectName(QStringLiteral("group ") + QString::fromUtf16(title));
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);

    QHBoxLayout* line = nullptr;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const StyleRow& row = m_rows[i];
        if (std::u16string_view(row.group) != title)
            continue;
        QWidget* control = BuildControl(row, box);
        m_controls[i] = control;
        if (row.label || !line) {
            const int gridRow = grid->rowCount();
            auto* label = new QLabel(QString::fromUtf16(row.label ? row.label : u""), box);
            label->setObjectName(ControlName(row.id) + QStringLiteral("_label"));
            label->setBuddy(control);
            grid->addWidget(label, gridRow, 0);
            line = new QHBoxLayout;
            grid->addLayout(line, gridRow, 1);
        }
        line->addWidget(control, row.control == StyleControl::FontList || row.control == StyleControl::SizeList ||
                                         row.control == StyleControl::Choice || row.control == StyleControl::Text
                                     ? 1
                                     : 0);
        if (row.unit) {
            auto* unit = new QLabel(QString::fromUtf16(row.unit), box);
            unit->setObjectName(ControlName(row.id) + QStringLiteral("_unit"));
            line->addWidget(unit);
        }
    }
    // Fields of fixed width keep to the left of their column.
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (auto* line = qobject_cast<QHBoxLayout*>(grid->itemAtPosition(r, 1) ? grid->itemAtPosition(r, 1)->layout() : nullptr)) {
            bool stretches = false;
            for (int k = 0; k < line->count(); ++k)
                stretches = stretches || line->stretch(k) > 0;
            if (!stretches)
                line->addStretch(1);
        }
    }
    return box;
}

QWidget* CStylePage::BuildControl(const StyleRow& row, QWidget* parent)
{
    QWidget* control = nullptr;
    switch (row.control) {
    case StyleControl::FontList:
        m_fontList = new CFontCombobox(parent);
        control = m_fontList;
        connect(m_fontList, &QComboBox::activated, this, [this](int index) {
            if (index >= 0)
                m_values.m_strFontName = FromQString(m_fontList->itemText(index));
        });
        break;
    case StyleControl::SizeList: {
        auto* list = new QComboBox(parent);
        for (int size : FontSizeChoices())
            list->addItem(QString::number(size));
        int32_t CMenuSettings::* field = row.field->number;
        connect(list, &QComboBox::activated, this, [this, list, field](int index) {
            if (index >= 0)
                m_values.*field = ParseIntegerText(list->itemText(index)).value_or(0);
        });
        control = list;
        break;
    }
    case StyleControl::Choice: {
        auto* list = new QComboBox(parent);
        for (const char16_t* choice : row.choices)
            list->addItem(QString::fromUtf16(choice));
        control = list;
        break;
    }
    case StyleControl::Integer:
        if (row.spinId != 0) {
            auto* spin = new CSpinEdit(parent);
            spin->SetRange(0, row.field->spinMaximum);
            spin->setObjectName(ControlName(row.spinId));
            spin->Edit()->setObjectName(ControlName(row.id));
            return spin;
        }
        control = new QLineEdit(parent);
        break;
    case StyleControl::Colour: {
        auto* picker = new CColorPicker(parent);
        if (row.field->mayBeTransparent)
            picker->SetDefaultText(QStringLiteral("transparent"));
        control = picker;
        break;
    }
    case StyleControl::Text:
        control = new QLineEdit(parent);
        break;
    }
    control->setObjectName(ControlName(row.id));
    return control;
}

void CStylePage::LoadControls()
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const StyleRow& row = m_rows[i];
        QWidget* control = ControlOf(i);
        switch (row.control) {
        case StyleControl::FontList:
            SelectFont();
            break;
        case StyleControl::SizeList: {
            // A size the list does not offer leaves it without a selection.
            auto* list = static_cast<QComboBox*>(control);
            list->setCurrentIndex(list->findText(QString::number(m_values.*row.field->number), Qt::MatchExactly));
            break;
        }
        case StyleControl::Choice: {
            auto* list = static_cast<QComboBox*>(control);
            const int32_t index = m_values.*row.field->number;
            list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
            break;
        }
        case StyleControl::Integer:
            SetIntegerText(control, m_values.*row.field->number);
            break;
        case StyleControl::Colour:
            static_cast<CColorPicker*>(control)->SetColor(m_values.*row.field->colour);
            break;
        case StyleControl::Text:
            static_cast<QLineEdit*>(control)->setText(ToQString(m_values.*row.field->text));
            break;
        }
    }
}

// The face whose name begins with the stored one; failing that, an "Arial" face, or where there is
// none the face the system draws for Arial (a metric twin such as Liberation Sans), so the list
// does not stand empty. Only the user's choice changes the stored name.
void CStylePage::SelectFont()
{
    const QString arialStandIn = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    m_fontList->setCurrentIndex(m_fontList->FindFaceToShow(ToQString(m_values.m_strFontName), arialStandIn));
}

bool CStylePage::ReadControls()
{
    // Every integer first, so that a refused field leaves all the values as they were.
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].control == StyleControl::Integer && !ParseIntegerText(IntegerText(ControlOf(i)))) {
            RefuseNonInteger(ControlOf(i));
            return false;
        }
    }
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const StyleRow& row = m_rows[i];
        QWidget* control = ControlOf(i);
        switch (row.control) {
        case StyleControl::FontList:
        case StyleControl::SizeList:
            break;  // set by their selection handlers
        case StyleControl::Choice:
            // A list without a selection (its stored index was out of range) keeps the value.
            if (const int index = static_cast<QComboBox*>(control)->currentIndex(); index >= 0)
                m_values.*row.field->number = index;
            break;
        case StyleControl::Integer:
            m_values.*row.field->number = *ParseIntegerText(IntegerText(control));
            break;
        case StyleControl::Colour:
            m_values.*row.field->colour = static_cast<CColorPicker*>(control)->Color();
            break;
        case StyleControl::Text:
            m_values.*row.field->text = FromQString(static_cast<QLineEdit*>(control)->text());
            break;
        }
    }
    return true;
}

void CStylePage::StoreInto(CMenuSettings& menu) const
{
    for (const StyleRow& row : m_rows)
        CopySetting(*row.field, m_values, menu);
    CopySetting(SettingFieldOf(&CMenuSettings::m_nDropDownFontSize), m_values, menu);
}

void CStylePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown on its own (not behind a tab that has the focus), the page starts in its first field.
    if (!m_shown) {
        m_shown = true;
        QWidget* focus = window()->focusWidget();
        if (!focus || focus == window())
            m_fontList->setFocus(Qt::OtherFocusReason);
    }
}
