// Page bookmarks through libxml2's HTML parser, which reads real pages as browsers forgive them.
#include "host/site/page_anchors.h"

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Errors in real pages are the rule, not news: the parser keeps them to itself.
void IgnoreError(void*, const char*, ...) {}

void PrepareParser()
{
    static const bool prepared = [] {
        xmlInitParser();
        xmlSetGenericErrorFunc(nullptr, IgnoreError);
        return true;
    }();
    (void)prepared;
}

bool IsNamed(const xmlNode* node, const char* name)
{
    return node->name && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

bool OffersBookmark(const xmlNode* node)
{
    static const char* const kElements[] = {"h1", "h2", "h3", "h4", "h5", "h6", "section", "article", "a"};
    return std::any_of(std::begin(kElements), std::end(kElements), [&](const char* name) { return IsNamed(node, name); });
}

bool Carriable(const std::string& name)
{
    return !name.empty() && name.find_first_of(" \t\r\n\f\"<>&") == std::string::npos;
}

std::string Attribute(const xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (!value)
        return {};
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

void Add(std::vector<std::string>& names, std::string name)
{
    if (Carriable(name) && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

}  // namespace

std::vector<std::string> PageBookmarks(std::string_view html)
{
    PrepareParser();
    std::vector<std::string> names;
    if (html.size() > INT_MAX)
        return names;
    // No network and no messages.
    const int options = HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET | HTML_PARSE_COMPACT;
    htmlDocPtr document = htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, nullptr, options);
    if (!document)
        return names;
    // Walked without recursion: a page may nest as deep as the parser lets it.
    for (xmlNode* node = document->children; node;) {
        if (node->type == XML_ELEMENT_NODE && OffersBookmark(node)) {
            Add(names, Attribute(node, "id"));
            if (IsNamed(node, "a"))
                Add(names, Attribute(node, "name"));
        }
        if (node->type == XML_ELEMENT_NODE && node->children) {
            node = node->children;
            continue;
        }
        while (node && !node->next)
            node = node->parent && node->parent->type != XML_DOCUMENT_NODE &&
                           node->parent->type != XML_HTML_DOCUMENT_NODE
                       ? node->parent
                       : nullptr;
        if (node)
            node = node->next;
    }
    xmlFreeDoc(document);
    return names;
}
