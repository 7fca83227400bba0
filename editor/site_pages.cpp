// Lookups in the kept site structure: pages by attribute, bookmarks of a page.
#include "editor/site_pages.h"

#include <QStringList>
#include <vector>

#include "editor/qt_strings.h"
#include "icons/xml_document.h"

CXmlElement* FindElementByAttribute(CXmlElement* root, const QString& name, const QString& value)
{
    // An empty value would match every element that lacks the attribute.
    if (!root || value.isEmpty())
        return nullptr;
    const CString attribute = FromQString(name);
    // An explicit stack of sibling ranges keeps any nesting depth of outside documents safe.
    struct Range { CXmlElementList::iterator next, end; };
    std::vector<Range> stack{{root->m_children.begin(), root->m_children.end()}};
    while (!stack.empty()) {
        Range& range = stack.back();
        if (range.next == range.end) {
            stack.pop_back();
            continue;
        }
        CXmlElement& element = *range.next++;
        if (ToQString(element.GetAttribute(attribute)).compare(value, Qt::CaseInsensitive) == 0)
            return &element;
        if (!element.m_children.empty())
            stack.push_back({element.m_children.begin(), element.m_children.end()});
    }
    return nullptr;
}

CXmlElement* FindCurrentPage(CXmlElement* root)
{
    return FindElementByAttribute(root, QStringLiteral("current_page"), QStringLiteral("true"));
}

CXmlElement* FindPageByName(CXmlElement* root, const QString& pageName)
{
    return FindElementByAttribute(root, QStringLiteral("name"), pageName);
}

QStringList BookmarkNames(const CXmlElement& page)
{
    QStringList names;
    for (const CXmlElement& child : page.GetChildren()) {
        if (ElementName(child).compare(QLatin1String("bookmark"), Qt::CaseInsensitive) == 0)
            names.append(ElementAttribute(child, QStringLiteral("name")));
    }
    return names;
}

QString ElementName(const CXmlElement& element)
{
    return ToQString(element.m_strName.ToString());
}

QString ElementAttribute(const CXmlElement& element, const QString& name)
{
    return ToQString(element.GetAttribute(FromQString(name)));
}
