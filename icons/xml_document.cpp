// CXmlDocument: loading, the forgiving tag scanner, attribute splitting and child navigation.
#include "icons/xml_document.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "icons/file_text.h"
#include "icons/text_scan.h"

namespace {

enum class TagKind { Skip, Start, End, SelfClosing };

// Sorts a tag by the characters between its < and >, and gives the content that names the
// element and holds its attributes: `a href="x"` for both <a href="x"> and <a href="x"/>.
TagKind ClassifyTag(std::u16string_view inner, std::u16string_view& content)
{
    // Comments, declarations, processing instructions and CDATA sections.
    if (!inner.empty() && (inner.front() == u'!' || inner.front() == u'?'))
        return TagKind::Skip;
    TagKind kind = TagKind::Start;
    size_t first = 0;
    size_t last = inner.size();
    if (!inner.empty() && inner.front() == u'/') {
        kind = TagKind::End;
        first = 1;
    }
    // A slash right before the > wins, even in </a/>; in </> it is the same slash as the
    // end-tag one and leaves the content empty.
    if (!inner.empty() && inner.back() == u'/') {
        kind = TagKind::SelfClosing;
        if (last > first)
            --last;
    }
    content = inner.substr(first, last - first);
    return kind;
}

// The end of a start tag's content: the tag without a slash right before its >.
size_t ContentEnd(std::u16string_view text, size_t first, size_t close)
{
    return close > first && text[close - 1] == u'/' ? close - 1 : close;
}

// Where a start tag's content and its attribute text start, and where its > is once known.
struct StartTag {
    std::u16string_view text;
    size_t first;
    size_t attributes;
    size_t close;

    // The end of the attribute text, trimmed of white space.
    size_t End() const
    {
        size_t end = ContentEnd(text, first, close);
        while (end > attributes && IsBlank(text[end - 1]))
            --end;
        return end;
    }
};

// The delimiters of a start tag's attributes, searched for together with the tag's >, so that
// the tag is read once: the search that meets the > instead ends the attribute text. A > must
// follow in the text.
struct DelimitersBeforeClose : StartTag {
    size_t Next(char16_t ch, size_t from)
    {
        const size_t at = FindEither(text, ch, u'>', from);
        if (at != std::u16string_view::npos && text[at] != u'>')
            return at;
        // Without a > the tag would run to the end of the text; the caller rules that out.
        close = std::min(at, text.size());
        return std::u16string_view::npos;
    }
};

// The same for a tag whose > lies within the 64 characters from its first one, read from bit
// masks of those characters: each search is a shift and a count of trailing zeros.
struct DelimitersInWindow : StartTag {
    // The "=" and the quotes before the >, bit i standing for the character at first + i.
    uint64_t equals;
    uint64_t quotes;

    // `from` never lies past the >, so the shift stays below 64.
    size_t Next(char16_t ch, size_t from) const
    {
        const uint64_t after = (ch == u'=' ? equals : quotes) >> (from - first);
        return after ? from + static_cast<size_t>(std::countr_zero(after)) : std::u16string_view::npos;
    }
};

// A start tag without attributes: all of it but a slash before the > names the element.
void TakeName(const CString& text, CXmlElement& element, size_t first, size_t close)
{
    element.m_strName.SetPartAt(text, first, ContentEnd(text.view(), first, close) - first);
    element.m_strAttributes.Empty();
    element.m_attributes.RemoveAll();
}

// A start tag with attributes: the name runs to the blank at `nameEnd`, the attribute text from
// there to where `delimiters` finds the >. Both are read in place from the document's text.
template <typename Delimiters>
void TakeNameAndAttributes(const CString& text, CXmlElement& element, size_t nameEnd, Delimiters& delimiters)
{
    element.m_strName.SetPartAt(text, delimiters.first, nameEnd - delimiters.first);
    element.m_attributes.SplitPartOf(text, nameEnd + 1, delimiters);
    const size_t end = delimiters.End();
    size_t from = nameEnd + 1;
    while (from < end && IsBlank(text.view()[from]))
        ++from;
    element.m_strAttributes.SetPartAt(text, from, end - from);
}

}  // namespace

CXmlDocument::CXmlDocument() : m_pCurrent(&m_root) {}

CXmlDocument::~CXmlDocument() = default;

void CXmlDocument::ClearRoot()
{
    m_pCurrent = &m_root;
    m_root.m_pParent = nullptr;
    m_root.m_strName.Empty();
    m_root.m_strAttributes.Empty();
    // Attributes of an earlier root would otherwise show through on the new one.
    m_root.m_attributes.RemoveAll();
    m_root.m_strValue.Empty();
}

