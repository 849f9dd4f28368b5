#pragma once
// A command's arguments: its positional arguments and options, checked against the
// options it knows. "--" ends the options, so a file may be named "-x".
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct OptionRule {
    std::string_view name; // "-o", "--deck"
    bool takesValue;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options; // a flag holds ""
    bool help = false;

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    const std::string& value(std::string_view name) const { return options.find(name)->second; }
};

// False, with the reason in `error`, for an unknown option, an option without its
// value, or an option given twice.
bool parseArguments(std::span<const std::string> args, std::span<const OptionRule> known,
                    Arguments& parsed, std::string& error);

// A deck number as the user gives it, "1".."5", as 0..4; -1 for anything else.
int parseDeckNumber(std::string_view text);
