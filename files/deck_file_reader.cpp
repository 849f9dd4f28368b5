#include "files/deck_file_reader.h"

#include "files/safe_file.h"
#include "store/deck_file.h"

bool readDeckFile(const std::string& path, DeckSet& decks, std::string& reason) {
    const ReadResult file = readFileBytes(path, DeckFileSize);
    if (!file.ok && !file.tooLarge) {
        reason = file.reason;
        return false;
    }
    if (file.fileSize != DeckFileSize) {
        reason = wrongDeckFileSize(file.fileSize);
        return false;
    }
    return decodeDeckFile(file.bytes, decks, &reason);
}
