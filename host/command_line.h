// Command-line parsing for trellis: options anywhere, values taken verbatim, "--" ends the options.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A mistake in how the program was called: reported with exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A failure while doing the work: reported with exit status 1.
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name;       // "--plugin"
    std::string shortName;  // "-o", or empty
    bool takesValue = true;
    bool repeatable = false;
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

// Throws UsageError for an unknown option, a missing value or a repeated single option.
ParsedArguments ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& options);
