// libFuzzer target: any text as a stored breakpoint record must give the five rules without fault.
#include <cstddef>
#include <cstdint>

#include "generate/generators.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMenuSettings menu;
    const CString record = FuzzTextFromLatin1(data, size);
    menu.m_mapBreakpoints.SetAt(CString(u"7"), record);
    const CString css = GetBreakPointCSS(menu, 0, 0, 7, 0);
    // Whatever the record holds, the text is the five fixed rules with their values.
    int rules = 0;
    for (char16_t ch : css.view())
        rules += ch == u'{';
    FuzzRequire(rules == 5 && css.Find(u"#$ID$ > li\r\n{\r\n   font-size: ") == 0 &&
                css.Right(8) == CString(u"px;\r\n}\r\n"));
    return 0;
}
