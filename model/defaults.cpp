// The settings a new menu starts with (from the settings table), and its four-button default menu.
#include "model/menu_settings.h"

#include "model/settings_fields.h"

CMenuSettings::CMenuSettings()
{
    m_nCurrentBreakpoint = -1;
    SetDefaults();
}

void CMenuSettings::SetDefaults()
{
    for (const SettingField& field : SettingFields())
        SetSettingDefault(field, *this);

    CMenuItem link;
    link.m_strText = u"Corvane";
    link.m_strURL = kDefaultLinkAddress;

    CMenuItem group;
    group.m_strURL = u"PARENT";
    for (int i = 0; i < 4; ++i)
        group.m_arrItems.Add(link);

    CMenuItem button;
    m_arrButtons.RemoveAll();
    for (const char16_t* heading : {u"Heading 1", u"Heading 2", u"Heading 3", u"Heading 4"}) {
        group.m_strText = heading;
        button.m_arrItems.Add(group);
    }

    const struct { const char16_t* caption; const char16_t* columns; } buttons[] = {
        {u"ABOUT", u"0"}, {u"SERVICES", u"1"}, {u"PROJECTS", u"2"}, {u"SOCIAL MEDIA", u"3"}};
    for (const auto& b : buttons) {
        button.m_strText = b.caption;
        button.m_strURL = b.columns;
        m_arrButtons.Add(button);
    }

    StoreBreakpointData();
}
