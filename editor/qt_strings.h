// Conversions between the platform's UTF-16 CString and Qt's QString for the editor's widgets.
#pragma once

#include <QString>

#include "platform/cstring.h"

// Both sides are UTF-16, so the units pass through unchanged (lone surrogates included).
inline QString ToQString(const CString& text)
{
    return QString::fromUtf16(text.GetString(), text.GetLength());
}

inline CString FromQString(const QString& text)
{
    return CString(std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<size_t>(text.size())));
}
