// Random menus for the JSON form's tests: everything a block can hold that the JSON form carries,
// each setting anywhere in its range.
#pragma once

#include <random>

#include "extension/generation.h"
#include "model/menu_settings.h"
#include "model/storage_layout.h"
#include "platform/numbers.h"

class RandomMenu {
public:
    explicit RandomMenu(uint32_t seed) : m_random(seed) {}

    CMenuSettings Make(const Generation& generation)
    {
        CMenuSettings menu;
        for (const StoredField& entry : generation.storageLayout()) {
            if (entry.kind != StoredField::Kind::Setting)
                continue;
            const SettingField& field = *entry.setting;
            switch (field.kind) {
            case FieldKind::Number:
            case FieldKind::Flag: menu.*field.number = Number(field); break;
            case FieldKind::Colour: menu.*field.colour = Colour(field); break;
            case FieldKind::Text: menu.*field.text = Text(); break;
            }
        }
        menu.m_arrButtons.RemoveAll();
        for (int b = Below(6); b > 0; --b)
            menu.m_arrButtons.Add(Node(1));
        menu.m_mapBreakpoints.RemoveAll();
        for (int r = Below(4); r > 0; --r) {
            CString key = FormatInt(Pick({-1, 0, 480, 768, 1024, -2147483647 - 1, 2147483647}));
            menu.m_mapBreakpoints.SetAt(key, Below(3) == 0 ? Text() : Record());
        }
        return menu;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    int32_t Pick(std::initializer_list<int32_t> values) { return values.begin()[Below(static_cast<int>(values.size()))]; }
    int32_t AnyInt() { return static_cast<int32_t>(m_random()); }

    // Anywhere in the field's range.
    int32_t Number(const SettingField& field)
    {
        if (field.HasRange())
            return field.low + Below(field.high - field.low + 1);
        return Below(2) ? AnyInt() : Below(100);
    }

    COLORREF Colour(const SettingField& field)
    {
        if (field.mayBeTransparent && Below(4) == 0)
            return kTransparent;
        return m_random() & 0xFFFFFF;
    }

    CString Text()
    {
        // Markup, quotes, escapes, NUL, a character outside the basic plane, and plain words.
        static const char16_t* pieces[] = {u"Shop", u" ", u"<b>", u"&", u"\"", u"\\", u"\u00E9", u"\U0001F600",
                                           u"\u20AC", u"---", u"PARENT", u"|", u"\t", u"/"};
        CString text;
        for (int i = Below(5); i > 0; --i)
            text += pieces[Below(std::size(pieces))];
        if (Below(20) == 0)
            text += u'\0';
        return text;
    }

    CString Record()
    {
        CString record;
        for (int i = 0; i < 12; ++i) {
            if (i)
                record += u'|';
            record += FormatInt(Below(2) ? AnyInt() : Below(40) - 5);
        }
        return record;
    }

    CMenuItem Node(int level)
    {
        CMenuItem node;
        node.m_strText = Text();
        if (level == 1)
            node.m_strURL = Below(5) ? FormatInt(Below(6)) : Text();
        else if (level == 2)
            node.m_strURL = Below(6) ? CString(u"PARENT") : Text();
        else
            node.m_strURL = Text();
        if (Below(3) == 0)
            node.m_strTarget = Text();
        if (Below(3) == 0)
            node.m_strIcon = Text();
        node.m_bActive = Below(4) == 0;
        int children = level < 3 ? Below(4) : (level < 5 && Below(8) == 0 ? 1 : 0);
        for (int i = 0; i < children; ++i)
            node.m_arrItems.Add(Node(level + 1));
        return node;
    }

    std::mt19937 m_random;
};
