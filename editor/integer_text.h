// Integers typed into the editor's fields: what counts as one, and telling the user when it is not.
#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

class QWidget;

// Blanks and tabs around an optional sign and at least one decimal digit, nothing else; the value
// must fit 32 bits. Anything else is not an integer.
std::optional<int32_t> ParseIntegerText(QStringView text);

// Shows "Please enter an integer." over the field's window, then focuses the field with its text
// selected so the user can correct it.
void RefuseNonInteger(QWidget* field);
