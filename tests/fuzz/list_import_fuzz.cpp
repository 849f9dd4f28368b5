// import-list under arbitrary file contents: text decoding, line ends, the count and
// its "x", Unicode spaces, a set in parentheses or brackets, ids and names through the
// card matcher, with its nearest names. The first byte picks the deck and the options
// (--sum, --replace, --onto); the import only checks (--check), so nothing is
// written. Every run ends with status 0 or 2 and messages that are safe to show.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/fuzz/cli_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string input = clifuzz::fuzzFolder().file("in.txt");
    if (size == 0) return 0;
    const unsigned options = data[0];
    testfiles::writeBytes(input, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::vector<std::string> args{"import-list", input, "--check", "--deck",
                                  std::to_string(options % 5 + 1)};
    clifuzz::checkImport(std::move(args), options);
    return 0;
}
