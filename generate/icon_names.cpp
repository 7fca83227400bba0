// The distinct icon names a menu uses, for the icon stylesheet.
#include "generate/icon_names.h"

#include <string_view>
#include <unordered_set>

namespace {

// Large menus repeat a few hundred names over thousands of links: a set of the names seen so
// far keeps the collection linear where a scan of the list would not be.
class NameCollector {
public:
    void Add(const CString& name)
    {
        if (!name.IsEmpty() && m_seen.insert(name.view()).second)
            m_names.Add(name);
    }
    CStringArray Take() { return std::move(m_names); }

private:
    std::unordered_set<std::u16string_view> m_seen;  // views of the menu's own strings
    CStringArray m_names;
};

}  // namespace

CStringArray CollectIconNames(const CMenuSettings& menu)
{
    NameCollector names;
    for (const CMenuItem& button : menu.m_arrButtons) {
        names.Add(button.m_strIcon);
        for (const CMenuItem& group : button.m_arrItems) {
            for (const CMenuItem& link : group.m_arrItems)
                names.Add(link.m_strIcon);
        }
    }
    return names.Take();
}
