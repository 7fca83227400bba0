// trellis info: what the host shows of a module before any object exists.
#include <cstdio>

#include "host/cli/commands.h"
#include "host/cli/host_options.h"
#include "host/loader/generations.h"
#include "platform/bitmap.h"

namespace {

int RunInfo(const ParsedArguments& args)
{
    PluginModule module(PluginOrDefault(args.Value("--plugin")));
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
        .name = "info",
        .summary = "print the module's description, toolbar caption and version",
        .description = "Prints the description, the toolbar caption and the version, one per line.\n",
        .options = {ModuleOption("--plugin"),
                    {.name = "--bitmap", .valueName = "OUT.bmp",
                     .help = "also write the 16 x 16 toolbar bitmap as a BMP file"}},
        // No object is made that could take the host-set values.
        .takesModuleOptions = false,
        .run = RunInfo,
    }};
}
