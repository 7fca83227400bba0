// Name-to-glyph lookups in the compiled-in icon tables and recognition of the built-in sets.
#include "icons/builtin_icons.h"

#include <span>

#include "icons/builtin_icon_tables.h"

namespace {

constexpr char16_t kMaterialHomeGlyph = 0xE88A;

// The first row with exactly this name, scanning from the top as the glyph maps list them.
const BuiltinIconRow* FindRow(std::span<const BuiltinIconRow> table, const CString& name)
{
    for (const BuiltinIconRow& row : table) {
        if (row.name == name.view())
            return &row;
    }
    return nullptr;
}

}  // namespace

CString GetFontAwesomeChar(const CString& name)
{
    const BuiltinIconRow* row = FindRow(FontAwesomeTable(), name);
    return row ? CString(row->code) : CString();
}

CString GetMaterialIconChar(const CString& name)
{
    const BuiltinIconRow* row = FindRow(MaterialIconsTable(), name);
    return CString(row ? row->code : kMaterialHomeGlyph);
}

bool IsFontAwesome(const CString& library)
{
    return library == u"Font Awesome" || library == u"FontAwesome";
}

bool IsMaterialIcons(const CString& library)
{
    return library == u"Material Icons";
}
