// trellis info: what the host shows of a module before any object exists.
#include <cstdio>

#include "host/commands.h"
#include "host/session.h"
#include "platform/bitmap.h"

namespace {

int RunInfo(const ParsedArguments& args)
{
    PluginModule module(args.Value("--plugin", "Trellisv2"));
    std::u16string description = module.Description();
    std::u16string caption = module.ToolbarText();
    HBITMAP bitmap = module.ToolbarBitmap();
    if (args.Has("--bitmap")) {
        if (!bitmap)
            throw CommandError(module.Path() + ": the module has no toolbar bitmap");
        WriteOutputFile(args.Value("--bitmap"), BitmapToBmpFile(bitmap));
    }
    int version = module.CreateObject()->GetVersion();
    PrintText(description + u"\n" + caption + u"\n");
    std::printf("%d\n", version);
    return 0;
}

}  // namespace

std::vector<Command> InfoCommands()
{
    return {{
        "info",
        "info --plugin P [--bitmap OUT.bmp]",
        "print the module's description, toolbar caption and version",
        "Prints the description, the toolbar caption and the version, one per line.\n"
        "  --bitmap OUT.bmp  also write the 16 x 16 toolbar bitmap as a BMP file\n",
        {{"--plugin", "-p"}, {"--bitmap", ""}},
        0,
        0,
        RunInfo,
    }};
}
