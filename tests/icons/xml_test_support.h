// Helpers for the XML and JSON reader tests: a one-line picture of an element tree, and temporary files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "icons/xml_document.h"
#include "tests/support/temporary_folder.h"

// Readable failure messages for the element tree's strings.
template <XmlTextKind Kind>
void PrintTo(const CXmlText<Kind>& text, std::ostream* out)
{
    *out << '"' << text.ToUtf8() << '"';
}

// name{key=value,...}'text'(child child ...), each part only when present.
inline std::string DumpElement(const CXmlElement& element)
{
    std::string out = element.m_strName.ToUtf8();
    if (!element.m_attributes.IsEmpty()) {
        out += '{';
        const char* separator = "";
        for (const auto& [key, value] : element.m_attributes.Pairs()) {
            out += separator + key.ToUtf8() + '=' + value.ToUtf8();
            separator = ",";
        }
        out += '}';
    }
    if (!element.m_strValue.IsEmpty())
        out += '\'' + element.m_strValue.ToUtf8() + '\'';
    if (!element.GetChildren().empty()) {
        out += '(';
        const char* separator = "";
        for (const CXmlElement& child : element.GetChildren()) {
            out += separator + DumpElement(child);
            separator = " ";
        }
        out += ')';
    }
    return out;
}

// The child at `index` of an element, in document order. A missing child fails the test, naming
// the element and the index, and reads as an empty element instead of past the end of the list.
inline const CXmlElement& ChildAt(const CXmlElement& parent, size_t index = 0)
{
    size_t at = 0;
    for (const CXmlElement& child : parent.GetChildren()) {
        if (at++ == index)
            return child;
    }
    ADD_FAILURE() << "element \"" << parent.m_strName.ToUtf8() << "\" has " << parent.GetChildren().size()
                  << " children, no child " << index;
    static const CXmlElement kMissing;
    return kMissing;
}

// A file with the given bytes in a temporary folder of its own, removed again when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& bytes) : m_path(m_folder.Write("file", bytes)) {}

    CString Path() const { return CString::FromUtf8(m_path.string()); }

private:
    TemporaryFolder m_folder{"trellis-reader"};
    std::filesystem::path m_path;
};
