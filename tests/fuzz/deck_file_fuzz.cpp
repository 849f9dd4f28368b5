// Deck file decoder under arbitrary input. It must accept exactly the inputs of 33480
// bytes whose every count is in 0..255 (the three high bytes of each count zero), and
// encode those back to themselves; anything else is refused with the decks untouched.
//
// Built with libFuzzer this is the fuzz target. Built with CARDHOLD_FUZZ_REPLAY it
// gains a main that feeds every file of the given folders to the same entry point,
// plus a few inputs too large to keep in the corpus, so any compiler can run it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "store/deck_file.h"

namespace {

bool isValidDeckFile(std::string_view input) {
    if (input.size() != DeckFileSize) return false;
    for (std::size_t at = 0; at < input.size(); at += 4)
        if (input[at + 1] || input[at + 2] || input[at + 3]) return false;
    return true;
}

} // namespace

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

#ifdef CARDHOLD_FUZZ_REPLAY
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

int feed(const std::string& bytes) {
    return LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    int files = 0;
    for (int arg = 1; arg < argc; ++arg)
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg])) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            feed(std::string(std::istreambuf_iterator<char>(in), {}));
            ++files;
        }
    std::string large;
    for (const char fill : {'\x00', '\xFF', '\x80'}) {
        large.assign(DeckFileSize, fill);
        feed(large);
        feed(large + fill);
        feed(large.substr(1));
    }
    for (std::size_t at = 0; at < large.size(); ++at)
        large[at] = static_cast<char>(at * 131 + 7);
    feed(large);
    std::cout << files << " corpus files replayed\n";
    // An empty or missing corpus would make the test pass without testing anything.
    return files > 0 ? 0 : 1;
}
#endif
