// Group titles as the markup writes them.
#include "generate/group_title.h"

void AppendGroupTitle(CString& out, const CString& title)
{
    for (char16_t ch : title.view()) {
        if (ch == u' ')
            out += u"&nbsp;";
        else
            out += ch;
    }
}
