// CMenuItem: one node of the menu tree (button, group or link), copied deeply.
#pragma once

#include <cstdint>

#include "platform/arrays.h"
#include "platform/cstring.h"
#include "platform/object.h"

class CMenuItem : public CObject {
public:
    CMenuItem() = default;
    CMenuItem(const CMenuItem& other);
    CMenuItem& operator=(const CMenuItem& other);
    CMenuItem(CMenuItem&&) noexcept = default;
    CMenuItem& operator=(CMenuItem&&) noexcept = default;
    ~CMenuItem() override = default;

    const CRuntimeClass* GetRuntimeClass() const override;
    // Writes or reads this node and its subtree: four strings, the flag, the child count, the children.
    void Serialize(CArchive& ar) override;

    // A group is exactly a node whose link slot holds "PARENT" (case-sensitive).
    bool IsGroup() const { return m_strURL == u"PARENT"; }

    friend bool operator==(const CMenuItem& a, const CMenuItem& b);

    CString m_strText;
    CString m_strURL;
    CString m_strTarget;
    CString m_strIcon;
    int32_t m_bActive = 0;
    CArray<CMenuItem> m_arrItems;

    // Real menus are three or four levels deep; a stored block that nests deeper than this is
    // hostile and is refused instead of exhausting the stack.
    static constexpr int kMaxDepth = 1000;

private:
    friend void LoadMenuItems(CArchive& ar, CArray<CMenuItem>& nodes, int depth);
    void SerializeAt(CArchive& ar, int depth);
};

// Reads a stored count, then that many nodes at the given depth (1 for buttons) into the array.
// A count the remaining bytes cannot hold is refused with the end-of-file archive exception
// before anything is read; below that, the array grows only with the nodes actually read, so a
// hostile count costs no memory before the data runs short.
void LoadMenuItems(CArchive& ar, CArray<CMenuItem>& nodes, int depth);