void CXmlDocument::Reset(CString text)
{
    m_root.MoveDescendantsTo(m_spare);
    ClearRoot();
    m_strText = std::move(text);
}

int CXmlDocument::Load(const CString& path)
{
    CString text;
    if (!ReadFileAsText(path, text))
        return 0;
    std::u16string chars = text.str();
    chars.erase(std::remove_if(chars.begin(), chars.end(),
                               [](char16_t ch) { return ch == u'\r' || ch == u'\n' || ch == u'\t'; }),
                chars.end());
    Parse(CString(std::move(chars)));
    return 1;
}

int CXmlDocument::Parse(CString text)
{
    m_strText = std::move(text);
    ParseText();
    return 1;
}

int CXmlDocument::ParseCopyOf(const char16_t* text)
{
    const std::u16string_view view = text ? std::u16string_view(text, TextLength(text)) : std::u16string_view();
    if (view.size() > m_strText.str().capacity()) {
        // A copy that cannot be made leaves the text and the tree as they were.
        m_strText = CString(view);
    } else {
        m_strText.Empty();
        m_strText += view;
    }
    ParseText();
    return 1;
}

void CXmlDocument::ParseText()
{
    // The previous tree stays where it is: each element the text opens takes the element the
    // previous tree had at the same place, with its strings and its children, so a text like
    // the last one only rewrites strings, and no element is moved or freed.
    ClearRoot();
    m_root.m_posChild = m_root.m_children.begin();
    // The scanner alternates between text and tags: text runs to the next <, a tag to the next >.
    // So a > in text is an ordinary character, and so is a < inside a tag (as in an attribute
    // value the host did not escape); neither disturbs the tree.
    constexpr size_t npos = std::u16string_view::npos;
    const std::u16string_view all = m_strText.view();
    // A tag that starts before the last > is not cut off by the end of the text.
    const size_t lastClose = all.rfind(u'>');
    size_t pos = 0;
    try {
        while (pos < all.size()) {
            // Between tags there is mostly indentation, often nothing but.
            const size_t first = SkipBlanks(all, pos);
            const size_t open = first < all.size() && all[first] == u'<' ? first : FindChar(all, u'<', first);
            if (open == npos)
                break;  // text after the last tag belongs to no element
            // The last text run before a tag wins, even an empty one.
            size_t textEnd = open;
            while (textEnd > first && IsBlank(all[textEnd - 1]))
                --textEnd;
            m_pCurrent->m_strValue.SetPartAt(m_strText, first, textEnd - first);
            const size_t inner = open + 1;
            size_t close;
            if (lastClose != npos && inner <= lastClose && all[inner] != u'/' && all[inner] != u'!' &&
                all[inner] != u'?') {
                close = TakeStartTag(inner);
            } else {
                close = FindChar(all, u'>', inner);
                if (close == npos)
                    break;  // a tag cut off by the end of the text is dropped
                TakeTag(inner, close);
            }
            pos = close + 1;
        }
    } catch (...) {
        // Out of memory: what was built stays, without anything of the previous tree.
        for (CXmlElement* element = m_pCurrent; element; element = element->m_pParent)
            CloseElement(*element);
        DropSpare();
        throw;
    }
    // Elements the text left open end here.
    for (CXmlElement* element = m_pCurrent; element; element = element->m_pParent)
        CloseElement(*element);
    DropSpare();
}

CXmlElement& CXmlDocument::OpenChild()
{
    CXmlElement& parent = *m_pCurrent;
    if (parent.m_posChild == parent.m_children.end())
        return parent.AddChild(m_spare);
    CXmlElement& child = *parent.m_posChild;
    ++parent.m_posChild;
    // The name and the attribute text are written over by the tag; the strings of the
    // attributes stay for the attributes it gives.
    child.m_attributes.RemoveAll();
    child.m_strValue.Empty();
    child.m_posChild = child.m_children.begin();
    return child;
}

void CXmlDocument::CloseElement(CXmlElement& element)
{
    m_spare.splice(m_spare.end(), element.m_children, element.m_posChild, element.m_children.end());
    element.m_posChild = element.m_children.end();
}

CXmlElement& CXmlDocument::OpenElement()
{
    // The first start tag names the root; each one after it opens a child of the current element.
    if (m_root.m_strName.IsEmpty())
        return m_root;
    m_pCurrent = &OpenChild();
    return *m_pCurrent;
}

