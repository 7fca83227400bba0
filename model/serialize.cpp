// Storing and loading the project block: fields in layout order, the tree, the merged breakpoint map.
#include "model/menu_settings.h"

#include "model/storage_layout.h"
#include "platform/archive.h"
#include "platform/exceptions.h"

namespace {

void StoreField(CMenuSettings& s, CArchive& ar, const StoredField& field)
{
    switch (field.kind) {
    case StoredField::Kind::Version: ar << kStorageVersion; break;
    case StoredField::Kind::Setting:
        VisitSetting(*field.setting, s, [&](const auto& value) { ar << value; });
        break;
    case StoredField::Kind::Tree:
        ar.WriteCount(static_cast<uint64_t>(s.m_arrButtons.GetSize()));
        for (CMenuItem& button : s.m_arrButtons)
            button.Serialize(ar);
        break;
    case StoredField::Kind::Breakpoints:
        ar.WriteCount(static_cast<uint64_t>(s.m_mapBreakpoints.GetCount()));
        for (const auto& [key, value] : s.m_mapBreakpoints.Pairs())
            ar << key << value;
        break;
    }
}

void LoadField(CMenuSettings& s, CArchive& ar, const StoredField& field)
{
    switch (field.kind) {
    case StoredField::Kind::Version: {
        int32_t version = 0;
        ar >> version;  // no value changes how the rest is read
        break;
    }
    case StoredField::Kind::Setting:
        VisitSetting(*field.setting, s, [&](auto& value) { ar >> value; });
        break;
    case StoredField::Kind::Tree: {
        LoadMenuItems(ar, s.m_arrButtons, 1);
        break;
    }
    case StoredField::Kind::Breakpoints: {
        // Merged into the map, not replacing it: records the block does not name survive.
        uint64_t count = ar.ReadCount();
        for (uint64_t i = 0; i < count; ++i) {
            CString key, value;
            ar >> key >> value;
            s.m_mapBreakpoints.SetAt(key, value);
        }
        break;
    }
    }
}

}  // namespace

void CMenuSettings::SerializeSettings(CArchive& ar, std::span<const StoredField> layout)
{
    if (ar.IsStoring()) {
        for (const StoredField& field : layout)
            StoreField(*this, ar, field);
        return;
    }
    m_arrButtons.RemoveAll();
    for (const StoredField& field : layout)
        LoadField(*this, ar, field);
}
