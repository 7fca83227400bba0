// The JSON front end of CXmlDocument: builds the element tree from the tokeniser's flat array, and
// reads an icon map straight from the tokens without building a tree.
#include "icons/json_icon_map.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "icons/file_text.h"
#include "icons/json_token.h"
#include "icons/text_scan.h"
#include "icons/xml_document.h"

namespace {

// Marks a token array that cannot be read as a tree.
constexpr int kInvalid = -1;

std::u16string_view TokenText(std::u16string_view text, const CJsonToken& token)
{
    return text.substr(static_cast<size_t>(token.m_nStart), static_cast<size_t>(token.m_nEnd - token.m_nStart));
}

// What BuildFromTokens makes of the tokens. A sink hands out handles to the elements it keeps;
// a null handle stands for an element nobody keeps, whose tokens are only checked and consumed.
//   Handle AddMember(Handle parent)                         a new, unnamed last child
//   Handle AddItem(Handle parent, std::u16string_view name) a new last child with that name
//   void SetName(Handle, std::u16string_view), void SetValue(Handle, std::u16string_view)

// The element tree of a CXmlDocument, its elements taken from the document's pool and handled
// by their numbers, which linking a new child needs. The tree keeps none of the JSON text: its
// names and texts are copied into one string, the document's m_strText, and read in place from
// there. Brackets, quotes, blanks and repeated keys cost nothing, so the tree holds less than
// the text it was built from.
class TreeSink {
public:
    using Handle = uint32_t;

    TreeSink(CXmlElementPool& pool, CString& strings) : m_pool(pool), m_strings(strings) {}

    Handle AddMember(Handle parent)
    {
        Handle child = 0;
        m_pool.AddChildOf(parent, child);
        return child;
    }
    Handle AddItem(Handle parent, std::u16string_view name)
    {
        Handle item = 0;
        m_pool.AddChildOf(parent, item);
        SetName(item, name);
        return item;
    }
    // Each string is followed by the character that ends it when the element reads it in place,
    // as a tag's name ends at its > and an element's text at the next <: the element then keeps
    // the string's start alone and needs no record of where it ends. A string that holds such a
    // character itself (or ends in a blank, or a name in a slash) still gets a record.
    void SetName(Handle element, std::u16string_view part) { Keep(m_pool.At(element)->m_strName, part, u'>'); }
    void SetValue(Handle element, std::u16string_view part) { Keep(m_pool.At(element)->m_strValue, part, u'<'); }

private:
    // Short strings are kept once however often they occur: the keys of a map's fields repeat
    // on every glyph, and the items of an array all bear their array's key. Longer ones are
    // seldom repeated and not worth the lookup. Repeated keys show up early, so the table stops
    // taking new strings once it holds kSharedCount, which bounds what a huge text costs.
    static constexpr size_t kSharedLength = 32;
    static constexpr size_t kSharedCount = size_t{1} << 16;

    // A string kept in m_strings: where it starts plus one (0 marks a free slot), its length and
    // its hash. The hash and the comparison take in the character after it, so a name and a
    // text of the same characters are kept apart.
    struct Shared {
        uint32_t start = 0;
        uint32_t length = 0;
        uint64_t hash = 0;
    };

    static uint64_t Hash(std::u16string_view part, char16_t end)
    {
        uint64_t hash = 0xcbf29ce484222325u;  // FNV-1a over the characters
        for (char16_t ch : part)
            hash = (hash ^ ch) * 0x100000001b3u;
        return (hash ^ end) * 0x100000001b3u;
    }

    bool IsKeptAt(const Shared& slot, std::u16string_view part, char16_t end) const
    {
        return slot.length == part.size() && m_strings.view().substr(slot.start - 1, slot.length) == part &&
               m_strings.view()[slot.start - 1 + slot.length] == end;
    }

    // The slot of the string, or the free slot where it goes. The table is at most half full.
    Shared& Find(std::u16string_view part, char16_t end, uint64_t hash)
    {
        const size_t mask = m_table.size() - 1;
        for (size_t i = static_cast<size_t>(hash) & mask;; i = (i + 1) & mask) {
            Shared& slot = m_table[i];
            if (slot.start == 0 || (slot.hash == hash && IsKeptAt(slot, part, end)))
                return slot;
        }
    }

