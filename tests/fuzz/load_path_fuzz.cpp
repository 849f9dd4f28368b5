// The load path a user takes, under arbitrary file contents: the bytes are written to
// a real file in the harness's own temporary folder, read with the size and count
// checks, decoded; what loads is saved back through the safe writer, read again and
// compared. A refused file changes no deck and gives a reason.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "files/deck_file_reader.h"
#include "files/safe_file.h"
#include "store/deck_file.h"
#include "store/deck_set.h"
#include "tests/fuzz/valid_deck_file.h"
#include "tests/support/temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const testfiles::TempFolder folder("cardhold-fuzz-");
    static const std::string loaded = folder.file("loaded.tvn");
    static const std::string saved = folder.file("saved.tvn");
    static DeckSet decks, before, again;
    const std::string input(reinterpret_cast<const char*>(data), size);
    testfiles::writeBytes(folder.path() / "loaded.tvn", input);
    std::memset(&decks, 0x5A, sizeof decks);
    std::memcpy(&before, &decks, sizeof decks);

    std::string reason;
    const bool read = readDeckFile(loaded, decks, reason);
    if (read != isValidDeckFile(input)) std::abort();
    if (!read) {
        if (reason.empty() || std::memcmp(&decks, &before, sizeof decks) != 0) std::abort();
        return 0;
    }
    if (!writeFileSafely(saved, encodeDeckFile(decks)).ok) std::abort();
    if (!readDeckFile(saved, again, reason) || std::memcmp(&again, &decks, sizeof decks) != 0)
        std::abort();
    if (readFileBytes(saved, DeckFileSize).bytes != input) std::abort();
    return 0;
}
