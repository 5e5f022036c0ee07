#include "CommandLine.h"

#include <algorithm>

namespace glyphsmith::cli {

namespace {

const OptionSpec& FindOption(const std::vector<OptionSpec>& options, const std::string& name) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionSpec& option) { return option.name == name; });
    if (found == options.end()) {
        throw UsageError("unknown option --" + name);
    }
    return *found;
}

} // namespace

ParsedOptions::ParsedOptions(const std::vector<OptionSpec>& options,
                             const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            throw UsageError("unexpected argument \"" + arg + "\"");
        }
        const std::size_t equals = arg.find('=');
        const std::string name =
            arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const OptionSpec& option = FindOption(options, name);
        if (option.valueName.empty()) {
            if (equals != std::string::npos) {
                throw UsageError("--" + name + " takes no value");
            }
            values_[name] = "";
        } else if (equals != std::string::npos) {
            values_[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            values_[name] = args[++i];
        } else {
            throw UsageError("--" + name + " needs a value (" + option.valueName + ")");
        }
    }
}

std::string ParsedOptions::Value(const std::string& name, const std::string& fallback) const {
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

std::string ParsedOptions::Required(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        throw UsageError("--" + name + " is required");
    }
    return found->second;
}

std::string HelpOf(const Command& command) {
    std::string help = "usage: glyphsmith-cli " + command.name + " " + command.usage + "\n\n" +
                       command.summary + "\n\noptions:\n";
    for (const OptionSpec& option : command.options) {
        std::string left = "  --" + option.name;
        if (!option.valueName.empty()) {
            left += " " + option.valueName;
        }
        left.resize(std::max<std::size_t>(left.size() + 2, 26), ' ');
        help += left + option.help + "\n";
    }
    return help;
}

} // namespace glyphsmith::cli
