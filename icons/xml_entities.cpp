// Entity escaping and unescaping: the markup generators' escaping, the host page's, and the readers' GetValue.
#include "icons/xml_document.h"
#include "icons/xml_entities.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ascii.h"

namespace {

void AppendReference(std::u16string& out, uint32_t code)
{
    std::array<char, 16> digits{};
    auto result = std::to_chars(digits.data(), digits.data() + digits.size(), code);
    out += u"&#";
    for (const char* p = digits.data(); p != result.ptr; ++p)
        out += static_cast<char16_t>(*p);
    out += u';';
}

// Appends the character of a decimal reference. A code beyond the basic plane becomes its
// surrogate pair; beyond Unicode it is cut to 16 bits, as the reader always did.
void AppendCode(std::u16string& out, uint32_t code)
{
    if (code >= 0x10000 && code <= 0x10FFFF) {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        return;
    }
    out += static_cast<char16_t>(code & 0xFFFF);
}

// True when `text` starts with `name` (lower-case ASCII), compared without case.
bool StartsWithNoCase(std::u16string_view text, std::u16string_view name)
{
    return text.size() >= name.size() && EqualIgnoringAsciiCase(text.substr(0, name.size()), name);
}

struct NamedEntity {
    std::u16string_view name;  // with its closing semicolon
    char16_t ch;
};

constexpr NamedEntity kNamedEntities[] = {
    {u"amp;", u'&'}, {u"lt;", u'<'}, {u"gt;", u'>'}, {u"quot;", u'"'}, {u"apos;", u'\''}, {u"nbsp;", u' '},
};

}  // namespace

std::string EscapeForUtf8Page(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

CString CXmlDocument::EncodeEntities(const CString& text, int flags)
{
    const bool quotes = (flags & kEncodeQuotes) != 0;
    const std::u16string_view in = text.view();
    std::u16string out;
    out.reserve(in.size() + in.size() / 8);
    for (const char16_t ch : in) {
        switch (ch) {
        case u'&': out += u"&amp;"; continue;
        case u'<': out += u"&lt;"; continue;
        case u'>': out += u"&gt;"; continue;
        case u'"': out += quotes ? u"&quot;" : u"\""; continue;
        case u'\'': out += quotes ? u"&apos;" : u"'"; continue;
        default: break;
        }
        // Every UTF-16 unit is a character of its own here, so a character outside the basic
        // plane gives two references, one per half of its pair, as published pages always had.
        if (ch < 0x80)
            out += ch;
        else
            AppendReference(out, ch);
    }
    return CString(std::move(out));
}

CString CXmlDocument::DecodeEntities(const CString& text)
{
    constexpr size_t npos = std::u16string_view::npos;
    const std::u16string_view in = text.view();
    std::u16string out;
    out.reserve(in.size());
    size_t i = 0;
    while (i < in.size()) {
        const char16_t ch = in[i];
        if (ch != u'&') {
            out += ch;
            ++i;
            continue;
        }
        if (i + 1 >= in.size())
            break;  // a & at the very end is dropped
        if (in[i + 1] == u'#') {
            size_t digit = i + 2;
            if (digit >= in.size())
                break;  // so is a &# at the very end
            // Decimal only, as "%lu" reads it, saturating where it would overflow 32 bits.
            uint32_t code = 0;
            bool haveNumber = false;
            while (digit < in.size() && in[digit] >= u'0' && in[digit] <= u'9') {
                uint64_t next = static_cast<uint64_t>(code) * 10 + (in[digit] - u'0');
                code = next > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(next);
                haveNumber = true;
                ++digit;
            }
            if (haveNumber)
                AppendCode(out, code);
            // The reference runs to its semicolon whatever it held, so &#x41; vanishes; with
            // no semicolon the rest of the text goes with it.
            size_t semicolon = in.find(u';', i + 2);
            if (semicolon == npos)
                break;
            i = semicolon + 1;
            continue;
        }
        bool named = false;
        for (const NamedEntity& entity : kNamedEntities) {
            if (StartsWithNoCase(in.substr(i + 1), entity.name)) {
                out += entity.ch;
                i += 1 + entity.name.size();
                named = true;
                break;
            }
        }
        if (!named) {
            out += u'&';
            ++i;
        }
    }
    return CString(std::move(out));
}
