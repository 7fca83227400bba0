// CXmlText: a string of the element tree, read in place from its document's text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/cstring.h"

// An element's name, raw attribute text or text. A parse makes it a part of the document's text,
// so that reading a tag copies no characters; a text set by hand is a copy the string keeps. It
// reads like a CString: callers compare it, test it for emptiness, or take its characters.
class CXmlText {
public:
    CXmlText() = default;
    CXmlText(const CXmlText&) = delete;
    CXmlText& operator=(const CXmlText&) = delete;
    ~CXmlText() { DropCopy(); }

    // Makes the text `part` of `source`, read in place: `source` must stay until this text is
    // set again, emptied or destroyed. A document keeps its text until its next parse, which
    // sets or empties every element it keeps. A `part` that does not lie within `source` (a
    // default name, say) is copied instead.
    void SetPartOf(const CString& source, std::u16string_view part)
    {
        const std::u16string_view whole = source.view();
        const std::less<const char16_t*> before;
        const bool within = !before(part.data(), whole.data()) &&
                            !before(whole.data() + whole.size(), part.data() + part.size());
        if (part.empty())
            SetPartAt(source, 0, 0);
        else if (within)
            SetPartAt(source, static_cast<size_t>(part.data() - whole.data()), part.size());
        else
            SetText(part);
    }
    // The same for the `length` characters of `source` from `start`, as a reader that knows
    // where it is in its text gives them.
    void SetPartAt(const CString& source, size_t start, size_t length)
    {
        // Positions are kept in 32 bits, which every text the host accepts fits; a part further
        // out than that is copied rather than cut short.
        if (start > kMaxPosition || length > kMaxPosition - start) {
            const std::u16string_view whole = source.view();
            SetText(start <= whole.size() ? whole.substr(start, length) : std::u16string_view());
            return;
        }
        DropCopy();
        m_source = &source;
        m_start = static_cast<uint32_t>(start);
        m_length = static_cast<uint32_t>(length);
    }
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
    // Keeps the buffer of a copy for the next one.
    void Empty()
    {
        if (IsCopy()) {
            Copy().Empty();
            return;
        }
        m_source = nullptr;
        m_start = 0;
        m_length = 0;
    }
    // ASCII and Latin-1 capitals become small letters, as CString::MakeLower does; a text
    // without capitals stays where it is read.
    CXmlText& MakeLower();

    // The characters; none when the text read in place has since become shorter.
    std::u16string_view view() const
    {
        if (!m_source)
            return {};
        const std::u16string_view whole = m_source->view();
        if (IsCopy())
            return whole;
        return m_start <= whole.size() ? whole.substr(m_start, m_length) : std::u16string_view();
    }
    operator std::u16string_view() const { return view(); }
    CString ToString() const { return CString(view()); }
    std::string ToUtf8() const { return ToString().ToUtf8(); }

    bool IsEmpty() const { return view().empty(); }
    int GetLength() const { return static_cast<int>(view().size()); }
    int CompareNoCase(const CString& other) const { return ToString().CompareNoCase(other); }

    friend bool operator==(const CXmlText& text, std::u16string_view other) { return text.view() == other; }

private:
    // A tree holds three of these per element, so positions take 32 bits each, and a copy is
    // marked by a start no part can have.
    static constexpr uint32_t kCopy = UINT32_MAX;
    static constexpr size_t kMaxPosition = kCopy - 1;

    bool IsCopy() const { return m_start == kCopy; }
    // The copy this text owns; only while IsCopy().
    CString& Copy() const { return *const_cast<CString*>(m_source); }
    void DropCopy()
    {
        if (IsCopy())
            delete m_source;
        m_source = nullptr;
        m_start = 0;
        m_length = 0;
    }

    // The document's text, or the copy this text owns (IsCopy()); null for the empty text.
    const CString* m_source = nullptr;
    uint32_t m_start = 0;
    uint32_t m_length = 0;
};
