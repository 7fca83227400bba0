// CJsonToken and the lenient JSON tokeniser that turns a text into a flat array of them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/object.h"

// Token kinds.
inline constexpr int32_t JSON_UNDEFINED = 0;
inline constexpr int32_t JSON_OBJECT = 1;
inline constexpr int32_t JSON_ARRAY = 2;
inline constexpr int32_t JSON_STRING = 3;
inline constexpr int32_t JSON_PRIMITIVE = 4;

// Tokeniser results besides 0 (success).
inline constexpr int JSON_ERROR_INVAL = -2;  // an invalid character, a bad escape or a mismatched bracket
inline constexpr int JSON_ERROR_PART = -3;   // an object or array still open at the end of the text

class CJsonToken : public CObject {
public:
    CJsonToken() = default;
    CJsonToken(int32_t type, int32_t start, int32_t end, int32_t parent)
        : m_nType(type), m_nStart(start), m_nEnd(end), m_nParent(parent)
    {
    }
    CJsonToken(const CJsonToken&) = default;
    CJsonToken& operator=(const CJsonToken&) = default;

    const CRuntimeClass* GetRuntimeClass() const override;

    int32_t m_nType = JSON_UNDEFINED;
    // First character; for a string the one after the opening quote.
    int32_t m_nStart = -1;
    // One past the last character; for a string its closing quote.
    int32_t m_nEnd = -1;
    // Keys of an object, items of an array, 1 for a key whose value has been read.
    int32_t m_nSize = 0;
    // The enclosing token: an object for its keys, a key for its value; -1 at the top.
    int32_t m_nParent = -1;
};

// Tokenises the text up to its first zero character into `tokens` (emptied first). Accepts
// comments from / to the end of the line and bare words of printable ASCII; validates string
// escapes without decoding them. Returns 0, JSON_ERROR_INVAL or JSON_ERROR_PART.
int TokenizeJson(std::u16string_view text, std::vector<CJsonToken>& tokens);
