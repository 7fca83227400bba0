// CXmlDocument and CXmlElement: a forgiving reader that turns XML (or JSON) text into an element tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "icons/xml_attributes.h"
#include "icons/xml_element_pool.h"
#include "icons/xml_text.h"
#include "platform/cstring.h"
#include "platform/object.h"

class CXmlElement;
class CXmlElementPool;

// The parent of an element, kept as its number in the pool. It reads as an element pointer,
// null for the root.
class CXmlParentLink {
public:
    operator CXmlElement*() const;
    CXmlElement* operator->() const { return *this; }

private:
    friend class CXmlElement;
    friend class CXmlDocument;
    uint32_t m_index = 0;
};

// An element's children in document order, kept as the number of the last one: each child
// leads to the next, and the last back to the first, so that both ends are at hand.
class CXmlElementList {
public:
    template <typename Element>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CXmlElement;
        using difference_type = std::ptrdiff_t;
        using pointer = Element*;
        using reference = Element&;

        Iterator() = default;
        Iterator(const CXmlElementPool* pool, uint32_t at, uint32_t last) : m_pool(pool), m_at(at), m_last(last) {}
        Element& operator*() const;
        Element* operator->() const { return &**this; }
        Iterator& operator++();
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.m_at == b.m_at; }
        friend bool operator!=(const Iterator& a, const Iterator& b) { return a.m_at != b.m_at; }

    private:
        const CXmlElementPool* m_pool = nullptr;
        uint32_t m_at = 0;  // 0 past the last child
        uint32_t m_last = 0;
    };
    using iterator = Iterator<CXmlElement>;
    using const_iterator = Iterator<const CXmlElement>;

    // Children last first. Siblings lead only forward, so the walk takes the children's numbers
    // once, when it starts, and the iterators share them.
    template <typename Element>
    class ReverseIterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CXmlElement;
        using difference_type = std::ptrdiff_t;
        using pointer = Element*;
        using reference = Element&;

        ReverseIterator() = default;
        ReverseIterator(const CXmlElementPool* pool, std::shared_ptr<const std::vector<uint32_t>> order)
            : m_pool(pool), m_order(std::move(order)), m_left(m_order ? m_order->size() : 0)
        {
        }
        Element& operator*() const;
        Element* operator->() const { return &**this; }
        ReverseIterator& operator++()
        {
            --m_left;
            return *this;
        }
        ReverseIterator operator++(int)
        {
            ReverseIterator before = *this;
            --m_left;
            return before;
        }
        friend bool operator==(const ReverseIterator& a, const ReverseIterator& b) { return a.m_left == b.m_left; }
        friend bool operator!=(const ReverseIterator& a, const ReverseIterator& b) { return a.m_left != b.m_left; }

    private:
        const CXmlElementPool* m_pool = nullptr;
        std::shared_ptr<const std::vector<uint32_t>> m_order;
        size_t m_left = 0;  // children still to come; 0 past the first
    };
    using reverse_iterator = ReverseIterator<CXmlElement>;
    using const_reverse_iterator = ReverseIterator<const CXmlElement>;

    CXmlElementList() = default;
    CXmlElementList(const CXmlElementList&) = delete;
    CXmlElementList& operator=(const CXmlElementList&) = delete;

    bool empty() const { return m_last == 0; }
    size_t size() const;
    iterator begin();
    iterator end() { return {}; }
    const_iterator begin() const;
    const_iterator end() const { return {}; }
    CXmlElement& front() { return *begin(); }
    const CXmlElement& front() const { return *begin(); }
    CXmlElement& back();
    const CXmlElement& back() const;
    reverse_iterator rbegin() { return {Pool(), Order()}; }
    reverse_iterator rend() { return {}; }
    const_reverse_iterator rbegin() const { return {Pool(), Order()}; }
    const_reverse_iterator rend() const { return {}; }

private:
    friend class CXmlElement;
    friend class CXmlDocument;
    const CXmlElementPool* Pool() const;
    uint32_t First() const;
    // The children's numbers in document order; null without children.
    std::shared_ptr<const std::vector<uint32_t>> Order() const;
    uint32_t m_last = 0;
};

// An element's attributes: the `name="value"` pairs of its raw attribute text, read from that
// text when asked for, so that a tag's attributes cost nothing until then. Keys compare exactly
// and a repeated key keeps its first place and takes the last value. Pairs set by hand are kept
// in a record of the pool and replace those of the text.
class CXmlElementAttributes {
public:
    CXmlElementAttributes() = default;
    CXmlElementAttributes(const CXmlElementAttributes&) = delete;
    CXmlElementAttributes& operator=(const CXmlElementAttributes&) = delete;

