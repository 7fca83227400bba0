// Lookups in the kept site structure that the link editor and the page picker share.
#pragma once

#include <QString>

class CXmlElement;

// What the page field shows while no page is chosen.
inline const QString kChoosePagePrompt = QStringLiteral("Click 'Select' to choose a page");

// Depth first from the root's children in document order (an element, then inside it, then its
// next sibling): the first element whose attribute `name` (exact name) equals `value`, ignoring
// case. Null when there is none, `root` is null or `value` is empty.
CXmlElement* FindElementByAttribute(CXmlElement* root, const QString& name, const QString& value);

// The page being edited in the host: the first element whose "current_page" is "true".
CXmlElement* FindCurrentPage(CXmlElement* root);

// The first element whose "name" is `pageName`.
CXmlElement* FindPageByName(CXmlElement* root, const QString& pageName);

// The "name" of every direct child element named "bookmark" (ignoring case), in document order.
QStringList BookmarkNames(const CXmlElement& page);

// The element's name or attribute as Qt text.
QString ElementName(const CXmlElement& element);
QString ElementAttribute(const CXmlElement& element, const QString& name);
