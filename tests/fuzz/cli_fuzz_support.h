#pragma once
// What the companion's fuzz targets share: the fixtures its commands read, in the
// harness's own temporary folder, and the promise every message keeps, whatever the
// input: UTF-8 text with no control character but the line end, so that nothing it
// quotes can steer a terminal.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/utf8.h"
#include "cli/cli.h"
#include "store/deck_file.h"
#include "tests/support/temp_folder.h"

namespace clifuzz {

inline void requireSafeMessage(std::string_view text) {
    if (!isValidUtf8(text)) std::abort();
    for (std::size_t at = 0; at < text.size(); ++at) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const bool lineEnd =
            c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
        if ((c < 0x20 && !lineEnd) || c == 0x7F) std::abort();
    }
}

// A deck file with a count in every deck, for --onto and the commands that read one.
inline std::string fixtureDecks() {
    DeckSet decks{};
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = deck; card < CardCount; card += 7)
            decks.decks[deck].counts[card] = (card + deck) % 256;
    return encodeDeckFile(decks);
}

inline const testfiles::TempFolder& fuzzFolder() {
    static const testfiles::TempFolder folder("cardhold-fuzz-");
    return folder;
}

// One import from a fuzz input: its first byte chooses the options, the rest is the
// file imported, with --check so that nothing is written. `args` holds the command,
// the file and the deck; this adds --sum, --replace and --onto as the byte says. The
// import ends with status 0 or 2, its messages safe to show.
inline void checkImport(std::vector<std::string> args, unsigned options) {
    static const std::string onto = [] {
        const std::string name = fuzzFolder().file("onto.tvn");
        testfiles::writeBytes(name, fixtureDecks());
        return name;
    }();
    if (options & 0x08) args.push_back("--sum");
    if (options & 0x10) args.push_back("--replace");
    if (options & 0x20) args.insert(args.end(), {"--onto", onto});
    CliOutput io;
    const int status = runCli(args, io);
    if (status != ExitSuccess && status != ExitFailure) std::abort();
    requireSafeMessage(io.out);
    requireSafeMessage(io.err);
}

} // namespace clifuzz
