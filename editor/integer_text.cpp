// Reading integer fields, and the message for text that is not an integer.
#include "editor/integer_text.h"

#include <QAbstractSpinBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>

std::optional<int32_t> ParseIntegerText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    int64_t magnitude = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        // Past 32 bits the text names no value the field can hold.
        if (magnitude > int64_t{INT32_MAX} + 1)
            return std::nullopt;
        ++i;
    }
    if (i == firstDigit)
        return std::nullopt;
    skipBlanks();
    if (i != n)
        return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

void RefuseNonInteger(QWidget* field)
{
    QMessageBox message(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("Please enter an integer."), QMessageBox::Ok, field ? field->window() : nullptr);
    message.setObjectName(QStringLiteral("IntegerMessage"));
    message.exec();
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->selectAll();
}
