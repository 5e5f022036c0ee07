#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace glyphsmith::cli {

// A bad command line; main() reports it and exits with status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name;      // without the leading "--"
    std::string valueName; // empty for a flag
    std::string help;
};

// The options given to a sub-command, checked against the ones it accepts.
class ParsedOptions {
  public:
    ParsedOptions(const std::vector<OptionSpec>& options, const std::vector<std::string>& args);

    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback) const;
    // The value of an option that must be given.
    std::string Required(const std::string& name) const;

  private:
    std::map<std::string, std::string> values_;
};

// One sub-command: its options and what it runs; it returns the exit status.
struct Command {
    std::string name;
    std::string usage; // the options in short, after the command's name
    std::string summary;
    std::vector<OptionSpec> options;
    int (*run)(const ParsedOptions& options);
};

std::string HelpOf(const Command& command);

} // namespace glyphsmith::cli
