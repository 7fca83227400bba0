// Parsing of options and positional arguments for trellis commands.
#include "host/command_line.h"

std::string ParsedArguments::Value(const std::string& name, const std::string& fallback) const
{
    auto found = m_values.find(name);
    return found == m_values.end() ? fallback : found->second.back();
}

std::vector<std::string> ParsedArguments::Values(const std::string& name) const
{
    auto found = m_values.find(name);
    return found == m_values.end() ? std::vector<std::string>{} : found->second;
}

ParsedArguments ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& options)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-" and the empty string are ordinary arguments.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg;
        std::string inlineValue;
        bool hasInlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                name = arg.substr(0, equals);
                inlineValue = arg.substr(equals + 1);
                hasInlineValue = true;
            }
        }
        const OptionSpec* known = nullptr;
        for (const OptionSpec& option : options) {
            if (option.name == name || (!option.shortName.empty() && option.shortName == name))
                known = &option;
        }
        if (!known)
            throw UsageError("unknown option '" + name + "'");
        std::string value;
        if (known->takesValue) {
            if (hasInlineValue) {
                value = inlineValue;
            } else {
                // The next argument is the value even when it begins with "-".
                if (i + 1 >= args.size())
                    throw UsageError("option '" + known->name + "' needs a value");
                value = args[++i];
            }
        } else if (hasInlineValue) {
            throw UsageError("option '" + known->name + "' takes no value");
        }
        std::vector<std::string>& values = parsed.m_values[known->name];
        if (!values.empty() && !known->repeatable)
            throw UsageError("option '" + known->name + "' given more than once");
        values.push_back(value);
    }
    return parsed;
}
