// import-list under arbitrary file contents: text decoding, line ends, the count and
// its "x", Unicode spaces, a set in parentheses or brackets, ids and names through the
// card matcher, with its nearest names. The first byte picks the deck and the options
// (--sum, --replace, --onto); the import only checks (--check), so nothing is
// written. Every run ends with status 0 or 2 and messages that are safe to show.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tests/fuzz/cli_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string input = clifuzz::fuzzFolder().file("in.txt");
    static const std::string onto = clifuzz::fuzzFolder().file("onto.tvn");
    static const bool ready = (testfiles::writeBytes(onto, clifuzz::fixtureDecks()), true);
    (void)ready;
    if (size == 0) return 0;
    const unsigned options = data[0];
    testfiles::writeBytes(input, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::vector<std::string> args{"import-list", input, "--check", "--deck",
                                  std::to_string(options % 5 + 1)};
    if (options & 0x08) args.push_back("--sum");
    if (options & 0x10) args.push_back("--replace");
    if (options & 0x20) args.insert(args.end(), {"--onto", onto});
    CliOutput io;
    const int status = runCli(args, io);
    if (status != ExitSuccess && status != ExitFailure) std::abort();
    clifuzz::requireSafeMessage(io.out);
    clifuzz::requireSafeMessage(io.err);
    return 0;
}
