#include "files/deck_file_reader.h"

#include "files/file_platform.h"
#include "store/deck_file.h"

bool readDeckFile(FilePlatform& files, const std::string& path, DeckSet& decks,
                  std::string& reason) {
    const ReadResult file = readFileBytes(files, path, DeckFileSize);
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

bool readDeckFile(const std::string& path, DeckSet& decks, std::string& reason) {
    return readDeckFile(platformFiles(), path, decks, reason);
}
