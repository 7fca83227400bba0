// The JSON front end of CXmlDocument: builds the element tree from the tokeniser's flat array.
#include <string_view>
#include <vector>

#include "icons/file_text.h"
#include "icons/json_token.h"
#include "icons/xml_document.h"

namespace {

// Marks a token array that cannot be read as a tree.
constexpr int kInvalid = -1;

// Replaces the string's text, keeping its buffer when it is large enough.
void Assign(CString& target, std::u16string_view text)
{
    target.Empty();
    target += text;
}

std::u16string_view TokenText(std::u16string_view text, const CJsonToken& token)
{
    return text.substr(static_cast<size_t>(token.m_nStart), static_cast<size_t>(token.m_nEnd - token.m_nStart));
}

// Builds the token at `index` into `target` (or only consumes it when there is none) and returns
// how many tokens it consumed, `remaining` being the tokens from `index` on; kInvalid for a key
// with no value or nesting deeper than kMaxJsonNesting. Recursion follows the nesting of
// objects and arrays, so the depth check bounds the stack. New elements come from `spare`
// while it lasts.
int BuildFromTokens(std::u16string_view text, const std::vector<CJsonToken>& tokens, int index, int remaining,
                    CXmlElement* target, int depth, CXmlElementList& spare)
{
    if (remaining <= 0)
        return 0;
    const CJsonToken& token = tokens[static_cast<size_t>(index)];
    switch (token.m_nType) {
    case JSON_PRIMITIVE:
        // A bare word with children is a key, and a bare key names nothing.
        if (token.m_nSize == 0 && target)
            Assign(target->m_strValue, TokenText(text, token));
        return 1;
    case JSON_STRING:
        if (target) {
            if (token.m_nSize == 0)
                Assign(target->m_strValue, TokenText(text, token));
            else
                Assign(target->m_strName, TokenText(text, token));
        }
        return 1;
    case JSON_OBJECT: {
        if (depth > CXmlDocument::kMaxJsonNesting)
            return kInvalid;
        const int end = index + remaining;
        int used = 1;
        for (int k = 0; k < token.m_nSize; ++k) {
            const int key = index + used;
            if (key + 1 >= end)
                return kInvalid;
            // An array member becomes a run of siblings in this object's own element.
            const bool array = tokens[static_cast<size_t>(key) + 1].m_nType == JSON_ARRAY;
            CXmlElement* member = (target && !array) ? &target->AddChild(spare) : nullptr;
            int consumed = BuildFromTokens(text, tokens, key, end - key, member, depth + 1, spare);
            if (consumed == kInvalid)
                return kInvalid;
            used += consumed;
            const int value = index + used;
            if (value >= end)
                return kInvalid;
            consumed = BuildFromTokens(text, tokens, value, end - value, array ? target : member, depth + 1, spare);
            if (consumed == kInvalid)
                return kInvalid;
            used += consumed;
        }
        return used;
    }
    case JSON_ARRAY: {
        if (depth > CXmlDocument::kMaxJsonNesting)
            return kInvalid;
        CString name(u"unknown");
        if (token.m_nParent >= 0 && tokens[static_cast<size_t>(token.m_nParent)].m_nType == JSON_STRING) {
            name = CString(TokenText(text, tokens[static_cast<size_t>(token.m_nParent)]));
            name.Trim();
        }
        const int end = index + remaining;
        int used = 1;
        for (int k = 0; k < token.m_nSize; ++k) {
            CXmlElement* item = target ? &target->AddChild(spare, name) : nullptr;
            const int consumed = BuildFromTokens(text, tokens, index + used, end - (index + used), item, depth + 1, spare);
            if (consumed == kInvalid)
                return kInvalid;
            used += consumed;
        }
        return used;
    }
    default:
        return 0;
    }
}

}  // namespace

int CXmlDocument::LoadJson(const CString& path)
{
    CString text;
    if (!ReadFileAsText(path, text))
        return JSON_ERROR_INVAL;
    return ParseJson(std::move(text));
}

int CXmlDocument::ParseJson(CString text)
{
    Reset(std::move(text));
    const std::u16string_view all = m_strText.view();
    std::vector<CJsonToken> tokens;
    int result = TokenizeJson(all, tokens);
    if (result == 0) {
        m_root.m_strName = u"JSON";
        // Further values at the top are ignored.
        const int count = static_cast<int>(tokens.size());
        if (count > 0 && BuildFromTokens(all, tokens, 0, count, &m_root, 1, m_spare) == kInvalid) {
            Reset(std::move(m_strText));
            result = JSON_ERROR_INVAL;
        }
    }
    DropSpare();
    return result;
}
