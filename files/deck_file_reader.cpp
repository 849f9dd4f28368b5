#include "files/deck_file_reader.h"

#include "files/file_platform.h"
#include "store/deck_file.h"

namespace {

bool readDeckFile(FilePlatform& files, const std::string& path, DeckSet& decks,
                  DeckFileFault& fault, uint64_t peek) {
    ReadResult file = readFileBytes(files, path, peek > DeckFileSize ? peek : DeckFileSize);
    if (!file.ok && !file.tooLarge) {
        fault.reason = file.reason;
        return false;
    }
    if (file.fileSize != DeckFileSize) {
        fault.reason = wrongDeckFileSize(file.fileSize);
        fault.wrongSize = true;
        fault.bytes = std::move(file.bytes);
        return false;
    }
    return decodeDeckFile(file.bytes, decks, &fault.reason);
}

} // namespace

bool readDeckFile(FilePlatform& files, const std::string& path, DeckSet& decks,
                  std::string& reason) {
    DeckFileFault fault;
    if (readDeckFile(files, path, decks, fault, 0)) return true;
    reason = std::move(fault.reason);
    return false;
}

bool readDeckFile(const std::string& path, DeckSet& decks, DeckFileFault& fault, uint64_t peek) {
    return readDeckFile(platformFiles(), path, decks, fault, peek);
}

bool readDeckFile(const std::string& path, DeckSet& decks, std::string& reason) {
    return readDeckFile(platformFiles(), path, decks, reason);
}
