// Writes trellis(1) from the command table, so the page names exactly the commands and options --help does.
#include "host/cli/manual_page.h"

#include <cctype>

#include "host/cli/commands.h"
#include "host/cli/program_info.h"
#include "host/loader/generations.h"

namespace {

// "\fITrellis\fR, the first generation, and \fITrellisv2\fR, the second".
std::string ModuleList()
{
    std::string list;
    const auto& generations = KnownGenerations();
    for (size_t i = 0; i < generations.size(); ++i) {
        if (i > 0)
            list += i + 1 == generations.size() ? ", and " : ", ";
        list += "\\fI" + GenerationName(*generations[i]) + "\\fR, the " + GenerationOrdinal(*generations[i]) +
                (i == 0 ? " generation" : "");
    }
    return list;
}

// Each module's file of this extension in the install's library folder, as roff file names.
std::string ModuleFiles(const std::string& extension)
{
    std::string files;
    for (const Generation* generation : KnownGenerations())
        files += (files.empty() ? "" : ", ") + std::string("\\fI../lib/trellis/") + GenerationName(*generation) +
                 extension + "\\fR";
    return files;
}

// Text made safe for roff: a backslash printed as itself, "-" as a real minus sign (so options
// can be searched and copied), and no line that starts as if it were a request.
std::string Roff(const std::string& text)
{
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

// The help the option gives, marked as --help marks it.
std::string OptionText(const OptionSpec& option)
{
    std::string text = option.help;
    if (option.required)
        text += " (required)";
    if (option.repeatable)
        text += "; repeatable";
    return text;
}

std::string OptionEntries(const std::vector<OptionSpec>& options)
{
    std::string out;
    for (const OptionSpec& option : options) {
        out += ".TP\n";
        if (!option.shortName.empty())
            out += "\\fB" + Roff(option.shortName) + "\\fR, ";
        out += "\\fB" + Roff(option.name) + "\\fR";
        if (option.TakesValue())
            out += " \\fI" + Roff(option.valueName) + "\\fR";
        out += "\n" + Roff(OptionText(option)) + "\n";
    }
    return out;
}

// A command's description is lines that end in "\n"; a blank line starts a new paragraph, and
// lines that begin with blanks are examples, kept as they stand.
std::string Paragraphs(const std::string& text)
{
    std::string out;
    bool inExample = false;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        const bool example = !line.empty() && line[0] == ' ';
        if (example != inExample) {
            out += example ? ".PP\n.nf\n" : ".fi\n";
            inExample = example;
        }
        if (line.empty())
            out += ".PP\n";
        else
            out += Roff(line) + "\n";
    }
    if (inExample)
        out += ".fi\n";
    return out;
}

}  // namespace

std::string ManualPage(const std::string& version)
{
    std::string page = ".TH TRELLIS 1 \"\" \"Trellis " + Roff(version) + "\" \"User Commands\"\n";
    page += ".SH NAME\ntrellis \\- make, edit and publish Trellis mega menus from the command line\n";
    page += ".SH SYNOPSIS\n.B trellis\n.I COMMAND\n[\\fIOPTIONS\\fR] [\\fIARGUMENTS\\fR]\n.br\n"
            ".B trellis help\n.I COMMAND\n.br\n.B trellis\n[\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR]\n";
    page += ".SH DESCRIPTION\n"
            "\\fBtrellis\\fR drives the Trellis menu plug-in modules (" + ModuleList() +
            ") as the site-design application does: it makes, stores, edits, checks and publishes their menus.\n"
            ".PP\nOptions may stand before or after the arguments; \\fB\\-\\-\\fR ends the options. "
            "\\fBtrellis help \\fICOMMAND\\fR prints the same help as \\fBtrellis \\fICOMMAND\\fB \\-\\-help\\fR.\n";
    page += ".SH OPTIONS\nTaken alone, or after any command.\n" + OptionEntries(ProgramOptions());
    page += ".SH COMMANDS\n";
    for (const Command& command : AllCommands()) {
        page += ".SS \"" + Roff(command.name) + "\"\n";
        page += ".B trellis\n" + Roff(Synopsis(command)) + "\n.PP\n";
        std::string summary = command.summary;
        if (!summary.empty())
            summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
        page += Roff(summary) + ".\n";
        if (!command.description.empty())
            page += ".PP\n" + Paragraphs(command.description);
        if (!command.options.empty())
            page += ".PP\nOptions:\n.RS\n" + OptionEntries(command.options) + ".RE\n";
    }
    page += ".SH \"MODULE OPTIONS\"\n"
            "What the host gives the module, taken by every command whose synopsis ends in "
            "[MODULE OPTIONS]; a command that describes one of them itself says so among its options.\n" +
            OptionEntries(ModuleOptions());
    page += ".SH \"EXIT STATUS\"\n.TP\n0\ndone\n.TP\n1\nfailed\n.TP\n2\nwrong usage\n";
    page += ".SH FILES\n.TP\n" + ModuleFiles(kModuleFileExtension) +
            "\nThe modules, looked for beside the \\fBtrellis\\fR program first, then in this folder "
            "relative to it.\n"
            ".TP\n" + ModuleFiles(".pdf") + "\nThe user's guide, which the modules' Help buttons open.\n";
    return page;
}
