// The first generation (Trellis): its texts, its storage layout and its list-based generators.
#include "extension/generation.h"
#include "generate/generators.h"
#include "model/storage_layout.h"

const Generation& FirstGeneration()
{
    static const Generation generation{
        u"Trellis",
        u"Responsive Trellis",
        u"Trellis",
        u"Trellis",
        1,
        FirstGenerationLayout,
        GetCSSFirstGeneration,
        GetHtmlFirstGeneration,
    };
    return generation;
}
