#pragma once
// A deck file read from disk the one way every part of the program reads it: the
// whole file, refused unread when it is not exactly 33480 bytes, or when it changed
// while it was read, then decoded with every count checked.
#include <string>

struct DeckSet;
class FilePlatform;

// Fills `decks` from the file at `path` (UTF-8), or leaves them untouched and puts
// the reason, in words for a message, in `reason`.
bool readDeckFile(const std::string& path, DeckSet& decks, std::string& reason);
bool readDeckFile(FilePlatform& files, const std::string& path, DeckSet& decks,
                  std::string& reason);
