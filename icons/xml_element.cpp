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

CString CXmlElement::GetValue() const { return CXmlDocument::DecodeEntities(m_strValue); }

CXmlElement& CXmlElement::AddChild(const CString& name)
{
    CXmlElement& child = m_children.emplace_back();
    child.m_strName = name;
    child.m_pParent = this;
    return child;
}

void CXmlElement::RemoveAllChildren()
{
    // Hostile files nest elements a million deep: instead of letting each destructor delete its
    // own children recursively, move every grandchild list onto one queue before its parent
    // dies, so that each element is destroyed with no children left.
    CXmlElementList doomed;
    doomed.splice(doomed.end(), m_children);
    while (!doomed.empty()) {
        doomed.splice(doomed.end(), doomed.front().m_children);
        doomed.pop_front();
    }
    m_posChild = m_children.end();
}
