// CXmlElement: one node of the element tree, with attribute lookup and subtree deletion.
#include "icons/xml_document.h"

CXmlElement::CXmlElement() : m_posChild(m_children.end()) {}

CXmlElement::~CXmlElement() { RemoveAllChildren(); }

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
    CXmlElement& child = m_children.emplace_back();
    child.m_strName = name;
    child.m_pParent = this;
    return child;
}

CXmlElement& CXmlElement::AddChild(CXmlElementList& spare)
{
    if (spare.empty()) {
        CXmlElement& child = m_children.emplace_back();
        child.m_pParent = this;
        return child;
    }
    // An element taken with its subtree leaves its children at the front of `spare`, so the
    // subtree is flattened only as far as it is reused.
    CXmlElement& front = spare.front();
    spare.splice(std::next(spare.begin()), front.m_children);
    m_children.splice(m_children.end(), spare, spare.begin());
    CXmlElement& child = m_children.back();
    child.m_strName.Empty();
    child.m_strAttributes.Empty();
    child.m_attributes.RemoveAll();
    child.m_pParent = this;
    child.m_posChild = child.m_children.end();
    child.m_strValue.Empty();
    return child;
}

void CXmlElement::MoveDescendantsTo(CXmlElementList& spare)
{
    CXmlElementList flat;
    flat.splice(flat.end(), m_children);
    // Each element's children go right behind it, so the list ends up in document order: the
    // order in which the next tree takes the elements again, which keeps neighbours in memory.
    for (auto element = flat.begin(); element != flat.end(); ++element)
        flat.splice(std::next(element), element->m_children);
    spare.splice(spare.end(), flat);
    m_posChild = m_children.end();
}

void CXmlElement::RemoveAllChildren()
{
    // Hostile files nest elements a million deep: instead of letting each destructor delete its
    // own children recursively, flatten the subtree first, so that each element is destroyed
    // with no children left.
    CXmlElementList doomed;
    MoveDescendantsTo(doomed);
}
