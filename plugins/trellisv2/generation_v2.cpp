// The second generation (Trellisv2): its texts, its storage layout and its flex-bar generators.
#include "extension/generation.h"
#include "generate/generators.h"
#include "model/storage_layout.h"

const Generation& SecondGeneration()
{
    static const Generation generation{
        u"Trellisv2",
        u"Implements a responsive Mega Menu using CSS only.",
        u"Trellis v2",
        u"Trellis v2",
        2,
        SecondGenerationLayout,
        GetCSSSecondGeneration,
        GetHtmlSecondGeneration,
    };
    return generation;
}
