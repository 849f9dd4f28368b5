#include "shell/shrinking_save.h"

#include <memory>
#include <vector>

#include "ui/dialog.h"
#include "shell/caption.h"
#include "files/deck_file_reader.h"
#include "files/file_identity.h"
#include "reports/thousands.h"
#include "store/deck_set.h"

namespace {

// The files this run loaded or saved, by identity, so another spelling of the same
// path is the same file. A save replaces the file, so it is taken after the write.
std::vector<FileIdentity> knownFiles;

bool isKnown(const FileIdentity& file) {
    for (const FileIdentity& known : knownFiles)
        if (known.sameFileAs(file)) return true;
    return false;
}

bool someCountFalls(const DeckSet& inFile) {
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card)
            if (deckSet.decks[deck].counts[card] < inFile.decks[deck].counts[card]) return true;
    return false;
}

std::string counted(long long number, const char* one, const char* many) {
    return withThousands(number) + " " + (number == 1 ? one : many);
}

} // namespace

bool mayReplaceDeckFile(Dialog& dialog, const std::string& path) {
    const FileIdentity file = fileIdentity(path);
    if (!file.found || !file.regularFile || isKnown(file)) return true;
    auto inFile = std::make_unique<DeckSet>();
    std::string reason;
    if (!readDeckFile(path, *inFile, reason) || !someCountFalls(*inFile)) return true;
    const Holding before = holdingOf(*inFile), after = holdingOf(deckSet);
    return dialog.confirm(fileNameOf(path) + " was not loaded in this session. It holds " +
                          counted(before.copies, "copy", "copies") + " of " +
                          counted(before.cards, "card", "cards") + "; after saving it would hold " +
                          counted(after.copies, "copy", "copies") + ". Replace it?");
}

void rememberDeckFile(const std::string& path) {
    const FileIdentity file = fileIdentity(path);
    if (file.found && !isKnown(file)) knownFiles.push_back(file);
}

void forgetDeckFiles() {
    knownFiles.clear();
}
