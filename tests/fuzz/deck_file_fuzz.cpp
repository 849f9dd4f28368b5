// Deck file decoder under arbitrary input. It must accept exactly the inputs of 33480
// bytes whose every count is in 0..255 (the three high bytes of each count zero), and
// encode those back to themselves; anything else is refused with the decks untouched.
//
// Built with libFuzzer this is the fuzz target; with replay_main.cpp any compiler can
// run it over the corpus.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "store/deck_file.h"
#include "tests/fuzz/valid_deck_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    static DeckSet decks;
    static DeckSet before;
    std::memset(&decks, 0x5A, sizeof decks);
    std::memcpy(&before, &decks, sizeof decks);

    std::string reason;
    const bool decoded = decodeDeckFile(input, decks, &reason);
    if (decoded != isValidDeckFile(input)) std::abort();
    if (!decoded) {
        if (reason.empty() || std::memcmp(&decks, &before, sizeof decks) != 0) std::abort();
        return 0;
    }
    if (encodeDeckFile(decks) != input) std::abort();
    return 0;
}
