// libFuzzer target: any page bytes must give bookmarks and menu markers without fault, and the
// page rewritten from the markers must hold the page's text outside what an earlier run inserted.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "host/site/page_anchors.h"
#include "host/site/page_markers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view page = FuzzBytes(data, size);
    for (const std::string& name : PageBookmarks(page))
        FuzzRequire(!name.empty() && name.find_first_of(" \"<>&") == std::string::npos);

    const PageMarkers markers = FindMarkers(page, "M");
    FuzzRequire(markers.menuAt <= page.size() && (!markers.hasHeadEnd || markers.headEndAt <= page.size()));
    size_t previousEnd = 0;
    for (const auto& [begin, end] : markers.earlier) {
        FuzzRequire(previousEnd <= begin && begin < end && end <= page.size());
        previousEnd = end;
    }
    if (markers.kind == MarkerKind::None || markers.unterminated)
        return 0;
    const std::string menu = InsertionBlock("M", "<p>menu</p>");
    const std::string head = InsertionBlock("M", "<link>");
    const std::string once = PageWithInsertions(page, markers, menu, head);
    // A second run over the first one's output writes the same bytes.
    const PageMarkers again = FindMarkers(once, "M");
    FuzzRequire(again.kind == markers.kind && !again.unterminated);
    FuzzRequire(PageWithInsertions(once, again, menu, head) == once);
    return 0;
}
