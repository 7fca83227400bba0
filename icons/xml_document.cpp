// CXmlDocument: loading, the forgiving tag scanner, attribute splitting and child navigation.
#include "icons/xml_document.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "icons/file_text.h"
#include "icons/text_scan.h"
#include "platform/text_convert.h"

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

// Where the > and the blanks are among the 64 characters from `at`, which must all lie in the
// text: bit i of `closes` is set when at[i] is a >, of `blanks` when it is a blank. The text
// ahead is asked for meanwhile, since a large structure streams in from memory tag by tag.
inline void CloseAndBlankMasks(const char16_t* at, uint64_t& closes, uint64_t& blanks)
{
#ifdef __SSE2__
    __builtin_prefetch(at + 2048);
    // Packing sixteen characters into bytes turns those above 255 into 255 and those from
    // U+8000 up into 0, which keeps them apart from > and the blank.
    const __m128i close = _mm_set1_epi8('>');
    const __m128i blank = _mm_set1_epi8(' ');
    uint64_t c = 0;
    uint64_t b = 0;
#pragma GCC unroll 4
    for (int group = 0; group < 4; ++group) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * group));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16 * group + 8));
        const __m128i bytes = _mm_packus_epi16(low, high);
        const int shift = 16 * group;
        c |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, close)))) << shift;
        b |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, blank)))) << shift;
    }
    closes = c;
    blanks = b;
#else
    closes = 0;
    blanks = 0;
    for (int i = 0; i < 64; ++i) {
        closes |= static_cast<uint64_t>(at[i] == u'>') << i;
        blanks |= static_cast<uint64_t>(at[i] == u' ') << i;
    }
#endif
}

// The end of a start tag's content: the tag without a slash right before its >.
size_t ContentEnd(std::u16string_view text, size_t first, size_t close)
{
    return close > first && text[close - 1] == u'/' ? close - 1 : close;
}

}  // namespace

CXmlDocument::CXmlDocument() : m_pCurrent(&m_root)
{
    m_root.m_pPool = &m_pool;
}

CXmlDocument::~CXmlDocument() = default;

void CXmlDocument::ClearRoot()
{
    m_pCurrent = &m_root;
    m_nCurrent = 1;
    m_bRootNamed = false;
    m_root.m_pParent.m_index = 0;
    m_root.m_strName.Empty();
    m_root.m_strAttributes.Empty();
    m_root.m_children.m_last = 0;
    m_pool.SetChildCursor(m_root, 0);
    m_root.m_strValue.Empty();
}

void CXmlDocument::Reset(CString text)
{
    m_pool.Clear();
    ClearRoot();
    m_strText = std::move(text);
}

int CXmlDocument::Load(const CString& path)
{
    std::string bytes;
    std::string_view used;
    if (!ReadFileTextBytes(path, bytes, used))
        return 0;
    // One pass decodes the file and drops its line breaks and tabs; the document takes the result.
    Parse(CString(Utf8ToUtf16WithoutBreaksAndTabs(used)));
    return 1;
}

int CXmlDocument::Parse(CString text)
{
    // The old tree reads its strings from the old text: it goes first.
    m_pool.Clear();
    ClearRoot();
    m_strText = std::move(text);
    ParseText();
    return 1;
}

int CXmlDocument::ParseCopyOf(const char16_t* text)
{
    if (!text)
        text = u"";
    // The old tree reads its strings from the old text: it goes first. The host's text is then
    // copied over the old one's characters, which a new structure mostly matches in size, and
    // its end is found in the same pass, so that it is read from memory once.
    m_pool.Clear();
    ClearRoot();
    const size_t old = m_strText.str().size();
    const size_t copied = CopyTextUpTo(m_strText.GetBuffer(0), text, old);
    if (copied < old || text[copied] == 0) {
        m_strText.ReleaseBuffer(static_cast<int>(copied));
        // The buffer of a much longer text is not kept for a short one.
        if (copied < old / 2)
            m_strText = CString(m_strText.view());
    } else {
        // A longer text takes a buffer of its own size. A copy that cannot be made leaves the
        // text and the tree empty, since the text's start is already copied over the old one.
        const std::u16string_view whole(text, copied + TextLength(text + copied));
        try {
            m_strText = CString(whole);
        } catch (...) {
            m_strText.Empty();
            throw;
        }
    }
    ParseText();
    return 1;
}

