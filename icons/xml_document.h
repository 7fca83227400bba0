// CXmlDocument and CXmlElement: a forgiving reader that turns XML (or JSON) text into an element tree.
#pragma once

#include <list>
#include <string_view>

#include "icons/xml_attributes.h"
#include "icons/xml_text.h"
#include "platform/cstring.h"
#include "platform/object.h"

class CXmlElement;

// Children are held by value in a list, so element addresses and the child cursor stay valid
// while siblings are appended.
using CXmlElementList = std::list<CXmlElement>;

class CXmlElement : public CObject {
public:
    CXmlElement();
    // A tree is owned by its document and never copied.
    CXmlElement(const CXmlElement&) = delete;
    CXmlElement& operator=(const CXmlElement&) = delete;
    // Deletes the whole subtree without recursion, so any depth is safe.
    ~CXmlElement() override;

    const CRuntimeClass* GetRuntimeClass() const override;

    // The raw value of the attribute (exact, case-sensitive name), or the empty string.
    CString GetAttribute(const CString& name) const;
    // The element's text with entity references decoded.
    CString GetValue() const;

    // The children in document order, for walkers that only read the tree.
    const CXmlElementList& GetChildren() const { return m_children; }

    // Appends an empty child named `name` whose parent is this element.
    CXmlElement& AddChild(const CString& name = CString());
    // An empty child, reusing an element of `spare` (see MoveDescendantsTo) when there is one.
    // Should that element still have children, they go back to the front of `spare` for the next
    // ones.
    CXmlElement& AddChild(CXmlElementList& spare);
    // Deletes every child with its subtree and ends any child iteration.
    void RemoveAllChildren();
    // Moves every descendant to the end of `spare`, in document order, as a flat list of
    // childless elements, so that a new tree can reuse them instead of freeing and allocating
    // again. Works without recursion at any depth.
    void MoveDescendantsTo(CXmlElementList& spare);

    // A parsed element's strings and pairs are read in place from its document's text.
    CXmlText m_strName;
    CXmlText m_strAttributes;
    CXmlElementList m_children;
    CXmlAttributes m_attributes;
    CXmlElement* m_pParent = nullptr;
    // Cursor of GetFirstChild/GetNextChild; m_children.end() when no iteration is in progress.
    CXmlElementList::iterator m_posChild;
    CXmlText m_strValue;
};

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
    // previous text's buffer takes when it is large enough.
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
    // Empties the tree, keeping its elements in m_spare, and keeps the text of the coming parse.
    // Empties the root element and makes it the current one; its children are left to the caller.
    void ClearRoot();
    void Reset(CString text);
    // Frees the elements the new tree did not reuse.
    void DropSpare() { m_spare.clear(); }
    // Builds the tree of m_strText.
    void ParseText();
    // Acts on the characters of a tag, from `first` to its > at `close`.
    void TakeTag(size_t first, size_t close);
    // The same for a start tag (or a self-closing one) from `first`, reading up to its > once
    // and giving its position; a > must follow.
    size_t TakeStartTag(size_t first);
    // The element a start tag gives: the root for the first one, else the current element's
    // next child, which becomes the current element.
    CXmlElement& OpenElement();

    // Opens the next child of the current element: the next child the previous tree had at this
    // place, else one of m_spare, else a new one. Its own old children wait for its children.
    // The caller writes its name and attribute text, which may still hold the old ones.
    CXmlElement& OpenChild();
    // Ends the element's part in the parse: the old children the new tree did not take go to
    // m_spare with their subtrees.
    void CloseElement(CXmlElement& element);

    // Elements of the previous tree during a parse; empty between parses.
    CXmlElementList m_spare;
};
