// CXmlText: copies set by hand, and lower case.
#include "icons/xml_text.h"

#include <algorithm>

void CXmlText::SetText(std::u16string_view text)
{
    if (!m_copy)
        m_copy = std::make_unique<CString>(text);
    else
        m_copy->SetText(text);  // the text may be a part of the copy itself
    m_source = m_copy.get();
    m_start = 0;
    m_length = text.size();
}

CXmlText& CXmlText::MakeLower()
{
    const std::u16string_view text = view();
    if (std::none_of(text.begin(), text.end(), [](char16_t ch) { return LowerOf(ch) != ch; }))
        return *this;
    SetText(text);
    m_copy->MakeLower();
    return *this;
}
