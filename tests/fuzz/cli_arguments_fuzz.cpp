// The whole companion from its command line: the input, split at NUL bytes, is the
// arguments (at most 16), the first one the command as given. Every other argument
// that does not start with '-' gets an "f" in front and none may hold '/', '\' or ':',
// so that whatever it names is a file in the harness's own folder (its working
// folder) and never a device: "fd" is a deck file, "fl" a card list and "fc" a CSV,
// made again before every run. Every run ends with a status the program documents
// and, on standard error, a message safe to show.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "tests/fuzz/cli_fuzz_support.h"

namespace {

constexpr std::size_t MostArguments = 16;

void makeFixtures(int& runs) {
    const testfiles::TempFolder& folder = clifuzz::fuzzFolder();
    static const bool entered = (std::filesystem::current_path(folder.path()), true);
    (void)entered;
    if (++runs % 1000 == 0) // what the runs wrote
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            std::filesystem::remove_all(entry.path());
    static const std::string decks = clifuzz::fixtureDecks();
    testfiles::writeBytes(folder.path() / "fd", decks);
    testfiles::writeBytes(folder.path() / "fl", "3 Aelid\n2x Amber Horn (GW)\nGW158\n");
    testfiles::writeBytes(folder.path() / "fc",
                          "deck1,deck3,name,set\n2,1,Aelid,\n,4,Amber Horn,GW\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.find_first_of("/\\:") != std::string_view::npos) return 0;
    std::vector<std::string> args;
    for (std::size_t at = 0; at <= input.size() && args.size() < MostArguments;) {
        const std::size_t end = std::min(input.find('\0', at), input.size());
        std::string arg(input.substr(at, end - at));
        if (!args.empty() && !arg.starts_with('-')) arg.insert(0, "f");
        args.push_back(std::move(arg));
        at = end + 1;
    }
    static int runs = 0;
    makeFixtures(runs);
    CliOutput io;
    const int status = runCli(args, io);
    if (status != ExitSuccess && status != ExitNotFound && status != ExitFailure) std::abort();
    clifuzz::requireSafeMessage(io.err);
    return 0;
}
