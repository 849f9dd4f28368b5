// The collection page in a real browser: writes a page for a deck file with the
// program itself, works out what the page must show with the program's own folding
// and stats, and has drive_page.js hold headless Chromium's view of the page against
// it. Exit status 77 (skipped, with the reason) where no browser can start.
//   collection_page_test NODE CHROMIUM DRIVER [--screenshot OUT.png]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "catalogue/name_tables.h"
#include "catalogue/windows1252.h"
#include "cli/cards/card_fields.h"
#include "cli/cli.h"
#include "store/deck_file.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int Skipped = 77;

std::string json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The ids of the cards whose name, set, type, rarity or id contain `typed`, both folded.
std::string matchingIds(std::string_view typed) {
    const std::string wanted = foldName(typed);
    std::string ids = "[";
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& r = CardCatalogue[card];
        bool found = false;
        for (const std::string_view field :
             {std::string_view(r.name), std::string_view(SetNames[r.set]),
              std::string_view(TypeNames[r.type]), std::string_view(RarityNames[r.rarity]),
              std::string_view(r.cardId)})
            found = found || foldName(field).find(wanted) != std::string::npos;
        if (!found) continue;
        if (ids.size() > 1) ids += ',';
        ids += json(fieldText(r.cardId));
    }
    return ids + "]";
}

// The ids a wants or spares --csv lists, in catalogue order.
std::string listedIds(const std::vector<std::string>& args) {
    CliOutput list;
    runCli(args, list);
    std::string ids = "[";
    for (std::size_t at = list.out.find('\n') + 1; at < list.out.size();
         at = list.out.find('\n', at) + 1) {
        if (ids.size() > 1) ids += ',';
        ids += json(list.out.substr(at, list.out.find(',', at) - at));
    }
    return ids + "]";
}

// A search (Windows-1252) and the cards it must show.
std::string query(std::string_view typed) {
    return "{\"q\":" + json(windows1252ToUtf8(typed)) + ",\"ids\":" + matchingIds(typed) + "}";
}

} // namespace

int main(int argc, char** argv) {
    const std::string node = argc > 3 ? argv[1] : "", chromium = argc > 3 ? argv[2] : "";
    if (node.empty() || node.ends_with("NOTFOUND")) {
        std::printf("SKIP: node was not found when the tests were configured\n");
        return Skipped;
    }
    testfiles::TempFolder folder;
    // Two decks, so that the collection holds some cards not at all, some once and
    // some more often.
    DeckSet decks{};
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card)
            decks.decks[deck].counts[card] =
                deck > 1 || (card * 7 + deck * 3) % 5 == 0 ? 0 : (card + deck) % 4;
    const std::string deckFile = folder.file("decks.tvn"), page = folder.file("the page.html");
    testfiles::writeBytes(deckFile, encodeDeckFile(decks));
    CliOutput html, stats;
    // The page's rule for the rarity without a target (none held is missing, more than
    // one spare) is a target of one for wants and spares.
    const std::string targets = "F=1,C=3,U=2,R=1", withPromotions = targets + ",P=1";
    if (runCli({"html", deckFile, "-o", page, "--target", targets}, html) != 0) {
        std::printf("FAILED: html: %s", html.err.c_str());
        return 1;
    }
    std::printf("page: %zu bytes\n", testfiles::readBytes(page).size());

    runCli({"stats", deckFile, "--deck", "1", "--csv"}, stats);
    const std::string row = "\n1,set,Hollowmere,"; // then held,of,percent
    const std::size_t at = stats.out.find(row) + row.size();
    std::string figure = stats.out.substr(at, stats.out.find('\r', at) - at);
    figure.replace(figure.find(','), 1, " of ").replace(figure.find(','), 1, " \xC2\xB7 ") += " %";

    std::string folds = "[";
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        for (const std::string& text : {one, "A" + one + "b ", one + one})
            folds += (folds.size() > 1 ? ",[" : "[") + json(windows1252ToUtf8(text)) + "," +
                     json(windows1252ToUtf8(foldName(text))) + "]";
    }
    testfiles::writeBytes(
        folder.file("expected.json"),
        "{\"queries\":[" + query("ALE\xD3N'S") + "," + query("hollowm") + "," + query("mv0") + "," +
            query("(R\xC9-turn") + "],\"typed\":" + query("amb") +
            ",\"bar\":{\"deck\":0,\"set\":\"Hollowmere\"," + "\"figure\":" + json(figure) +
            "},\"folds\":" + folds + "]," +
            "\"modes\":{\"held\":" + listedIds({"spares", deckFile, "--keep", "0", "--csv"}) +
            ",\"missing\":" + listedIds({"wants", deckFile, "--target", withPromotions, "--csv"}) +
            ",\"spares\":" + listedIds({"spares", deckFile, "--keep", withPromotions, "--csv"}) +
            "}}");

    std::string command = "\"" + node + "\" \"" + argv[3] + "\" \"" +
                          (chromium.ends_with("NOTFOUND") ? "" : chromium) + "\" \"" + page +
                          "\" \"" + folder.file("expected.json") + "\"";
    for (int i = 4; i < argc; ++i)
        command += std::string(" \"") + argv[i] + "\"";
    std::fflush(stdout);
    const int result = std::system(command.c_str());
    return result != -1 && WIFEXITED(result) ? WEXITSTATUS(result) : 1;
}
