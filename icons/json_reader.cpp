// The JSON front end of CXmlDocument: builds the element tree from the tokeniser's flat array.
#include <string_view>

#include "icons/file_text.h"
#include "icons/json_token.h"
#include "icons/xml_document.h"

namespace {

// Marks a token array that cannot be read as a tree.
constexpr int kInvalid = -1;

std::u16string_view TokenText(std::u16string_view text, const CJsonToken& token)
{
    return text.substr(static_cast<size_t>(token.m_nStart), static_cast<size_t>(token.m_nEnd - token.m_nStart));
}

// Builds the token at `index` into `target` (or only consumes it when there is none) and returns
// how many tokens it consumed, `remaining` being the tokens from `index` on; kInvalid for a key
// with no value or nesting deeper than kMaxJsonNesting. Recursion follows the nesting of
// objects and arrays, so the depth check bounds the stack.
int BuildFromTokens(std::u16string_view text, const CArray<CJsonToken>& tokens, int index, int remaining,
                    CXmlElement* target, int depth)
{
    if (remaining <= 0)
        return 0;
    const CJsonToken& token = tokens[index];
    switch (token.m_nType) {
    case JSON_PRIMITIVE:
        // A bare word with children is a key, and a bare key names nothing.
        if (token.m_nSize == 0 && target)
            target->m_strValue = CString(TokenText(text, token));
        return 1;
    case JSON_STRING:
        if (target) {
            if (token.m_nSize == 0)
                target->m_strValue = CString(TokenText(text, token));
            else
                target->m_strName = CString(TokenText(text, token));
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
            const bool array = tokens[key + 1].m_nType == JSON_ARRAY;
            CXmlElement* member = (target && !array) ? &target->AddChild() : nullptr;
            int consumed = BuildFromTokens(text, tokens, key, end - key, member, depth + 1);
            if (consumed == kInvalid)
                return kInvalid;
            used += consumed;
            const int value = index + used;
            if (value >= end)
                return kInvalid;
            consumed = BuildFromTokens(text, tokens, value, end - value, array ? target : member, depth + 1);
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
        if (token.m_nParent >= 0 && tokens[token.m_nParent].m_nType == JSON_STRING) {
            name = CString(TokenText(text, tokens[token.m_nParent]));
            name.Trim();
        }
        const int end = index + remaining;
        int used = 1;
        for (int k = 0; k < token.m_nSize; ++k) {
            CXmlElement* item = target ? &target->AddChild(name) : nullptr;
            const int consumed = BuildFromTokens(text, tokens, index + used, end - (index + used), item, depth + 1);
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
    CArray<CJsonToken> tokens;
    const int result = TokenizeJson(all, tokens);
    if (result != 0)
        return result;
    m_root.m_strName = u"JSON";
    if (tokens.IsEmpty())
        return 0;
    // Further values at the top are ignored.
    if (BuildFromTokens(all, tokens, 0, tokens.GetSize(), &m_root, 1) == kInvalid) {
        Reset(std::move(m_strText));
        return JSON_ERROR_INVAL;
    }
    return 0;
}
