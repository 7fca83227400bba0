// Escaping for pages outside the published menu; the menu's own escaping is CXmlDocument::EncodeEntities.
#pragma once

#include <string>
#include <string_view>

// UTF-8 text for a page that declares UTF-8, as element text or a quoted attribute value: & < > "
// become references and every other character stays as it is. EncodeEntities serves the published
// menu instead, which goes into pages of any encoding and so turns everything from U+0080 into a
// reference.
std::string EscapeForUtf8Page(std::string_view text);
