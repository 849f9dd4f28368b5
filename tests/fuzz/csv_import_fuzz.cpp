// import-csv under arbitrary file contents: text decoding (UTF-8 with or without its
// mark, UTF-16 either way round, Windows-1252), the "sep=" line and the separator
// found from the header, quoting, the header's columns, the card matcher and the
// counts. The first byte picks the options (--deck, --sum, --replace, --onto); the
// import only checks (--check), so nothing is written. Every run ends with status 0
// or 2 and messages that are safe to show.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/fuzz/cli_fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::string input = clifuzz::fuzzFolder().file("in.csv");
    if (size == 0) return 0;
    const unsigned options = data[0];
    testfiles::writeBytes(input, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::vector<std::string> args{"import-csv", input, "--check"};
    if (const unsigned deck = options % 6; deck > 0)
        args.insert(args.end(), {"--deck", std::to_string(deck)});
    clifuzz::checkImport(std::move(args), options);
    return 0;
}
