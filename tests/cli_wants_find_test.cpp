// The console program's wants, spares, find and html commands, in-process.
#include <sstream>

#include <gtest/gtest.h>

#include "cli/cards/card_fields.h"
#include "cli/cards/card_list_line.h"
#include "tests/cli_test_support.h"

namespace {

using clitest::cli;

// Rows of a --csv output after the byte-order mark and the header, one string each.
std::vector<std::string> csvRows(const std::string& csv) {
    std::vector<std::string> rows;
    std::size_t at = csv.find("\r\n") + 2;
    for (std::size_t end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
        rows.push_back(csv.substr(at, end - at));
    return rows;
}

// A text output with LF line ends (on Windows it ends its lines in CR LF).
std::string lf(std::string text) {
    std::erase(text, '\r');
    return text;
}

int cardOf(const char* id) {
    return CardIdIndex().find(id);
}

struct WantsSpares : testing::Test {
    testfiles::TempFolder folder;
    DeckSet decks{};
    std::string path() { return clitest::writeDecks(folder, "decks.tvn", decks); }
};

TEST_F(WantsSpares, EdgesOfTheTargetAndOfTheCounts) {
    decks.decks[0].counts[cardOf("GW158")] = 255; // Uncommon
    decks.decks[0].counts[cardOf("HM145")] = 254; // Common
    decks.decks[0].counts[cardOf("SR078")] = 3;   // Rare
    const std::string file = path();

    const clitest::Run none = cli({"wants", file, "--target", "0", "--deck", "1"});
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_NE(lf(none.out).find("\nMissing: 0 cards, 0 copies\n"), std::string::npos) << none.out;

    const clitest::Run full = cli({"wants", file, "--target", "255", "--deck", "1", "--csv"});
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_TRUE(full.out.starts_with("\xEF\xBB\xBFid,name,set,rarity,held,target,missing\r\n"));
    const std::vector<std::string> wanted = csvRows(full.out);
    EXPECT_EQ(wanted.size(), CardCount - 1u); // GW158 is at its target
    EXPECT_EQ(wanted[0], "HM107,A Warm Barn,Hollowmere,Uncommon,0,255,255");
    EXPECT_EQ(wanted[1], "SR078,Aelald's Wardens,Stormreach,Rare,3,255,252");
    EXPECT_EQ(wanted[3], "HM145,Aelid,Hollowmere,Common,254,255,1");

    EXPECT_EQ(csvRows(cli({"spares", file, "--keep", "254", "--csv"}).out),
              std::vector<std::string>{"GW158,A Warm Barn,Grimward,Uncommon,255,254,1"});
    const std::string all = lf(cli({"spares", file, "--keep", "0"}).out);
    EXPECT_NE(all.find("HM145  Aelid                                  Hollowmere      Common "
                       "      254       0      254\n"),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("\nSpare: 3 cards, 512 copies\n"), std::string::npos);
    EXPECT_NE(all.find("\n  Grimward        1 card, 255 copies\n"
                       "  Hollowmere      1 card, 254 copies\n"
                       "  Stormreach      1 card, 3 copies\n"),
              std::string::npos)
        << all;
}

TEST_F(WantsSpares, PerRarityTargetsLeaveTheOtherRaritiesOut) {
    const std::string file = path();
    const std::vector<std::string> rows =
        csvRows(cli({"wants", file, "--target", "u=2,R=1", "--csv"}).out);
    int uncommon = 0, rare = 0;
    for (int card = 0; card < CardCount; ++card) {
        uncommon += CardCatalogue[card].rarity == 2;
        rare += CardCatalogue[card].rarity == 3;
    }
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(uncommon + rare));
    EXPECT_EQ(rows[0], "GW158,A Warm Barn,Grimward,Uncommon,0,2,2");
    EXPECT_EQ(rows[2], "SR078,Aelald's Wardens,Stormreach,Rare,0,1,1");

    for (const char* bad : {"C=1,C=2", "X=1", "256", "C=", "C=1,", "-1", ""}) {
        const clitest::Run run = cli({"wants", file, "--target", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.err.starts_with("cardhold-cli wants: --target: ")) << run.err;
    }
    EXPECT_EQ(cli({"spares", file}).status, 2); // --keep is needed
}

TEST_F(WantsSpares, WithoutADeckTheFiveDecksAreAddedTogether) {
    const int card = cardOf("HM145");
    decks.decks[0].counts[card] = 1;
    decks.decks[2].counts[card] = 2;
    for (StoreDeck& deck : decks.decks)
        deck.counts[cardOf("GW158")] = 255;
    const std::string file = path();
    const auto has = [](const std::string& out, const char* row) {
        return out.find(row) != std::string::npos;
    };
    EXPECT_FALSE(has(cli({"wants", file, "--target", "3", "--csv"}).out, "HM145,"));
    EXPECT_TRUE(has(cli({"wants", file, "--target", "3", "--deck", "3", "--csv"}).out,
                    "HM145,Aelid,Hollowmere,Common,2,3,1\r\n"));
    EXPECT_TRUE(has(cli({"spares", file, "--keep", "4", "--csv"}).out,
                    "GW158,A Warm Barn,Grimward,Uncommon,1275,4,1271\r\n"));
}

// Each --list line read back as a plain card list is read: the same card, the copies.
TEST_F(WantsSpares, ListLinesReadBackAsTheirCardsAndCopies) {
    decks = clitest::patternedDecks();
    const std::string file = path();
    for (const char* command : {"wants", "spares"}) {
        const std::string option = command == std::string("wants") ? "--target" : "--keep";
        const clitest::Run run = cli({command, file, option, "100", "--deck", "2", "--list"});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string list = lf(run.out);
        const bool wants = command == std::string("wants");
        std::vector<std::pair<int, int>> listed; // card, copies
        for (int card = 0; card < CardCount; ++card)
            if (const int held = decks.decks[1].counts[card]; wants ? held < 100 : held > 100)
                listed.emplace_back(card, std::abs(held - 100));
        std::size_t line = 0;
        for (std::size_t at = 0, end; (end = list.find('\n', at)) != std::string::npos;
             at = end + 1, ++line) {
            ASSERT_LT(line, listed.size());
            const std::string text = list.substr(at, end - at);
            const CardListEntry entry = parseCardListLine(text);
            const CardMatch match = matchCardListEntry(entry, true);
            EXPECT_EQ(match.card, listed[line].first) << text << ": " << match.fault;
            EXPECT_EQ(entry.count, static_cast<unsigned long>(listed[line].second));
        }
        EXPECT_EQ(line, listed.size()) << command;
    }
}

TEST(CliFind, FoldedTextInEveryFieldOrInOne) {
    testfiles::TempFolder folder;
    DeckSet decks{};
    decks.decks[1].counts[cardOf("SR004")] = 7;
    const std::string file = clitest::writeDecks(folder, "decks.tvn", decks);

    const clitest::Run oath = cli({"find", "ALÉONS OATH", file});
    ASSERT_EQ(oath.status, 0) << oath.err;
    EXPECT_EQ(oath.out, "id     name                                   set             deck1  "
                        "deck2  deck3  deck4  deck5\n"
                        "SR004  Aleón's Oath                           Stormreach          0      "
                        "7      0      0      0\n");
    EXPECT_EQ(cli({"find", "aleón's oath"}).out,
              "id     name                                   set\n"
              "SR004  Aleón's Oath                           Stormreach\n");

    int errata = 0;
    while (CardCatalogue[errata].errata[0] == 0)
        ++errata;
    const std::string errataText(CardCatalogue[errata].errata, 20);
    const std::string id = fieldText(CardCatalogue[errata].cardId);
    const struct {
        const char* field;
        std::string text;
    } each[] = {{"name", "aelid"},
                {"text", "skarn envoy"},
                {"errata", trimmedUtf8(errataText)},
                {"artist", "ola greaves"},
                {"id", "hm145"}};
    for (const auto& [field, text] : each) {
        const std::string wanted = std::string(field) == "errata" ? id : "HM145";
        const clitest::Run run = cli({"find", text, "--in", field});
        EXPECT_NE(run.out.find("\n" + wanted + "  "), std::string::npos) << field;
        EXPECT_NE(cli({"find", text}).out.find("\n" + wanted + "  "), std::string::npos) << field;
        const char* other = std::string(field) == "name" ? "id" : "name";
        EXPECT_EQ(cli({"find", text, "--in", other}).out.find("\n" + wanted + "  "),
                  std::string::npos)
            << field;
    }

    const clitest::Run none = cli({"find", "zzqq"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "no card contains zzqq\n");
    EXPECT_EQ(cli({"find", "-'"}).status, 2); // folds to nothing
    EXPECT_EQ(cli({"find", "x", "--in", "set"}).status, 2);
}

TEST(CliHtml, EveryTextIsEscapedOnce) {
    testfiles::TempFolder folder;
    const std::string file = clitest::writeDecks(folder, "decks.tvn", clitest::patternedDecks());
    const clitest::Run run = cli({"html", file, "--title", "Zoë's <b>cards</b> & \"more\""});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& page = run.out;
    EXPECT_NE(page.find("<title>Zoë&#39;s &lt;b&gt;cards&lt;/b&gt; &amp; &quot;more&quot;</title>"),
              std::string::npos);
    EXPECT_NE(page.find("<h1>Zoë&#39;s &lt;b&gt;cards&lt;/b&gt; &amp; &quot;more&quot;</h1>"),
              std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("<td>Ash &amp; Bone<td>Emberkin"), std::string::npos);

    EXPECT_EQ(cli({"html", file, "--title", "\xC3("}).status, 2); // not UTF-8
    EXPECT_EQ(cli({"html", file, "-o", ""}).status, 2);
}

// The title lines of stats' table ("Deck 1: 3 copies, ..."), or the page's summary
// rows in the same words.
std::string statsTitles(const std::string& table) {
    std::string titles;
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("Deck ")) titles += line + "\n";
    return titles;
}
std::string pageSummary(const std::string& page) {
    std::string titles;
    for (std::size_t at = 0; (at = page.find("<tr data-view=", at)) != std::string::npos;) {
        at = page.find("<th>", at) + 4;
        const auto cell = [&](const std::string& end) {
            const std::size_t stop = page.find(end, at);
            const std::string text = page.substr(at, stop - at);
            at = stop + end.size();
            return text;
        };
        const std::string view = cell("<td>"), copies = cell("<td>"), distinct = cell("<td>");
        titles += view + ": " + copies + " copies, " + distinct + " distinct cards, " +
                  cell("</tr>") + " complete\n";
    }
    return titles;
}

// Each set's bar on the page ("Deck 1 Ashfall: 3 of 492 · 0 %; 1 of 492 at target"),
// or the same from stats' CSV and the per-set totals of wants.
std::string pageBars(const std::string& page) {
    std::string bars, view;
    const auto between = [&](std::size_t& at, const std::string& open, const std::string& close) {
        at = page.find(open, at) + open.size();
        return page.substr(at, page.find(close, at) - at);
    };
    for (std::size_t at = 0; (at = page.find("<summary>", at)) != std::string::npos;) {
        std::size_t heading = page.rfind("<h3>", at);
        view = between(heading, "<h3>", "</h3>");
        const std::string name = between(at, "\"name\">", "<"),
                          figure = between(at, "\"fig\">", "<");
        const std::size_t end = page.find("</summary>", at);
        const std::size_t goal = page.find("\"goal\">", at);
        bars += view + " " + name + ": " + figure + "; " +
                (goal < end ? between(at, "\"goal\">", "<") : "-") + "\n";
    }
    return bars;
}
std::string statsBars(const std::string& view, const std::string& statsCsv,
                      const std::string& wantsTable) {
    std::string bars;
    std::istringstream rows(statsCsv);
    for (std::string row; std::getline(rows, row);) {
        std::vector<std::string> cells;
        std::istringstream fields(row.substr(0, row.find('\r')));
        for (std::string cell; std::getline(fields, cell, ',');)
            cells.push_back(cell);
        if (cells.at(1) != "set") continue;
        const std::size_t at =
            wantsTable.find("\n  " + cells[2] + " ", wantsTable.find("Missing:")) + 3;
        const int wanted =
            std::stoi(wantsTable.substr(wantsTable.find_first_not_of(' ', at + cells[2].size())));
        bars += view + " " + cells[2] + ": " + cells[3] + " of " + cells[4] + " \xC2\xB7 " +
                cells[5] + " %; " + std::to_string(std::stoi(cells[4]) - wanted) + " of " +
                cells[4] + " at target\n";
    }
    return bars;
}

// The page's figures are stats' and wants' own: its table of copies, distinct cards
// and completion, and every set's bar with the cards at a target of two, for each deck
// and for the five added together (a file holding their sum).
TEST(CliHtml, FiguresAreStatsAndWantsFigures) {
    testfiles::TempFolder folder;
    DeckSet decks{}, together{};
    for (int deck = 0; deck < DeckCount; ++deck)
        for (int card = 0; card < CardCount; ++card) {
            const int count = (card * 7 + deck * 3) % 5 == 0 ? 0 : (card + deck) % 4;
            decks.decks[deck].counts[card] = count;
            together.decks[0].counts[card] += count;
        }
    const std::string file = clitest::writeDecks(folder, "decks.tvn", decks);
    const std::string sum = clitest::writeDecks(folder, "sum.tvn", together);
    std::string collection = statsTitles(cli({"stats", sum, "--deck", "1"}).out);
    collection.replace(0, 6, "Collection");
    const std::string page = cli({"html", file, "--target", "2"}).out;
    EXPECT_EQ(pageSummary(page), statsTitles(cli({"stats", file}).out) + collection);

    std::string bars;
    for (int deck = 1; deck <= DeckCount + 1; ++deck) {
        const bool all = deck > DeckCount;
        const std::string n = all ? "1" : std::to_string(deck);
        bars += statsBars(all ? "Collection" : "Deck " + n,
                          cli({"stats", all ? sum : file, "--deck", n, "--csv"}).out,
                          cli({"wants", all ? sum : file, "--deck", n, "--target", "2"}).out);
    }
    EXPECT_EQ(pageBars(page), bars);
    // A bar with no card that has a target says nothing of targets.
    EXPECT_EQ(cli({"html", file, "--target", "F=1"}).out.find("0 of 0 at target"),
              std::string::npos);
}

} // namespace
