// The integer field with spin arrows.
#include "editor/spin_edit.h"

#include <QFontMetrics>

#include <algorithm>

#include "editor/integer_text.h"

CSpinEdit::CSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setWrapping(false);
    setAccelerated(false);
}

void CSpinEdit::SetRange(int32_t minimum, int32_t maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
    update();
}

QValidator::State CSpinEdit::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CSpinEdit::stepEnabled() const
{
    const std::optional<int32_t> value = ParseIntegerText(Text());
    if (!value)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (*value < m_maximum)
        enabled |= StepUpEnabled;
    if (*value > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

void CSpinEdit::stepBy(int steps)
{
    const int64_t from = ParseIntegerText(Text()).value_or(m_position);
    const auto to = static_cast<int32_t>(std::clamp<int64_t>(from + steps, m_minimum, m_maximum));
    m_position = to;
    // Plain digits: never a group separator, whatever the locale.
    SetText(QString::number(to));
}

QSize CSpinEdit::sizeHint() const
{
    // Room for five digits beside the arrows.
    QSize hint = QAbstractSpinBox::sizeHint();
    hint.rwidth() += fontMetrics().horizontalAdvance(QStringLiteral("00000"));
    return hint;
}

QSize CSpinEdit::minimumSizeHint() const
{
    QSize hint = QAbstractSpinBox::minimumSizeHint();
    hint.rwidth() += fontMetrics().horizontalAdvance(QStringLiteral("000"));
    return hint;
}