    bool Lookup(const CString& key, CString& value) const;
    int GetCount() const;
    bool IsEmpty() const;
    // Copies of the pairs in the order their keys first appeared.
    std::vector<CXmlAttributes::Pair> Pairs() const;
    void SetAt(std::u16string_view key, std::u16string_view value);
    void SetAt(const CString& key, const CString& value) { SetAt(key.view(), value.view()); }
    void RemoveAll();

private:
    const CXmlElement& Owner() const;
    CXmlElement& Owner() { return const_cast<CXmlElement&>(std::as_const(*this).Owner()); }
    // The pairs set by hand, or null when the attribute text gives them.
    const CXmlAttributes* HandSet() const;
    CXmlAttributes& MakeHandSet();
};

// The fields of an element, in one plain record, so that each of them can find the element it
// belongs to from its own place.
struct CXmlElementFields {
    // The document's pool; null for an element of no document, which stays empty.
    CXmlElementPool* m_pPool = nullptr;
    CXmlText<XmlTextKind::Name> m_strName;
    CXmlText<XmlTextKind::Attributes> m_strAttributes;
    CXmlElementList m_children;
    [[no_unique_address]] CXmlElementAttributes m_attributes;
    CXmlParentLink m_pParent;
    CXmlText<XmlTextKind::Value> m_strValue;
    // The next sibling's number (the first one's, for the last child).
    uint32_t m_nNextSibling = 0;
};

class CXmlElement : public CObject, public CXmlElementFields {
public:
    CXmlElement() = default;
    // A tree is owned by its document and never copied.
    CXmlElement(const CXmlElement&) = delete;
    CXmlElement& operator=(const CXmlElement&) = delete;
    // Elements are records of their document's pool, which frees them all at once.
    ~CXmlElement() override = default;

    const CRuntimeClass* GetRuntimeClass() const override;

    // The raw value of the attribute (exact, case-sensitive name), or the empty string.
    CString GetAttribute(const CString& name) const;
    // The element's text with entity references decoded.
    CString GetValue() const;

    // The children in document order, for walkers that only read the tree.
    const CXmlElementList& GetChildren() const { return m_children; }

    // Appends an empty child named `name` whose parent is this element. An element of no
    // document cannot have children: CInvalidArgException.
    CXmlElement& AddChild(const CString& name = CString());
    // The same without a name; `spare` is not used (it names the list in which elements once
    // waited for reuse, which the pool now does).
    CXmlElement& AddChild(CXmlElementList& spare);
    // Unlinks every child and ends any child iteration; the children's records stay in the
    // pool until the next parse.
    void RemoveAllChildren();

private:
    friend class CXmlDocument;
    friend class CXmlElementPool;
    CXmlElement& NewChild();
    // Links `child`, a new element of the same pool numbered `childIndex`, as the last child of
    // this element, numbered `ownIndex`.
    void Append(CXmlElement& child, uint32_t ownIndex, uint32_t childIndex);
};

inline CXmlElement* CXmlElementPool::At(uint32_t index) const
{
    if (index < kFirstPooled)
        return index == 0 ? nullptr : &m_root;
    const size_t at = index - kFirstPooled;
    return m_blocks[at >> kBlockBits] + (at & (kBlock - 1));
}

// Taking and linking elements is what a parse mostly does, once per tag: it is inline.
inline CXmlElement& CXmlElementPool::Add(uint32_t& index)
{
    if (m_used == m_blocks.size() * kBlock)
        AddBlock();
    CXmlElement* element = new (m_blocks[m_used >> kBlockBits] + (m_used & (kBlock - 1))) CXmlElement();
    element->m_pPool = this;
    index = static_cast<uint32_t>(m_used + kFirstPooled);
    ++m_used;
    return *element;
}

inline CXmlElement& CXmlElementPool::AddChildOf(uint32_t parent, uint32_t& index)
{
    CXmlElement& child = Add(index);
    At(parent)->Append(child, parent, index);
    return child;
}

inline void CXmlElement::Append(CXmlElement& child, uint32_t ownIndex, uint32_t childIndex)
{
    child.m_pParent.m_index = ownIndex;
    if (m_children.m_last == 0) {
        child.m_nNextSibling = childIndex;
    } else {
        CXmlElement& last = *m_pPool->At(m_children.m_last);
        child.m_nNextSibling = last.m_nNextSibling;
        last.m_nNextSibling = childIndex;
    }
    m_children.m_last = childIndex;
}