    // Where the short string lies in m_strings once kept there, or npos.
    size_t FindShared(std::u16string_view part, char16_t end, uint64_t hash)
    {
        if (m_table.empty())
            return std::u16string_view::npos;
        const Shared& slot = Find(part, end, hash);
        return slot.start == 0 ? std::u16string_view::npos : slot.start - 1;
    }

    void AddShared(std::u16string_view part, char16_t end, uint64_t hash, size_t start)
    {
        // Positions are kept in 32 bits; strings further out are not shared.
        if (m_count >= kSharedCount || start >= UINT32_MAX - 1)
            return;
        if (2 * (m_count + 1) > m_table.size()) {
            std::vector<Shared> old(std::max<size_t>(1024, 2 * m_table.size()));
            old.swap(m_table);
            // Slots are moved by their hash alone: the strings in the table are all different.
            const size_t mask = m_table.size() - 1;
            for (const Shared& slot : old) {
                if (slot.start == 0)
                    continue;
                size_t i = static_cast<size_t>(slot.hash) & mask;
                while (m_table[i].start != 0)
                    i = (i + 1) & mask;
                m_table[i] = slot;
            }
        }
        Find(part, end, hash) = Shared{static_cast<uint32_t>(start + 1), static_cast<uint32_t>(part.size()), hash};
        ++m_count;
    }

    template <typename Text>
    void Keep(Text& target, std::u16string_view part, char16_t end)
    {
        if (part.empty()) {
            target.Empty();
            return;
        }
        size_t start = static_cast<size_t>(m_strings.GetLength());
        if (part.size() <= kSharedLength) {
            const uint64_t hash = Hash(part, end);
            const size_t found = FindShared(part, end, hash);
            if (found != std::u16string_view::npos) {
                start = found;
            } else {
                m_strings += part;
                m_strings += end;
                AddShared(part, end, hash, start);
            }
        } else {
            m_strings += part;
            m_strings += end;
        }
        // A part of the document's own text is read in place.
        target.SetPartOf(m_strings, m_strings.view().substr(start, part.size()));
    }

