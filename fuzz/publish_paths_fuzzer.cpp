// libFuzzer target: any stored link and publish table must rewrite without fault.
#include <cstddef>
#include <cstdint>

#include "model/publish_paths.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Lines before the last one are publish table entries, the last one is the link.
    const CString text = FuzzTextFromLatin1(data, size);
    CStringArray table;
    int start = 0;
    for (int end = text.Find(u'\n'); end >= 0; end = text.Find(u'\n', start)) {
        table.Add(text.Mid(start, end - start));
        start = end + 1;
    }
    const CString url = text.Mid(start);
    const CString published = GetRealURL(table, url);
    // Links that are not local files pass unchanged.
    FuzzRequire(url.Find(u"file://") >= 0 || published == url);
    GetPublishSubFolder(table, url);
    return 0;
}
