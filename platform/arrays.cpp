// The add-unique helper shared by publishing and the stylesheet generators.
#include "platform/arrays.h"

void AddUnique(CStringArray& list, const CString& text)
{
    for (const CString& item : list) {
        if (item == text)
            return;
    }
    list.Add(text);
}
