#pragma once
// A deck file read from disk the one way every part of the program reads it: the
// whole file, refused unread when it is not exactly 33480 bytes, or when it changed
// while it was read, then decoded with every count checked.
#include <cstdint>
#include <string>

struct DeckSet;
class FilePlatform;

// Why a file was not read as a deck file: the reason in words, and for a file of the
// wrong size what it holds, up to the bytes asked for (so a caller can tell what else
// it may be without reading it again).
struct DeckFileFault {
    std::string reason;
    bool wrongSize = false;
    std::string bytes; // the whole file when wrongSize and it holds at most the bytes asked
};

// Fills `decks` from the file at `path` (UTF-8), or leaves them untouched and puts
// the reason, in words for a message, in `reason`.
bool readDeckFile(const std::string& path, DeckSet& decks, std::string& reason);
bool readDeckFile(FilePlatform& files, const std::string& path, DeckSet& decks,
                  std::string& reason);
// Reads up to `peek` bytes of a file of the wrong size into the fault.
bool readDeckFile(const std::string& path, DeckSet& decks, DeckFileFault& fault, uint64_t peek);
