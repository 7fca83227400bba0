// Helpers for the XML and JSON reader tests: a one-line picture of an element tree, and temporary files.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

#include "icons/xml_document.h"

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

// A file with the given bytes that is removed again when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& bytes)
    {
        char name[] = "/tmp/trellis-reader-XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) {
            size_t written = 0;
            while (written < bytes.size()) {
                ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
                if (n <= 0)
                    break;
                written += static_cast<size_t>(n);
            }
            close(fd);
            m_path = name;
        }
    }
    ~TempFile()
    {
        if (!m_path.empty())
            std::remove(m_path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    CString Path() const { return CString::FromUtf8(m_path); }

private:
    std::string m_path;
};
