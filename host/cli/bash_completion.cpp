// Writes the bash completion script from the command table, so it offers exactly what --help lists.
#include "host/cli/bash_completion.h"

#include "host/cli/commands.h"
#include "host/cli/program_info.h"
#include "host/loader/generations.h"

namespace {

// How an option's value is completed, told by the value's name in its description.
enum class ValueKind { None, Folder, Module, Free, File };

ValueKind KindOf(const OptionSpec& option)
{
    if (!option.TakesValue())
        return ValueKind::None;
    const std::string& value = option.valueName;
    if (value.find("DIR") != std::string::npos)
        return ValueKind::Folder;
    if (option.name == "--plugin")
        return ValueKind::Module;
    if (value.find("FILE") != std::string::npos || value.rfind("OUT", 0) == 0)
        return ValueKind::File;
    // Numbers, sizes, names, texts and pairs such as EXT|SUB: nothing to offer.
    return ValueKind::Free;
}

std::string Words(const std::vector<OptionSpec>& options)
{
    std::string words;
    for (const OptionSpec& option : options) {
        for (const std::string* name : {&option.shortName, &option.name}) {
            if (!name->empty())
                words += (words.empty() ? "" : " ") + *name;
        }
    }
    return words;
}

// The case arms that complete the value after one of the options, grouped by kind.
std::string ValueArms(const std::vector<OptionSpec>& options)
{
    std::string moduleNames;
    for (const Generation* generation : KnownGenerations())
        moduleNames += (moduleNames.empty() ? "" : " ") + GenerationName(*generation);
    const struct {
        ValueKind kind;
        std::string action;
    } kArms[] = {
        {ValueKind::Folder, "COMPREPLY=($(compgen -d -- \"$cur\"))"},
        {ValueKind::Module, "COMPREPLY=($(compgen -W \"" + moduleNames + "\" -- \"$cur\") $(compgen -f -X '!*" +
                                kModuleFileExtension + "' -- \"$cur\"))"},
        {ValueKind::Free, "COMPREPLY=()"},
        {ValueKind::File, "COMPREPLY=($(compgen -f -- \"$cur\"))"},
    };
    std::string arms;
    for (const auto& arm : kArms) {
        std::string pattern;
        for (const OptionSpec& option : options) {
            if (KindOf(option) != arm.kind)
                continue;
            for (const std::string* name : {&option.shortName, &option.name}) {
                if (!name->empty())
                    pattern += (pattern.empty() ? "" : "|") + *name;
            }
        }
        if (!pattern.empty())
            arms += "                " + pattern + ") " + arm.action + "; return ;;\n";
    }
    return arms;
}

}  // namespace

std::string BashCompletion()
{
    std::string commands;
    for (const Command& command : AllCommands())
        commands += (commands.empty() ? "" : " ") + command.name;
    const std::string programOptions = Words(ProgramOptions());

    std::string script =
        "# bash completion for trellis: its commands, their options and the values the options take.\n"
        "# Generated from the option descriptions that trellis --help prints.\n"
        "_trellis()\n"
        "{\n"
        "    local cur=\"${COMP_WORDS[COMP_CWORD]}\" prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
        "    local commands=\"" + commands + "\"\n"
        "    if [ \"$COMP_CWORD\" -eq 1 ]; then\n"
        "        COMPREPLY=($(compgen -W \"$commands help " + programOptions + "\" -- \"$cur\"))\n"
        "        return\n"
        "    fi\n"
        "    local options=\"\"\n"
        "    case \"${COMP_WORDS[1]}\" in\n"
        "        help)\n"
        "            [ \"$COMP_CWORD\" -eq 2 ] && COMPREPLY=($(compgen -W \"$commands\" -- \"$cur\"))\n"
        "            return ;;\n";
    for (const Command& command : AllCommands()) {
        std::vector<OptionSpec> options = AcceptedOptions(command);
        script += "        " + command.name + ")\n"
                  "            case \"$prev\" in\n" + ValueArms(options) +
                  "            esac\n"
                  "            options=\"" + Words(options) + " " + programOptions + "\" ;;\n";
    }
    script +=
        "        *) return ;;\n"
        "    esac\n"
        "    if [[ \"$cur\" == -* ]]; then\n"
        "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        "    else\n"
        "        COMPREPLY=($(compgen -f -- \"$cur\"))\n"
        "    fi\n"
        "}\n"
        "complete -o filenames -F _trellis trellis\n";
    return script;
}
