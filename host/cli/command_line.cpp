// Parsing of options and positional arguments for trellis commands, and the help and usage written from the same descriptions.
#include "host/cli/command_line.h"

#include <charconv>

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

namespace {

// "-1", "-0.5": a value where a command takes a number. No option's name begins with a digit.
bool IsNegativeNumber(const std::string& arg)
{
    return arg.size() >= 2 && arg[0] == '-' && arg[1] >= '0' && arg[1] <= '9';
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& options)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A lone "-", the empty string and a negative number are ordinary arguments.
        if (optionsEnded || arg.size() < 2 || arg[0] != '-' || IsNegativeNumber(arg)) {
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
        if (known->TakesValue()) {
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
        if (known->readValue)
            value = known->readValue(value);
        std::vector<std::string>& values = parsed.m_values[known->name];
        if (!values.empty() && !known->repeatable)
            throw UsageError("option '" + known->name + "' given more than once");
        values.push_back(value);
    }
    return parsed;
}

void CheckRequiredOptions(const ParsedArguments& parsed, const std::vector<OptionSpec>& options)
{
    for (const OptionSpec& option : options) {
        if (option.required && !parsed.Has(option.name))
            throw UsageError("missing " + option.Mention());
    }
}

std::string OptionSpec::Mention() const
{
    return TakesValue() ? name + " " + valueName : name;
}

std::string OptionsSynopsis(const std::vector<OptionSpec>& options)
{
    std::string synopsis;
    for (const OptionSpec& option : options) {
        synopsis += synopsis.empty() ? "" : " ";
        synopsis += option.required ? option.Mention() : "[" + option.Mention() + "]";
        if (option.repeatable)
            synopsis += "...";
    }
    return synopsis;
}

namespace {

// Where the help of every option begins, and how wide a line may grow.
constexpr size_t kHelpColumn = 22;
constexpr size_t kLineWidth = 96;

// Appends the text to the entry, word by word, breaking lines before kLineWidth and starting each
// new line at kHelpColumn. A word longer than a line is kept whole.
void AppendWrapped(std::string& entry, const std::string& text)
{
    size_t lineStart = entry.rfind('\n') + 1;  // npos + 1 is 0
    size_t begin = 0;
    bool firstWord = true;
    while (begin < text.size()) {
        size_t end = text.find(' ', begin);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(begin, end - begin);
        begin = end + 1;
        if (word.empty())
            continue;
        if (!firstWord && entry.size() - lineStart + 1 + word.size() > kLineWidth) {
            entry += "\n";
            lineStart = entry.size();
            entry += std::string(kHelpColumn, ' ');
        } else if (!firstWord) {
            entry += " ";
        }
        entry += word;
        firstWord = false;
    }
}

}  // namespace

std::string OptionsHelp(const std::vector<OptionSpec>& options)
{
    std::string help;
    for (const OptionSpec& option : options) {
        std::string entry = "  " + (option.shortName.empty() ? "" : option.shortName + ", ") + option.name;
        if (option.TakesValue())
            entry += " " + option.valueName;
        // A long name pushes its help two spaces past it; the following lines keep the column.
        entry += entry.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - entry.size(), ' ') : "  ";
        std::string text = option.help;
        if (option.required)
            text += " (required)";
        if (option.repeatable)
            text += "; repeatable";
        AppendWrapped(entry, text);
        help += entry + "\n";
    }
    return help;
}

int ParseInt(const std::string& text, const std::string& what)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        throw UsageError(what + " must be a whole number from -2147483648 to 2147483647, not '" + text + "'");
    return value;
}
