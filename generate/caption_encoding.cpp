// Button captions and group titles as the markup writes them.
#include "generate/caption_encoding.h"

#include <charconv>

void AppendEncodedCaption(CString& out, const CString& caption)
{
    for (char16_t ch : caption.view()) {
        switch (ch) {
        case u'&': out += u"&amp;"; continue;
        case u'<': out += u"&lt;"; continue;
        case u'>': out += u"&gt;"; continue;
        default: break;
        }
        if (ch < 0x80) {
            out += ch;
            continue;
        }
        // Published pages have always carried one reference per code unit, so a character
        // outside the basic plane gives two, one for each half of its surrogate pair.
        char digits[8];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(ch)).ptr;
        out += u"&#";
        for (const char* d = digits; d != end; ++d)
            out += static_cast<char16_t>(*d);
        out += u';';
    }
}

void AppendGroupTitle(CString& out, const CString& title)
{
    for (char16_t ch : title.view()) {
        if (ch == u' ')
            out += u"&nbsp;";
        else
            out += ch;
    }
}
