#include "cli/arguments.h"

#include "cli/text/input_excerpt.h"

bool parseArguments(std::span<const std::string> args, std::span<const OptionRule> known,
                    Arguments& parsed, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        const OptionRule* rule = nullptr;
        for (const OptionRule& option : known)
            if (option.name == arg) rule = &option;
        if (!rule) {
            error = "unknown option " + inputExcerpt(arg);
            return false;
        }
        if (parsed.has(arg)) {
            error = arg + " given twice";
            return false;
        }
        if (rule->takesValue && i + 1 == args.size()) {
            error = arg + " needs a value";
            return false;
        }
        parsed.options[arg] = rule->takesValue ? args[++i] : std::string();
    }
    return true;
}

int parseDeckNumber(std::string_view text) {
    return text.size() == 1 && text[0] >= '1' && text[0] <= '5' ? text[0] - '1' : -1;
}