void CXmlDocument::ParseText()
{
    // The scanner alternates between text and tags: text runs to the next <, a tag to the next >.
    // So a > in text is an ordinary character, and so is a < inside a tag (as in an attribute
    // value the host did not escape); neither disturbs the tree.
    constexpr size_t npos = std::u16string_view::npos;
    const std::u16string_view all = m_strText.view();
    // A tag that starts before the last > is not cut off by the end of the text.
    const size_t lastClose = all.rfind(u'>');
    size_t pos = 0;
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
        m_pCurrent->m_strValue.SetInPlace(first, textEnd - first);
        const size_t inner = open + 1;
        if (lastClose == npos || inner > lastClose)
            break;  // a tag cut off by the end of the text is dropped
        size_t close;
        if (all[inner] == u'/') {
            // An end tag closes the current element, unless a slash before its > makes it
            // something else.
            close = FindChar(all, u'>', inner + 1);
            if (all[close - 1] != u'/')
                CloseCurrent();
            else
                TakeTag(inner, close);
        } else if (all[inner] != u'!' && all[inner] != u'?') {
            close = TakeStartTag(inner);
        } else {
            close = FindChar(all, u'>', inner + 1);
            TakeTag(inner, close);
        }
        pos = close + 1;
    }
    m_pool.ReleaseUnused();
}

// Both run once per tag, from the scanner's loop alone, which they are part of.
[[gnu::always_inline]] inline CXmlElement& CXmlDocument::OpenElement(bool named)
{
    // Start tags name the root until one gives it a name; each one after that opens a child of
    // the current element.
    if (!m_bRootNamed) {
        m_bRootNamed = named;
        return m_root;
    }
    CXmlElement& child = m_pool.AddChildOf(m_nCurrent, m_nCurrent);
    m_pCurrent = &child;
    return child;
}

[[gnu::always_inline]] inline size_t CXmlDocument::TakeStartTag(size_t first)
{
    const std::u16string_view all = m_strText.view();
    // The name runs to the first blank, the rest is the attribute text; either may meet the >,
    // which the caller knows to follow. Most tags end within their first 64 characters, whose
    // blanks and > one look finds.
    size_t nameEnd;
    size_t close;
    uint64_t closes = 0;
    uint64_t blanks = 0;
    if (all.size() - first >= 64)
        CloseAndBlankMasks(all.data() + first, closes, blanks);
    if (closes != 0) {
        close = first + static_cast<size_t>(std::countr_zero(closes));
        nameEnd = first + static_cast<size_t>(std::countr_zero(closes | blanks));
    } else {
        nameEnd = FindEither(all, u' ', u'>', first);
        close = all[nameEnd] == u'>' ? nameEnd : FindChar(all, u'>', nameEnd + 1);
    }
    if (nameEnd == close) {
        const size_t length = ContentEnd(all, first, close) - first;
        CXmlElement& element = OpenElement(length > 0);
        element.m_strName.SetInPlace(first, length);
        element.m_strAttributes.Empty();
    } else {
        CXmlElement& element = OpenElement(nameEnd > first);
        element.m_strName.SetInPlace(first, nameEnd - first);
        const size_t from = SkipBlanks(all, nameEnd + 1);
        size_t end = ContentEnd(all, first, close);
        while (end > from && IsBlank(all[end - 1]))
            --end;
        element.m_strAttributes.SetInPlace(from, end > from ? end - from : 0);
    }
    // A slash right before the > closes the element again.
    if (all[close - 1] == u'/')
        CloseCurrent();
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
        // Taking the tag: the name runs to the first blank, the rest is the attribute text.
        const size_t contentStart = static_cast<size_t>(content.data() - all.data());
        const size_t contentEnd = contentStart + content.size();
        const size_t space = FindChar(all.substr(0, contentEnd), u' ', contentStart);
        const size_t nameEnd = space == npos ? contentEnd : space;
        CXmlElement& element = OpenElement(nameEnd > contentStart);
        element.m_strName.SetInPlace(contentStart, nameEnd - contentStart);
        if (space == npos) {
            element.m_strAttributes.Empty();
        } else {
            const std::u16string_view attributes = TrimBlanks(all.substr(space + 1, contentEnd - space - 1));
            element.m_strAttributes.SetInPlace(static_cast<size_t>(attributes.data() - all.data()), attributes.size());
        }
    }
    // End tags are not matched against the open element: any end tag closes it, and a surplus
    // one at the root is ignored.
    if (kind == TagKind::End || kind == TagKind::SelfClosing)
        CloseCurrent();
}

CXmlElement* CXmlDocument::GetFirstChild(CXmlElement* element)
{
    if (!element || element->m_children.empty()) {
        if (element && element->m_pPool)
            element->m_pPool->SetChildCursor(*element, 0);
        return nullptr;
    }
    const uint32_t first = element->m_children.First();
    CXmlElement* child = element->m_pPool->At(first);
    element->m_pPool->SetChildCursor(*element, first == element->m_children.m_last ? 0 : child->m_nNextSibling);
    return child;
}

CXmlElement* CXmlDocument::GetNextChild(CXmlElement* element)
{
    if (!element || !element->m_pPool)
        return nullptr;
    const uint32_t next = element->m_pPool->ChildCursor(*element);
    if (next == 0)
        return nullptr;
    CXmlElement* child = element->m_pPool->At(next);
    element->m_pPool->SetChildCursor(*element, next == element->m_children.m_last ? 0 : child->m_nNextSibling);
    return child;
}