template <typename Element>
Element& CXmlElementList::Iterator<Element>::operator*() const
{
    return *m_pool->At(m_at);
}

template <typename Element>
Element& CXmlElementList::ReverseIterator<Element>::operator*() const
{
    return *m_pool->At((*m_order)[m_left - 1]);
}

template <typename Element>
CXmlElementList::Iterator<Element>& CXmlElementList::Iterator<Element>::operator++()
{
    m_at = m_at == m_last ? 0 : m_pool->At(m_at)->m_nNextSibling;
    return *this;
}

class CXmlDocument {
public:
    // EncodeEntities flags. The default escapes & < > and every character from U+0080 up; the
    // markup generators use it for element text, where quotes may stay.
    static constexpr int kEncodeDefault = 0x0;
    // Also escape the double and the single quote.
    static constexpr int kEncodeQuotes = 0x1;

    // JSON nesting beyond this many objects and arrays is refused as an invalid text, so that
    // building the tree cannot exhaust the stack.
    static constexpr int kMaxJsonNesting = 1000;

    CXmlDocument();
    CXmlDocument(const CXmlDocument&) = delete;
    CXmlDocument& operator=(const CXmlDocument&) = delete;
    virtual ~CXmlDocument();

    // Reads a UTF-8 file, removes its carriage returns, line feeds and tabs, and parses it.
    // 1 after a parse; 0 when the file cannot be read, with the tree left as it was.
    int Load(const CString& path);
    // Replaces the tree with the one built from the text. Never fails: returns 1.
    int Parse(CString text);
    // The same for a copy of the null-terminated text (null is the empty text), which the
    // previous text's characters take when they are as many or more.
    int ParseCopyOf(const char16_t* text);

    CXmlElement* GetRootElement() { return &m_root; }
    const CXmlElement* GetRootElement() const { return &m_root; }

    // Child iteration through the element's own cursor: one iteration per element at a time,
    // iterations over different elements are independent. Both give null at the end.
    static CXmlElement* GetFirstChild(CXmlElement* element);
    static CXmlElement* GetNextChild(CXmlElement* element);

    // Escapes & < > (and the quotes with kEncodeQuotes); every character from U+0080 up becomes
    // a decimal character reference.
    static CString EncodeEntities(const CString& text, int flags);
    // Resolves the five XML entities and &nbsp; (any case) and decimal character references.
    static CString DecodeEntities(const CString& text);

    // Reads a UTF-8 JSON file and parses it with ParseJson. A file that cannot be read gives
    // JSON_ERROR_INVAL with the tree left as it was.
    int LoadJson(const CString& path);
    // Builds the tree of a JSON text under a root named "JSON": object members become child
    // elements named after their keys, array items siblings named after the array's key,
    // scalars element text. 0 on success, else JSON_ERROR_INVAL or JSON_ERROR_PART with an
    // empty tree. The tree keeps no JSON text: m_strText then holds just its names and texts.
    int ParseJson(CString text);

    CString m_strText;
    CXmlElement m_root;
    CXmlElement* m_pCurrent;

private:
    // Empties the root element and makes it the current one.
    void ClearRoot();
    // Drops the tree and keeps the text of the coming parse.
    void Reset(CString text);
    // Frees the pool's blocks the new tree does not use.
    void DropSpare() { m_pool.ReleaseUnused(); }
    // Builds the tree of m_strText.
    void ParseText();
    // Acts on the characters of a tag, from `first` to its > at `close`.
    void TakeTag(size_t first, size_t close);
    // The same for a start tag (or a self-closing one) from `first`, reading up to its > and
    // giving its position; a > must follow.
    size_t TakeStartTag(size_t first);
    // The element a start tag gives: the root until a tag has named it, else a new last child
    // of the current element, which becomes the current element. `named` tells whether the
    // tag gives a name.
    CXmlElement& OpenElement(bool named);
    // A slash before the > or an end tag: the current element's parent becomes the current
    // element; at the root nothing happens.
    void CloseCurrent()
    {
        if (const uint32_t parent = m_pCurrent->m_pParent.m_index) {
            m_nCurrent = parent;
            m_pCurrent = m_pool.At(parent);
        }
    }

    CXmlElementPool m_pool{m_root, m_strText};
    // The number of m_pCurrent while a parse builds the tree.
    uint32_t m_nCurrent = 1;
    // Whether a start tag has named the root during the current parse.
    bool m_bRootNamed = false;
};