    CXmlElementPool& m_pool;
    CString& m_strings;
    // Open addressing over the short strings kept so far.
    std::vector<Shared> m_table;
    size_t m_count = 0;
};

// The name an array's items take: its key, without white space at either end, or "unknown".
std::u16string_view ArrayItemName(std::u16string_view text, const std::vector<CJsonToken>& tokens, const CJsonToken& array)
{
    if (array.m_nParent >= 0 && tokens[static_cast<size_t>(array.m_nParent)].m_nType == JSON_STRING)
        return TrimBlanks(TokenText(text, tokens[static_cast<size_t>(array.m_nParent)]));
    return u"unknown";
}

// Builds the token at `index` into `target` (or only consumes it when the handle is null) and
// returns how many tokens it consumed, `remaining` being the tokens from `index` on; kInvalid for
// a key with no value or nesting deeper than kMaxJsonNesting. Recursion follows the nesting of
// objects and arrays, so the depth check bounds the stack.
template <typename Sink>
int BuildFromTokens(std::u16string_view text, const std::vector<CJsonToken>& tokens, int index, int remaining,
                    typename Sink::Handle target, int depth, Sink& sink)
{
    if (remaining <= 0)
        return 0;
    const CJsonToken& token = tokens[static_cast<size_t>(index)];
    switch (token.m_nType) {
    case JSON_PRIMITIVE:
        // A bare word with children is a key, and a bare key names nothing.
        if (token.m_nSize == 0 && target)
            sink.SetValue(target, TokenText(text, token));
        return 1;
    case JSON_STRING:
        if (target) {
            if (token.m_nSize == 0)
                sink.SetValue(target, TokenText(text, token));
            else
                sink.SetName(target, TokenText(text, token));
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
            typename Sink::Handle member = (target && !array) ? sink.AddMember(target) : typename Sink::Handle{};
            int consumed = BuildFromTokens(text, tokens, key, end - key, member, depth + 1, sink);
            if (consumed == kInvalid)
                return kInvalid;
            used += consumed;
            const int value = index + used;
            if (value >= end)
                return kInvalid;
            consumed = BuildFromTokens(text, tokens, value, end - value, array ? target : member, depth + 1, sink);
            if (consumed == kInvalid)
                return kInvalid;
            used += consumed;
        }
        return used;
    }
    case JSON_ARRAY: {
        if (depth > CXmlDocument::kMaxJsonNesting)
            return kInvalid;
        const std::u16string_view name = ArrayItemName(text, tokens, token);
        const int end = index + remaining;
        int used = 1;
        for (int k = 0; k < token.m_nSize; ++k) {
            typename Sink::Handle item = target ? sink.AddItem(target, name) : typename Sink::Handle{};
            const int consumed = BuildFromTokens(text, tokens, index + used, end - (index + used), item, depth + 1, sink);
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

// The three levels of the tree under the root that an icon map uses (the "icons" elements, their
// glyphs, the glyphs' fields), as views into the text, in the order the tree would list them:
// each element is followed by its descendants, so a field belongs to the glyph last seen and a
// glyph to the "icons" element last seen. Deeper elements are not kept.
struct IconMapSink {
    struct Node {
        int level = 0;
        std::u16string_view name;
        std::u16string_view value;
    };
    // A handle is a node's position plus one; 0 is none. The root is node 0.
    using Handle = size_t;
    static constexpr int kFieldLevel = 3;
    std::vector<Node> nodes;

    Handle Add(Handle parent, std::u16string_view name)
    {
        const int level = nodes[parent - 1].level + 1;
        if (level > kFieldLevel)
            return 0;
        nodes.push_back({level, name, {}});
        return nodes.size();
    }
    Handle AddMember(Handle parent) { return Add(parent, {}); }
    Handle AddItem(Handle parent, std::u16string_view name) { return Add(parent, name); }
    void SetName(Handle node, std::u16string_view text) { nodes[node - 1].name = text; }
    void SetValue(Handle node, std::u16string_view text) { nodes[node - 1].value = text; }
};

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
    // The tree is built from the text into the emptied document, whose m_strText then holds the
    // tree's names and texts instead of the JSON text.
    Reset(CString());
    const std::u16string_view all = text.view();
    std::vector<CJsonToken> tokens;
    int result = TokenizeJson(all, tokens);
    if (result == 0) {
        TreeSink sink(m_pool, m_strText);
        constexpr TreeSink::Handle kRoot = 1;
        sink.SetName(kRoot, u"JSON");
        // Further values at the top are ignored.
        const int count = static_cast<int>(tokens.size());
        if (count > 0 && BuildFromTokens(all, tokens, 0, count, kRoot, 1, sink) == kInvalid) {
            Reset(CString());
            result = JSON_ERROR_INVAL;
        }
    }
    DropSpare();
    // The strings grew by doubling; the tree keeps them at their length. Texts are kept as
    // positions in m_strText, which stays the same object.
    if (m_strText.str().capacity() > m_strText.str().size())
        m_strText = CString(m_strText.view());
    return result;
}

bool AppendJsonIconMapText(std::u16string_view all, CStringArray& map)
{
    std::vector<CJsonToken> tokens;
    if (TokenizeJson(all, tokens) != 0)
        return false;
    IconMapSink sink;
    sink.nodes.push_back({0, u"JSON", {}});
    const int count = static_cast<int>(tokens.size());
    if (count > 0 && BuildFromTokens(all, tokens, 0, count, IconMapSink::Handle{1}, 1, sink) == kInvalid)
        return false;

    // The same entries, in the same order, as walking the tree of the file would give: for each
    // field of each glyph of each "icons" element (any case), the field's text with entity
    // references decoded, a bar, and the glyph's key.
    bool inIcons = false;
    std::u16string_view glyph;
    for (const IconMapSink::Node& node : sink.nodes) {
        if (node.level == 1) {
            inIcons = IsIconsName(node.name);
        } else if (node.level == 2) {
            glyph = node.name;
        } else if (node.level == IconMapSink::kFieldLevel && inIcons) {
            CString entry;
            if (FindChar(node.value, u'&', 0) == std::u16string_view::npos) {
                entry.Preallocate(static_cast<int>(node.value.size() + 1 + glyph.size()));
                entry += node.value;
            } else {
                entry = CXmlDocument::DecodeEntities(CString(node.value));
            }
            entry += u'|';
            entry += glyph;
            map.Add(std::move(entry));
        }
    }
    return true;
}