size_t CXmlDocument::TakeStartTag(size_t first)
{
    constexpr size_t npos = std::u16string_view::npos;
    const std::u16string_view all = m_strText.view();
    CXmlElement& element = OpenElement();
    // The name runs to the first blank, the rest is the attribute text; either may meet the >.
    size_t close = npos;
    // Most tags end within their first 64 characters.
    static constexpr char16_t kDelimiters[4] = {u'>', u' ', u'=', u'"'};
    uint64_t masks[4] = {};
    const bool window = all.size() - first >= 64;
    if (window)
        CharMasks64(all.data() + first, kDelimiters, masks);
    if (window && masks[0] != 0) {
        const int closeBit = std::countr_zero(masks[0]);
        const uint64_t beforeClose = (uint64_t{1} << closeBit) - 1;
        close = first + static_cast<size_t>(closeBit);
        const size_t nameEnd = first + static_cast<size_t>(std::countr_zero(masks[0] | masks[1]));
        if (nameEnd == close) {
            TakeName(m_strText, element, first, close);
        } else {
            DelimitersInWindow delimiters{{all, first, nameEnd + 1, close}, masks[2] & beforeClose, masks[3] & beforeClose};
            TakeNameAndAttributes(m_strText, element, nameEnd, delimiters);
        }
    } else {
        const size_t nameEnd = std::min(FindEither(all, u' ', u'>', first), all.size());
        if (nameEnd == all.size() || all[nameEnd] == u'>') {
            close = nameEnd;
            TakeName(m_strText, element, first, close);
        } else {
            DelimitersBeforeClose delimiters{{all, first, nameEnd + 1, npos}};
            TakeNameAndAttributes(m_strText, element, nameEnd, delimiters);
            close = delimiters.close;
        }
    }
    // A slash right before the > closes the element again.
    if (close > first && all[close - 1] == u'/' && m_pCurrent->m_pParent) {
        CloseElement(*m_pCurrent);
        m_pCurrent = m_pCurrent->m_pParent;
    }
    return close;
}

void CXmlDocument::TakeTag(size_t first, size_t close)
{
    constexpr size_t npos = std::u16string_view::npos;
    const std::u16string_view all = m_strText.view();
    std::u16string_view content;
    TagKind kind = ClassifyTag(all.substr(first, close - first), content);
    if (kind == TagKind::Skip)
        return;
    if (kind == TagKind::Start || kind == TagKind::SelfClosing) {
        CXmlElement* element = &OpenElement();
        // Taking the tag: the name runs to the first blank, the rest is the attribute text.
        const size_t contentStart = static_cast<size_t>(content.data() - all.data());
        const size_t contentEnd = contentStart + content.size();
        const size_t space = FindChar(all.substr(0, contentEnd), u' ', contentStart);
        element->m_strName.SetPartAt(m_strText, contentStart, (space == npos ? contentEnd : space) - contentStart);
        if (space == npos) {
            // A nameless tag before may have given the root attributes; they are not this tag's.
            element->m_strAttributes.Empty();
            element->m_attributes.RemoveAll();
        } else {
            const std::u16string_view attributes = TrimBlanks(all.substr(space + 1, contentEnd - space - 1));
            const size_t from = static_cast<size_t>(attributes.data() - all.data());
            const size_t end = from + attributes.size();
            element->m_strAttributes.SetPartAt(m_strText, from, attributes.size());
            CXmlAttributes::SearchedDelimiters delimiters{all.substr(0, end)};
            element->m_attributes.SplitPartOf(m_strText, from, delimiters);
        }
    }
    // End tags are not matched against the open element: any end tag closes it, and a surplus
    // one at the root is ignored.
    if ((kind == TagKind::End || kind == TagKind::SelfClosing) && m_pCurrent->m_pParent) {
        CloseElement(*m_pCurrent);
        m_pCurrent = m_pCurrent->m_pParent;
    }
}

CXmlElement* CXmlDocument::GetFirstChild(CXmlElement* element)
{
    if (!element)
        return nullptr;
    auto first = element->m_children.begin();
    if (first == element->m_children.end()) {
        element->m_posChild = element->m_children.end();
        return nullptr;
    }
    element->m_posChild = std::next(first);
    return &*first;
}

CXmlElement* CXmlDocument::GetNextChild(CXmlElement* element)
{
    if (!element || element->m_posChild == element->m_children.end())
        return nullptr;
    CXmlElement* child = &*element->m_posChild;
    ++element->m_posChild;
    return child;
}
