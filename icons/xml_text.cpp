// CXmlText: copies set by hand, and lower case.
#include "icons/xml_text.h"

#include <algorithm>

void CXmlText::SetText(std::u16string_view text)
{
    if (IsCopy()) {
        Copy().SetText(text);  // the text may be a part of the copy itself
        return;
    }
    // A copy is read whole, whatever its length, so its position is not kept.
    m_source = new CString(text);
    m_start = kCopy;
    m_length = 0;
}

CXmlText& CXmlText::MakeLower()
{
    const std::u16string_view text = view();
    if (std::none_of(text.begin(), text.end(), [](char16_t ch) { return LowerOf(ch) != ch; }))
        return *this;
    SetText(text);
    Copy().MakeLower();
    return *this;
}
