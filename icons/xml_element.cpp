// CXmlElement: one node of the element tree, its links by number, and its attributes.
#include <cstddef>
#include <type_traits>

#include "icons/xml_document.h"
#include "platform/exceptions.h"

namespace {

// The element a field of it belongs to, found from the field's place in the element.
template <size_t Offset, typename Field>
const CXmlElement& ElementOf(const Field* field)
{
    const auto* fields = reinterpret_cast<const CXmlElementFields*>(reinterpret_cast<const char*>(field) - Offset);
    return static_cast<const CXmlElement&>(*fields);
}

}  // namespace

const CRuntimeClass* CXmlElement::GetRuntimeClass() const
{
    static const CRuntimeClass runtimeClass{"CXmlElement"};
    return &runtimeClass;
}

CString CXmlElement::GetAttribute(const CString& name) const
{
    CString value;
    m_attributes.Lookup(name, value);
    return value;
}

CString CXmlElement::GetValue() const { return CXmlDocument::DecodeEntities(m_strValue.ToString()); }

CXmlElement& CXmlElement::AddChild(const CString& name)
{
    CXmlElement& child = NewChild();
    if (!name.IsEmpty())
        child.m_strName = name;
    return child;
}

CXmlElement& CXmlElement::AddChild(CXmlElementList&) { return NewChild(); }

CXmlElement& CXmlElement::NewChild()
{
    if (!m_pPool)
        throw CInvalidArgException();
    uint32_t index = 0;
    return m_pPool->AddChildOf(m_pPool->IndexOf(*this), index);
}

void CXmlElement::RemoveAllChildren()
{
    m_children.m_last = 0;
    if (m_pPool)
        m_pPool->SetChildCursor(*this, 0);
}

CXmlParentLink::operator CXmlElement*() const
{
    if (m_index == 0)
        return nullptr;
    return ElementOf<offsetof(CXmlElementFields, m_pParent)>(this).m_pPool->At(m_index);
}

const CXmlElementPool* CXmlElementList::Pool() const
{
    return ElementOf<offsetof(CXmlElementFields, m_children)>(this).m_pPool;
}

uint32_t CXmlElementList::First() const { return m_last == 0 ? 0 : Pool()->At(m_last)->m_nNextSibling; }

CXmlElementList::iterator CXmlElementList::begin() { return {Pool(), First(), m_last}; }

CXmlElementList::const_iterator CXmlElementList::begin() const { return {Pool(), First(), m_last}; }

std::shared_ptr<const std::vector<uint32_t>> CXmlElementList::Order() const
{
    if (empty())
        return nullptr;
    auto order = std::make_shared<std::vector<uint32_t>>();
    for (uint32_t at = First();; at = Pool()->At(at)->m_nNextSibling) {
        order->push_back(at);
        if (at == m_last)
            break;
    }
    return order;
}

size_t CXmlElementList::size() const
{
    size_t count = 0;
    for (auto it = begin(); it != end(); ++it)
        ++count;
    return count;
}

CXmlElement& CXmlElementList::back() { return *Pool()->At(m_last); }

const CXmlElement& CXmlElementList::back() const { return *Pool()->At(m_last); }

const CXmlElement& CXmlElementAttributes::Owner() const
{
    return ElementOf<offsetof(CXmlElementFields, m_attributes)>(this);
}

const CXmlAttributes* CXmlElementAttributes::HandSet() const
{
    const CXmlElement& element = Owner();
    return element.m_pPool ? element.m_pPool->HandSetAttributes(element) : nullptr;
}

CXmlAttributes& CXmlElementAttributes::MakeHandSet()
{
    CXmlElement& element = Owner();
    if (!element.m_pPool)
        throw CInvalidArgException();
    if (const CXmlAttributes* existing = HandSet())
        return const_cast<CXmlAttributes&>(*existing);
    // Pairs set by hand go after those of the attribute text.
    CXmlAttributes split;
    split.Split(element.m_strAttributes.view());
    CXmlAttributes& attributes = element.m_pPool->MakeHandSetAttributes(element);
    for (const auto& [key, value] : split.Pairs())
        attributes.SetAt(key, value);
    return attributes;
}

bool CXmlElementAttributes::Lookup(const CString& key, CString& value) const
{
    if (const CXmlAttributes* attributes = HandSet())
        return attributes->Lookup(key, value);
    // The last pair of that name holds the value.
    bool found = false;
    std::u16string_view last;
    ForEachAttribute(Owner().m_strAttributes.view(), [&](std::u16string_view name, std::u16string_view text) {
        if (name == key.view()) {
            last = text;
            found = true;
        }
    });
    if (found)
        value = CString(last);
    return found;
}

int CXmlElementAttributes::GetCount() const
{
    if (const CXmlAttributes* attributes = HandSet())
        return attributes->GetCount();
    CXmlAttributes split;
    split.Split(Owner().m_strAttributes.view());
    return split.GetCount();
}

bool CXmlElementAttributes::IsEmpty() const
{
    if (const CXmlAttributes* attributes = HandSet())
        return attributes->IsEmpty();
    // Every "=" starts a pair, closed or not.
    const std::u16string_view text = Owner().m_strAttributes.view();
    return text.find(u'=') == std::u16string_view::npos;
}

std::vector<CXmlAttributes::Pair> CXmlElementAttributes::Pairs() const
{
    if (const CXmlAttributes* attributes = HandSet())
        return attributes->Pairs();
    CXmlAttributes split;
    split.Split(Owner().m_strAttributes.view());
    return split.Pairs();
}

void CXmlElementAttributes::SetAt(std::u16string_view key, std::u16string_view value)
{
    // Copied first: either may be a part of a string the hand-set record is made from.
    const CString newKey(key);
    const CString newValue(value);
    MakeHandSet().SetAt(newKey, newValue);
}

void CXmlElementAttributes::RemoveAll() { MakeHandSet().RemoveAll(); }

// Fields find their element by their offset, which needs a plain record; and the record is kept
// small, since a site structure holds one per tag.
static_assert(std::is_standard_layout_v<CXmlElementFields>);
static_assert(sizeof(void*) != 8 || sizeof(CXmlElement) <= 40);
