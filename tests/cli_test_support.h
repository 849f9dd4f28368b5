#pragma once
// Running the console program's commands in-process, on files in a fresh folder.
#include <string>
#include <vector>

#include "cli/cli.h"
#include "store/deck_file.h"
#include "tests/support/temp_folder.h"

namespace clitest {

struct Run {
    int status;
    std::string out;
    std::string err;
};

inline Run cli(const std::vector<std::string>& args) {
    CliOutput io;
    const int status = runCli(args, io);
    return {status, io.out, io.err};
}

// Every count in 0..255 and neighbours different, so a misplaced count shows.
inline DeckSet patternedDecks() {
    DeckSet decks{};
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card)
            decks.decks[deck].counts[card] = (card * 31 + deck * 7) % 256;
    return decks;
}

inline std::string writeDecks(const testfiles::TempFolder& folder, const char* name,
                              const DeckSet& decks) {
    const std::string path = folder.file(name);
    testfiles::writeBytes(path, encodeDeckFile(decks));
    return path;
}

} // namespace clitest
