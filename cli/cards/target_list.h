#pragma once
// What wants and spares share: every card whose copies fall short of its goal (or go
// beyond it), with how many, in catalogue order; as an aligned table with totals per
// set, as CSV, or as a plain card list.
#include <array>
#include <span>
#include <string_view>

#include "cli/command.h"

struct TargetList {
    std::string_view command;     // "wants"
    std::string_view goalOption;  // "--target"
    std::string_view goalColumn;  // "target"
    std::string_view countColumn; // "missing"
    std::string_view totalsLabel; // "Missing"
    // The copies the list gives for a card held `held` times against `goal`; 0 leaves
    // the card out.
    int (*copies)(int held, int goal);
};

// A list's options: its goal option ("--target"), then those every list takes.
constexpr std::array<OptionRule, 5> targetListOptions(std::string_view goalOption) {
    return {
        {{goalOption, true}, {"--deck", true}, {"--csv", false}, {"--list", false}, {"-o", true}}};
}

// A list's output: a report, or with --csv a CSV, with --list a card list.
constexpr KindOption TargetListKinds[] = {{"--csv", OutputKind::Csv}, {"--list", OutputKind::List}};
constexpr OutputRule TargetListOutputs[] = {
    {"-o", "OUT", OutputKind::Report, "write", TargetListKinds}};

int runTargetList(const TargetList& list, CommandRun& run);

// The command's run function for one list.
template <const TargetList& List> int runList(CommandRun& run) {
    return runTargetList(List, run);
}
