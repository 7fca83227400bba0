// CXmlText: reading an element's string in place, records for parts and copies, and lower case.
#include "icons/xml_text.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <new>

#include "icons/text_scan.h"
#include "icons/xml_document.h"
#include "platform/exceptions.h"

namespace {

// The end of the string of this kind that starts at `start`, as the parser found it; the text
// may since have been replaced, so every search stops at its end.
template <XmlTextKind Kind>
size_t InPlaceEnd(std::u16string_view text, size_t start)
{
    size_t end;
    if constexpr (Kind == XmlTextKind::Name) {
        end = std::min(FindEither(text, u' ', u'>', start), text.size());
        if (end < text.size() && text[end] == u'>' && end > start && text[end - 1] == u'/')
            --end;
        return end;
    } else if constexpr (Kind == XmlTextKind::Attributes) {
        end = std::min(FindChar(text, u'>', start), text.size());
        if (end < text.size() && end > start && text[end - 1] == u'/')
            --end;
    } else {
        end = std::min(FindChar(text, u'<', start), text.size());
    }
    while (end > start && IsBlank(text[end - 1]))
        --end;
    return end;
}

}  // namespace

template <XmlTextKind Kind>
const CXmlElement& CXmlText<Kind>::Owner() const
{
    constexpr size_t offset = Kind == XmlTextKind::Name         ? offsetof(CXmlElementFields, m_strName)
                              : Kind == XmlTextKind::Attributes ? offsetof(CXmlElementFields, m_strAttributes)
                                                                : offsetof(CXmlElementFields, m_strValue);
    const auto* fields = reinterpret_cast<const CXmlElementFields*>(reinterpret_cast<const char*>(this) - offset);
    return static_cast<const CXmlElement&>(*fields);
}

template <XmlTextKind Kind>
std::u16string_view CXmlText<Kind>::view() const
{
    if (m_ref == 0)
        return {};
    const CXmlElementPool* pool = Owner().m_pPool;
    if (!pool)
        return {};
    if (m_ref >= kCopy)
        return pool->CopyText(m_ref - kCopy);
    if (m_ref >= kRecord)
        return pool->PartText(m_ref - kRecord);
    const std::u16string_view text = pool->Text().view();
    const size_t start = m_ref - 1;
    if (start >= text.size())
        return {};
    return text.substr(start, InPlaceEnd<Kind>(text, start) - start);
}

template <XmlTextKind Kind>
uint32_t CXmlText<Kind>::SlowRef(size_t start, size_t length)
{
    SetPartOf(Owner().m_pPool->Text(), Owner().m_pPool->Text().view().substr(start, length));
    return m_ref;
}

namespace {

// Records are numbered in 30 bits.
void CheckRecordCount(size_t count)
{
    if (count >= 0x40000000u)
        throw std::bad_alloc();
}

}  // namespace

template <XmlTextKind Kind>
void CXmlText<Kind>::SetText(std::u16string_view text)
{
    CXmlElementPool* pool = Owner().m_pPool;
    if (!pool)
        throw CInvalidArgException();
    if (m_ref >= kCopy) {
        pool->Copy(m_ref - kCopy).SetText(text);  // the text may be a part of the copy itself
        return;
    }
    const uint32_t record = pool->AddCopy(text);
    CheckRecordCount(record);
    m_ref = kCopy + record;
}

template <XmlTextKind Kind>
void CXmlText<Kind>::SetPartOf(const CString& source, std::u16string_view part)
{
    CXmlElementPool* pool = Owner().m_pPool;
    if (!pool)
        throw CInvalidArgException();
    if (part.empty()) {
        m_ref = 0;
        return;
    }
    const std::u16string_view whole = pool->Text().view();
    const std::less<const char16_t*> before;
    const bool within = &source == &pool->Text() && !before(part.data(), whole.data()) &&
                        !before(whole.data() + whole.size(), part.data() + part.size());
    const size_t start = static_cast<size_t>(part.data() - whole.data());
    if (!within || start > UINT32_MAX || part.size() > UINT32_MAX) {
        SetText(part);
        return;
    }
    // A part that this kind's rule reads again from its start needs no record: its start is
    // kept as the parser keeps it (the JSON reader lays its strings out to allow that).
    if (start < kRecord - 1 && InPlaceEnd<Kind>(whole, start) == start + part.size()) {
        m_ref = static_cast<uint32_t>(start + 1);
        return;
    }
    if (m_ref >= kRecord && m_ref < kCopy) {
        pool->SetPart(m_ref - kRecord, start, part.size());
        return;
    }
    const uint32_t record = pool->AddPart(start, part.size());
    CheckRecordCount(record);
    m_ref = kRecord + record;
}

template <XmlTextKind Kind>
CXmlText<Kind>& CXmlText<Kind>::MakeLower()
{
    const std::u16string_view text = view();
    if (std::none_of(text.begin(), text.end(), [](char16_t ch) { return LowerOf(ch) != ch; }))
        return *this;
    CString lower(text);
    lower.MakeLower();
    SetText(lower.view());
    return *this;
}

template class CXmlText<XmlTextKind::Name>;
template class CXmlText<XmlTextKind::Attributes>;
template class CXmlText<XmlTextKind::Value>;
