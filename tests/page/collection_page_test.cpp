// The collection page in a real browser: writes a page for a deck file with the
// program itself, works out what the page must show with the program's own folding
// and stats, and has drive_page.js hold headless Chromium's view of the page against
// it. Exit status 77 (skipped, with the reason) where no browser can start.
//   collection_page_test NODE CHROMIUM DRIVER [--screenshot OUT.png]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "catalogue/name_tables.h"
#include "catalogue/windows1252.h"
#include "cli/card_fields.h"
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
        if (found) ids += (ids.size() > 1 ? "," : "") + json(fieldText(r.cardId));
    }
    return ids + "]";
}

// A search (Windows-1252) and the cards it must show.
std::string query(std::string_view typed) {
    return "{\"q\":" + json(windows1252ToUtf8(typed)) + ",\"ids\":" + matchingIds(typed) + "}";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: collection_page_test NODE CHROMIUM DRIVER [--screenshot OUT]\n");
        return 2;
    }
    const std::string node = argv[1], chromium = argv[2], driver = argv[3];
    if (node.empty() || node.ends_with("NOTFOUND")) {
        std::printf("SKIP: node was not found when the tests were configured\n");
        return Skipped;
    }
    testfiles::TempFolder folder;
    DeckSet decks{};
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card)
            decks.decks[deck].counts[card] = (card * 7 + deck * 3) % 5 == 0 ? 0 : (card + deck) % 4;
    const std::string deckFile = folder.file("decks.tvn");
    testfiles::writeBytes(deckFile, encodeDeckFile(decks));

    const std::string page = folder.file("collection page.html");
    CliOutput written;
    const auto start = std::chrono::steady_clock::now();
    const int status =
        runCli({"html", deckFile, "-o", page, "--target", "F=1,C=3,U=2,R=1"}, written);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (status != 0) {
        std::printf("FAILED: html: %s", written.err.c_str());
        return 1;
    }
    std::printf("page: %zu bytes, written in %.1f ms\n", testfiles::readBytes(page).size(), ms);

    CliOutput stats;
    runCli({"stats", deckFile, "--deck", "1", "--csv"}, stats);
    const std::string row = "\n1,set,Hollowmere,";
    const std::size_t at = stats.out.find(row);
    int held = 0, of = 0, percent = 0;
    if (at == std::string::npos ||
        std::sscanf(stats.out.c_str() + at + row.size(), "%d,%d,%d", &held, &of, &percent) != 3) {
        std::printf("FAILED: no Hollowmere row in stats:\n%s", stats.out.c_str());
        return 1;
    }
    std::string folds = "[";
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        for (const std::string& text : {one, "A" + one + "b ", one + one})
            folds += (folds.size() > 1 ? "," : "") + std::string("[") +
                     json(windows1252ToUtf8(text)) + "," + json(windows1252ToUtf8(foldName(text))) +
                     "]";
    }
    const std::string expected = "{\"queries\":[" + query("ALE\xD3N'S") + "," + query("hollowm") +
                                 "," + query("mv0") + "," + query("(R\xC9-turn") +
                                 "],\"typed\":" + query("amb") +
                                 ",\"bar\":{\"deck\":0,\"set\":\"Hollowmere\",\"figure\":" +
                                 json(std::to_string(held) + " of " + std::to_string(of) +
                                      " \xC2\xB7 " + std::to_string(percent) + " %") +
                                 "},\"folds\":" + folds + "]}";
    testfiles::writeBytes(folder.file("expected.json"), expected);

    std::string command = "\"" + node + "\" \"" + driver + "\" \"" +
                          (chromium.ends_with("NOTFOUND") ? "" : chromium) + "\" \"" + page +
                          "\" \"" + folder.file("expected.json") + "\"";
    for (int i = 4; i < argc; ++i)
        command += std::string(" \"") + argv[i] + "\"";
    std::fflush(stdout);
    const int result = std::system(command.c_str());
    if (result == -1 || !WIFEXITED(result)) return 1;
    return WEXITSTATUS(result);
}
