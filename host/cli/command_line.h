// Command-line parsing for trellis: options anywhere, values taken verbatim, "--" ends the options.
// Each option is described once, in an OptionSpec; the help text and the usage errors come from it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/loader/host_errors.h"

// Every member has an initializer, so that a description names only the fields it needs.
struct OptionSpec {
    std::string name{};       // "--plugin"
    std::string shortName{};  // "-p", or empty
    std::string valueName{};  // "FILE", "N"; empty for an option that takes no value
    std::string help{};       // one line; wrapped, and marked required or repeatable, when printed
    bool required = false;
    bool repeatable = false;
    // Turns a given value into the form the commands take, or throws UsageError to refuse it;
    // null takes every value as it is.
    std::string (*readValue)(const std::string& value) = nullptr;

    bool TakesValue() const { return !valueName.empty(); }
    // How the option is written in a usage line and in a message: "--site FILE", "--inline-svg".
    std::string Mention() const;
};

class ParsedArguments {
public:
    bool Has(const std::string& name) const { return m_values.count(name) != 0; }
    // The option's (last) value, or the fallback when it was not given.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;
    // Every value of a repeatable option, in the order given.
    std::vector<std::string> Values(const std::string& name) const;

    std::vector<std::string> positionals;

private:
    friend ParsedArguments ParseArguments(const std::vector<std::string>&, const std::vector<OptionSpec>&);
    std::map<std::string, std::vector<std::string>> m_values;
};

// Throws UsageError for an unknown option, a missing value, a value its option refuses or a
// repeated single option. A negative number ("-1") is an argument, not an option.
ParsedArguments ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& options);

// Throws UsageError naming the first required option that was not given.
void CheckRequiredOptions(const ParsedArguments& parsed, const std::vector<OptionSpec>& options);

// The options as a usage line writes them: required ones plain, the others in brackets, "..."
// after a repeatable one.
std::string OptionsSynopsis(const std::vector<OptionSpec>& options);

// A whole decimal number in the 32-bit range, or a UsageError naming what it is for.
int ParseInt(const std::string& text, const std::string& what);

// One entry per option, "  -o, --output OUT  help", the help wrapped under its own column.
std::string OptionsHelp(const std::vector<OptionSpec>& options);
