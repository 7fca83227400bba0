// CXmlText: a string of an element (its name, raw attribute text or text), kept as one number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/cstring.h"

class CXmlElement;

// Which of an element's strings a CXmlText is. A string read in place from the document's text
// is kept as its start alone, since where it ends follows from what it is:
//   Name        ends at the first blank or >, less a slash right before that >;
//   Attributes  ends at the first >, less a slash right before it and trailing white space;
//   Value       ends at the first <, less trailing white space.
enum class XmlTextKind { Name, Attributes, Value };

// It reads like a CString: callers compare it, test it for emptiness, or take its characters.
// A parse makes it a part of the document's text, so reading a tag copies no characters and an
// element's three strings take twelve bytes. A part given by position (the JSON reader's) is
// kept the same way when the rule of its kind finds its end again; such a part otherwise, and a
// text set by hand, is a record of the document's element pool. The text finds its element, and
// through it the pool, from its own place in the element.
template <XmlTextKind Kind>
class CXmlText {
public:
    CXmlText() = default;
    CXmlText(const CXmlText&) = delete;
    CXmlText& operator=(const CXmlText&) = delete;

    // The characters; none when the text read in place has since been replaced by a shorter one.
    std::u16string_view view() const;
    operator std::u16string_view() const { return view(); }
    CString ToString() const { return CString(view()); }
    std::string ToUtf8() const { return ToString().ToUtf8(); }
    bool IsEmpty() const { return m_ref == 0 || view().empty(); }
    int GetLength() const { return static_cast<int>(view().size()); }
    int CompareNoCase(const CString& other) const { return ToString().CompareNoCase(other); }

    // Makes the text a copy of `text`, in the buffer of an earlier copy when there is one.
    void SetText(std::u16string_view text);
    CXmlText& operator=(const CString& text)
    {
        SetText(text.view());
        return *this;
    }
    CXmlText& operator=(const char16_t* text)
    {
        SetText(text ? std::u16string_view(text) : std::u16string_view());
        return *this;
    }
    // Makes the text `part` of `source`: read in place when `source` is the document's text,
    // else copied.
    void SetPartOf(const CString& source, std::u16string_view part);
    void Empty() { m_ref = 0; }
    // ASCII and Latin-1 capitals become small letters, as CString::MakeLower does; a text
    // without capitals stays where it is read.
    CXmlText& MakeLower();

    friend bool operator==(const CXmlText& text, std::u16string_view other) { return text.view() == other; }

private:
    friend class CXmlDocument;

    // Numbers below kRecord are a start in the document's text plus one (0 is the empty text);
    // from kRecord up, the number of a record of the pool: a part (kRecord) or a copy (kCopy).
    static constexpr uint32_t kRecord = 0x80000000u;
    static constexpr uint32_t kCopy = 0xC0000000u;

    // What the parser found: `length` characters from `start`, which the rule of this kind of
    // string gives again from `start`.
    void SetInPlace(size_t start, size_t length)
    {
        m_ref = length == 0 ? 0 : start < kRecord - 1 ? static_cast<uint32_t>(start + 1) : SlowRef(start, length);
    }
    uint32_t SlowRef(size_t start, size_t length);
    const CXmlElement& Owner() const;

    uint32_t m_ref = 0;
};
