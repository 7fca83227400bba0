// Breakpoint records: twelve layout values per host breakpoint, joined by "|".
#include "model/menu_settings.h"

#include "platform/numbers.h"

const std::span<int32_t CMenuSettings::* const> CMenuSettings::BreakpointFields()
{
    static int32_t CMenuSettings::* const fields[] = {
        &CMenuSettings::m_nFontSize,           &CMenuSettings::m_nDropDownFontSize,
        &CMenuSettings::m_nHeaderFontSize,     &CMenuSettings::m_nMenuPaddingBottom,
        &CMenuSettings::m_nMenuPaddingLeft,    &CMenuSettings::m_nMenuPaddingRight,
        &CMenuSettings::m_nMenuPaddingTop,     &CMenuSettings::m_nDropDownMargin,
        &CMenuSettings::m_nDropDownPaddingBottom, &CMenuSettings::m_nDropDownPaddingLeft,
        &CMenuSettings::m_nDropDownPaddingRight,  &CMenuSettings::m_nDropDownPaddingTop,
    };
    return fields;
}

CString CMenuSettings::BreakpointRecord() const
{
    CString record;
    for (int32_t CMenuSettings::* field : BreakpointFields()) {
        if (!record.IsEmpty())
            record += u'|';
        record += FormatInt(this->*field);
    }
    return record;
}

void CMenuSettings::StoreBreakpointData()
{
    m_mapBreakpoints.SetAt(FormatInt(m_nCurrentBreakpoint), BreakpointRecord());
}

void CMenuSettings::LoadBreakpointData(int32_t breakpoint)
{
    m_nCurrentBreakpoint = breakpoint;
    CString record;
    if (!m_mapBreakpoints.Lookup(FormatInt(breakpoint), record))
        return;
    std::u16string_view rest = record.view();
    for (int32_t CMenuSettings::* field : BreakpointFields()) {
        size_t bar = rest.find(u'|');
        std::u16string_view value = rest.substr(0, bar);
        if (!value.empty())
            this->*field = TextToInt(value);
        if (bar == std::u16string_view::npos)
            break;
        rest.remove_prefix(bar + 1);
    }
}
