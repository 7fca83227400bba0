// Test helper: small site structures as the host hands them to the editor.
#pragma once

#include <memory>
#include <string_view>

#include "icons/xml_document.h"
#include "platform/cstring.h"

inline std::unique_ptr<CXmlDocument> ParseSite(std::string_view xml)
{
    auto site = std::make_unique<CXmlDocument>();
    site->Parse(CString::FromUtf8(xml));
    return site;
}

// Home is the page being edited; About sits in a folder; "Extras" is neither folder nor page.
inline constexpr std::string_view kSmallSite =
    "<site>"
    "<Page name=\"Home\" url=\"./index.html\" current_page=\"true\">"
    "<bookmark name=\"top\"/><bookmark name=\"Contact\"/></Page>"
    "<FOLDER name=\"Products\">"
    "<page name=\"About\" url=\"./about.html\"><bookmark name=\"team\"/><bookmark name=\"history\"/></page>"
    "<folder name=\"Archive\"><page name=\"Old\" url=\"./archive/old.html\"/></folder>"
    "</FOLDER>"
    "<extras name=\"Extras\"><page name=\"Hidden\" url=\"./hidden.html\"/></extras>"
    "<page name=\"About\" url=\"./about-2.html\"/>"
    "</site>";
