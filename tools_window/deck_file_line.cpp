#include "tools_window/deck_file_line.h"

#include <memory>

#include "cli/command.h"
#include "files/file_identity.h"
#include "reports/thousands.h"
#include "store/deck_set.h"

DeckFileLine describeDeckFile(const std::string& path) {
    if (path.empty()) return {{}, "No deck file chosen."};
    if (!fileIdentity(path).found) return {{}, "No such file yet: an import makes it."};
    const auto decks = std::make_unique<DeckSet>();
    CliOutput io;
    if (!loadDeckArgument(path, *decks, io)) {
        while (!io.err.empty() && io.err.back() == '\n')
            io.err.pop_back();
        return {{true, false}, io.err};
    }
    const Holding holding = holdingOf(*decks);
    return {{true, true},
            std::to_string(DeckCount) + " decks, " + withThousands(holding.copies) + " copies, " +
                withThousands(holding.cards) + " of " + withThousands(CardCount) + " cards"};
}
