// The lenient JSON tokeniser: one pass over the text, tokens linked to their parents.
#include "icons/json_token.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "icons/text_scan.h"
#include "platform/ascii.h"

const CRuntimeClass* CJsonToken::GetRuntimeClass() const
{
    static const CRuntimeClass runtimeClass{"CJsonToken"};
    return &runtimeClass;
}

namespace {

// The tokeniser's state between characters.
class Tokenizer {
public:
    Tokenizer(std::u16string_view text, std::vector<CJsonToken>& tokens) : m_text(text), m_tokens(tokens)
    {
        // Real maps spend more than four characters on a token; reserving for that saves
        // copying the array as it grows. Pages of the reserve that are never used cost no
        // memory, but the address space is capped all the same.
        const size_t expected = std::min<size_t>(text.size() / 4 + 1, size_t{1} << 22);
        m_tokens.reserve(expected);
        m_top.reserve(expected);
    }

    int Run();

private:
    int32_t MakeToken(int32_t type, size_t start, size_t end);
    int Close(int32_t type, size_t pos);
    // Both return the position of the last character they consumed, or npos on an error.
    size_t ScanString(size_t quote, int& result);
    size_t ScanPrimitive(size_t first, int& result);

    std::u16string_view m_text;
    std::vector<CJsonToken>& m_tokens;
    int32_t m_super = -1;  // the enclosing token
    // Objects and arrays not closed yet, outermost first. They always form one chain of
    // ancestors of the newest token, so the innermost is the one a closing bracket finds.
    std::vector<int32_t> m_open;
    // For each token the topmost token above it, for a closing bracket with nothing open.
    std::vector<int32_t> m_top;
};

int32_t Tokenizer::MakeToken(int32_t type, size_t start, size_t end)
{
    const int32_t index = static_cast<int32_t>(m_tokens.size());
    const int32_t endIndex = end == std::u16string_view::npos ? -1 : static_cast<int32_t>(end);
    m_tokens.emplace_back(type, static_cast<int32_t>(start), endIndex, m_super);
    if (m_super != -1)
        ++m_tokens[static_cast<size_t>(m_super)].m_nSize;
    m_top.push_back(m_super == -1 ? index : m_top[static_cast<size_t>(m_super)]);
    return index;
}

int Tokenizer::Close(int32_t type, size_t pos)
{
    if (m_tokens.empty())
        return JSON_ERROR_INVAL;
    if (!m_open.empty()) {
        CJsonToken& open = m_tokens[static_cast<size_t>(m_open.back())];
        if (open.m_nType != type)
            return JSON_ERROR_INVAL;
        open.m_nEnd = static_cast<int32_t>(pos + 1);
        m_super = open.m_nParent;
        m_open.pop_back();
        return 0;
    }
    // Everything is closed: a bracket that matches the kind of the newest token's topmost
    // token is ignored while something still encloses; otherwise it is a mismatch.
    const CJsonToken& top = m_tokens[static_cast<size_t>(m_top.back())];
    if (top.m_nType != type || m_super == -1)
        return JSON_ERROR_INVAL;
    return 0;
}

size_t Tokenizer::ScanString(size_t quote, int& result)
{
    for (size_t i = quote + 1; i < m_text.size(); ++i) {
        const char16_t ch = m_text[i];
        if (ch == u'"') {
            MakeToken(JSON_STRING, quote + 1, i);
            return i;
        }
        if (ch != u'\\' || i + 1 >= m_text.size())
            continue;
        ++i;
        switch (m_text[i]) {
        case u'"': case u'/': case u'\\': case u'b': case u'f': case u'n': case u'r': case u't':
            break;
        case u'u':
            // Up to four hexadecimal digits; fewer only where the text ends.
            for (int k = 0; k < 4 && i + 1 < m_text.size(); ++k) {
                if (!IsHexDigit(m_text[i + 1])) {
                    result = JSON_ERROR_INVAL;
                    return std::u16string_view::npos;
                }
                ++i;
            }
            break;
        default:
            result = JSON_ERROR_INVAL;
            return std::u16string_view::npos;
        }
    }
    // No closing quote: the rest of the text is consumed and no token made.
    return m_text.size() - 1;
}

size_t Tokenizer::ScanPrimitive(size_t first, int& result)
{
    size_t i = first;
    for (; i < m_text.size(); ++i) {
        const char16_t ch = m_text[i];
        if (ch == u'\t' || ch == u'\n' || ch == u'\r' || ch == u' ' || ch == u',' || ch == u']' || ch == u'}')
            break;
        if (ch < 0x20 || ch > 0x7E) {
            result = JSON_ERROR_INVAL;
            return std::u16string_view::npos;
        }
    }
    MakeToken(JSON_PRIMITIVE, first, i);
    return i - 1;  // the character that ended it is read again as a token character
}

int Tokenizer::Run()
{
    bool comment = false;
    for (size_t pos = 0; pos < m_text.size(); ++pos) {
        const char16_t ch = m_text[pos];
        if (comment) {
            if (ch == u'\r' || ch == u'\n')
                comment = false;
            continue;
        }
        int result = 0;
        switch (ch) {
        case u'{':
        case u'[': {
            m_super = MakeToken(ch == u'{' ? JSON_OBJECT : JSON_ARRAY, pos, std::u16string_view::npos);
            m_open.push_back(m_super);
            break;
        }
        case u'}':
        case u']':
            result = Close(ch == u'}' ? JSON_OBJECT : JSON_ARRAY, pos);
            break;
        case u'"':
            pos = ScanString(pos, result);
            break;
        case u'\t':
        case u'\n':
        case u'\r':
        case u' ':
            // Formatted maps are mostly indentation: pass a run of blanks in one go.
            while (pos + 1 < m_text.size() && (m_text[pos + 1] == u' ' || m_text[pos + 1] == u'\n' ||
                                               m_text[pos + 1] == u'\t' || m_text[pos + 1] == u'\r'))
                ++pos;
            break;
        case u':':
            m_super = static_cast<int32_t>(m_tokens.size()) - 1;
            break;
        case u',':
            if (m_super != -1) {
                const CJsonToken& super = m_tokens[static_cast<size_t>(m_super)];
                if (super.m_nType != JSON_OBJECT && super.m_nType != JSON_ARRAY)
                    m_super = super.m_nParent;
            }
            break;
        case u'/':
            comment = true;
            break;
        default:
            pos = ScanPrimitive(pos, result);
            break;
        }
        if (result != 0)
            return result;
    }
    return m_open.empty() ? 0 : JSON_ERROR_PART;
}

}  // namespace

int TokenizeJson(std::u16string_view text, std::vector<CJsonToken>& tokens)
{
    tokens.clear();
    text = text.substr(0, FindChar(text, u'\0', 0));
    // Token positions are 32-bit.
    if (text.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        return JSON_ERROR_INVAL;
    return Tokenizer(text, tokens).Run();
}
