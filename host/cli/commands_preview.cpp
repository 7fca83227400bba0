// trellis preview: the host's design view of the menu, drawn by the module on a QPainter canvas into a PNG.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "host/cli/commands.h"
#include "host/cli/gui_application.h"
#include "host/loader/breakpoints.h"
#include "host/menu_files/menu_files.h"
#include "host/cli/host_options.h"
#include "model/menu_settings.h"
#include "preview/qt/qt_canvas.h"

namespace {

// A picture beyond these would take more memory than any design view needs; the limits keep a
// hostile block (whose minimum size can be anything) from asking for gigabytes.
constexpr int kMaxSide = 16384;
constexpr double kMaxPixels = 64.0 * 1024 * 1024;
constexpr double kMaxScale = 8;

struct PreviewRequest {
    std::string block;
    std::string out;
    int width = 800;
    int height = 60;
    int dpi = 96;
    double scale = 1;
};

int PositiveInt(const ParsedArguments& args, const std::string& name, int fallback, int limit)
{
    if (!args.Has(name))
        return fallback;
    const int value = ParseInt(args.Value(name), name);
    if (value <= 0 || value > limit)
        throw UsageError(name + " must be a whole number from 1 to " + std::to_string(limit) + ", not '" +
                         args.Value(name) + "'");
    return value;
}

double Scale(const ParsedArguments& args)
{
    if (!args.Has("--scale"))
        return 1;
    const std::string text = args.Value("--scale");
    double value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !(value > 0 && value <= kMaxScale))
        throw UsageError("--scale must be a number above 0 and at most 8, such as 2, not '" + text + "'");
    return value;
}

// Everything the user asked for is checked before a module is loaded.
PreviewRequest CheckInputs(const ParsedArguments& args)
{
    PreviewRequest request;
    request.block = args.positionals[0];
    request.out = args.Value("--output");
    request.width = PositiveInt(args, "--width", 800, kMaxSide);
    request.height = PositiveInt(args, "--height", 60, kMaxSide);
    request.dpi = PositiveInt(args, "--dpi", 96, 9600);
    request.scale = Scale(args);
    return request;
}

std::string EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw CommandError("cannot encode the picture as PNG");
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

int RunPreview(const ParsedArguments& args)
{
    const PreviewRequest request = CheckInputs(args);
    const std::unique_ptr<QGuiApplication> gui = StartGuiApplication("preview", GuiUse::Paint);

    Session session = OpenSession(args);
    LoadMenuFile(session, request.block);
    if (const std::optional<int> breakpoint = BreakpointArgument(args))
        SwitchBreakpoint(session, *breakpoint);

    // As the host does: the object is at least as large as it asks to be, then placed, then drawn.
    int minWidth = 0;
    int minHeight = 0;
    session.object->GetMinimumSize(minWidth, minHeight);
    const int width = std::max(request.width, minWidth);
    const int height = std::max(request.height, minHeight);
    const double deviceWidth = width * request.scale;
    const double deviceHeight = height * request.scale;
    if (width > kMaxSide || height > kMaxSide || deviceWidth * deviceHeight > kMaxPixels)
        throw CommandError(request.block + ": the menu asks for a picture of " + std::to_string(width) + " x " +
                           std::to_string(height) + " at scale " + args.Value("--scale", "1") +
                           ", larger than a preview can be (" + std::to_string(kMaxSide) + " pixels a side, " +
                           "64 million in all)");
    const RECT rect{0, 0, width, height};
    session.object->Move(&rect);

    QImage image(std::max(1, qRound(deviceWidth)), std::max(1, qRound(deviceHeight)), QImage::Format_RGB32);
    if (image.isNull())
        throw CommandError("out of memory for a picture of " + std::to_string(width) + " x " + std::to_string(height));
    image.setDevicePixelRatio(request.scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CQtCanvas canvas(painter, request.dpi);
        session.object->Draw(&canvas, &rect);
    }

    WriteOutputFile(request.out, EncodePng(image));
    std::printf("wrote %s: %d x %d pixels (%d x %d at scale %s), bar height %d\n", request.out.c_str(), image.width(),
                image.height(), width, height, args.Value("--scale", "1").c_str(),
                StoredSettings(*session.object, *session.generation)->m_nBarHeight);
    return 0;
}

}  // namespace

std::vector<Command> PreviewCommands()
{
    return {
        {.name = "preview",
         .summary = "draw the menu as the host's design view shows it, into a PNG (Draw)",
         .description = "The picture is at least as large as the menu asks to be (GetMinimumSize), on a white page.\n"
                        "Works without a display: Qt then paints offscreen.\n",
         .arguments = {"BLOCK"},
         .options = {{.name = "--output", .shortName = "-o", .valueName = "OUT.png", .help = "the PNG file to write",
                      .required = true},
                     {.name = "--width", .valueName = "W", .help = "the object's width in pixels; default 800"},
                     {.name = "--height", .valueName = "H", .help = "the object's height in pixels; default 60"},
                     {.name = "--dpi", .valueName = "D",
                      .help = "the resolution the canvas reports; default 96 (the bar keeps its size at any)"},
                     {.name = "--scale", .valueName = "S",
                      .help = "device pixels per pixel, 2 for a crisp picture on a high-density screen; default 1"},
                     BreakpointOption("draw at the sizes and paddings of breakpoint N (LoadBreakpointData), a whole "
                                      "number such as 768; without a record, the default layout; default -1")},
         .run = RunPreview},
    };
}
