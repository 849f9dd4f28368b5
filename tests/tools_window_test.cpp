// The Tools window's model: each task's fields as the console command it runs, and
// Import enabled only by a preview without faults.
// gcc 12 at -O3 warns -Wrestrict inside std::string's own assignment of a literal, a
// false positive of that compiler (its bug 105329) that this file's many field
// assignments meet; nothing here copies overlapping memory.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
#include <gtest/gtest.h>

#include "catalogue/card_record.h"
#include "reports/thousands.h"
#include "tests/cli_test_support.h"
#include "tools_window/tools_form.h"

namespace {

std::string joined(const CliArgs& args) {
    std::string text;
    for (const std::string& arg : args)
        text += (text.empty() ? "" : " ") + arg;
    return text;
}

ToolsFields withTask(ToolsTask task, void (*fill)(ToolsFields&)) {
    ToolsFields fields;
    fields.deckFile = "me.tvn";
    fields.task = task;
    fill(fields);
    return fields;
}

TEST(ToolsOperations, EachTaskIsTheConsoleCommand) {
    const DeckFileState exists{true, true}, isNew{false, false};
    struct Case {
        ToolsFields fields;
        DeckFileState deck;
        const char* preview; // "" for none
        const char* run;     // writing out.csv, or out.txt when that shows more
        const char* output;
    };
    const Case cases[] = {
        {withTask(ToolsTask::Import,
                  [](ToolsFields& f) { f.importFile = "a.csv", f.importDeck = 0; }),
         exists, "import-csv a.csv -o me.tvn --sum --onto me.tvn --add --check",
         "import-csv a.csv -o me.tvn --sum --onto me.tvn --add", "x"},
        {withTask(ToolsTask::Import,
                  [](ToolsFields& f) {
                      f.importFile = "l.TXT", f.importDeck = 3, f.replaceDeck = true;
                  }),
         isNew, "import-list l.TXT -o me.tvn --sum --replace --deck 3 --check",
         "import-list l.TXT -o me.tvn --sum --replace --deck 3", "x"},
        {withTask(ToolsTask::Export, [](ToolsFields& f) { f.exportDeck = 2; }), exists,
         "export-csv me.tvn", "export-csv me.tvn -o out.csv", "out.csv"},
        {withTask(ToolsTask::Export, [](ToolsFields& f) { f.exportCsv = false, f.exportDeck = 2; }),
         exists, "export-list me.tvn --deck 2", "export-list me.tvn --deck 2 -o out.txt",
         "out.txt"},
        {withTask(ToolsTask::WantsSpares,
                  [](ToolsFields& f) {
                      f.rarityCounts = {"1", "", "3", "", "0"};
                  }),
         exists, "wants me.tvn --target F=1,U=3,P=0",
         "wants me.tvn --target F=1,U=3,P=0 --csv -o out.csv", "out.csv"},
        {withTask(ToolsTask::WantsSpares,
                  [](ToolsFields& f) { f.spares = true, f.rarityCounts[3] = "2", f.listDeck = 5; }),
         exists, "spares me.tvn --keep R=2 --deck 5",
         "spares me.tvn --keep R=2 --deck 5 --list -o out.txt", "out.txt"},
        {withTask(ToolsTask::Trade,
                  [](ToolsFields& f) {
                      f.theirDeckFile = "you.tvn", f.myTarget = "2", f.theirKeep = "4";
                  }),
         exists, "trade me.tvn you.tvn --target 2 --their-keep 4",
         "trade me.tvn you.tvn --target 2 --their-keep 4", "x"},
        {withTask(ToolsTask::Trade,
                  [](ToolsFields& f) {
                      f.theirLists = true, f.theirWants = "w.txt", f.theirSpares = "s.csv";
                      f.myTarget = "1", f.myKeep = "2", f.theirTarget = "3", f.balanced = true;
                  }),
         exists,
         "trade me.tvn --their-wants w.txt --their-spares s.csv --target 1 --keep 2 --their-target "
         "3 --balanced",
         "trade me.tvn --their-wants w.txt --their-spares s.csv --target 1 --keep 2 --their-target "
         "3 --balanced",
         "x"},
        {withTask(ToolsTask::Page,
                  [](ToolsFields& f) { f.pageTitle = "Mine", f.pageTarget = "2"; }),
         exists, "", "html me.tvn --title Mine --target 2 -o out.html", "out.html"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(missingField(c.fields, c.deck), "") << c.run;
        EXPECT_EQ(joined(previewArgs(c.fields, c.deck)), c.preview);
        EXPECT_EQ(joined(runArgs(c.fields, c.deck, c.output)), c.run);
    }
    const ToolsFields trade = cases[6].fields;
    EXPECT_EQ(joined(tradeListArgs(trade, "g.txt", "r.txt")),
              "trade me.tvn you.tvn --target 2 --their-keep 4 --give-list g.txt --get-list r.txt");
    EXPECT_EQ(joined(applyTradeArgs(trade, "g.txt", "r.txt", true)),
              "apply-trade --give g.txt --get r.txt -o me.tvn --onto me.tvn --check");
}

TEST(ToolsOperations, FieldsThatCannotRunSayWhy) {
    const DeckFileState readable{true, true};
    const std::pair<ToolsFields, const char*> cases[] = {
        {withTask(ToolsTask::Export, [](ToolsFields& f) { f.deckFile.clear(); }),
         "Choose the deck file."},
        {withTask(ToolsTask::Import, [](ToolsFields&) {}), "Choose the file to import."},
        {withTask(ToolsTask::Import,
                  [](ToolsFields& f) { f.importFile = "l.txt", f.importDeck = 0; }),
         "A card list fills one deck: choose it."},
        {withTask(ToolsTask::WantsSpares, [](ToolsFields&) {}),
         "Give a count for at least one rarity."},
        {withTask(ToolsTask::WantsSpares, [](ToolsFields& f) { f.rarityCounts[0] = "256"; }),
         "Counts are from 0 to 255."},
        {withTask(ToolsTask::Trade,
                  [](ToolsFields& f) { f.theirLists = true, f.theirWants = "w"; }),
         "Choose their want and spare lists."},
        {withTask(ToolsTask::Trade,
                  [](ToolsFields& f) { f.theirDeckFile = "y", f.myTarget = "3", f.myKeep = "2"; }),
         "A keep below the target would make a card both spare and missing."},
    };
    for (const auto& [fields, why] : cases)
        EXPECT_EQ(missingField(fields, readable), why);
    EXPECT_EQ(missingField(withTask(ToolsTask::Page, [](ToolsFields&) {}), {true, false}),
              "The deck file cannot be read.");
}

TEST(ToolsForm, ImportIsEnabledOnlyByAPreviewWithoutFaults) {
    testfiles::TempFolder folder;
    DeckSet decks{};
    decks.decks[0].counts[0] = 2;
    decks.decks[2].counts[1] = 7;
    const std::string deckFile = clitest::writeDecks(folder, "mine.tvn", decks);
    const std::string id(CardCatalogue[1].cardId, 5);
    testfiles::writeBytes(folder.file("bad.txt"), "3 " + id + "\r\nno such card at all\r\n");
    testfiles::writeBytes(folder.file("good.txt"), "3 " + id + "\r\n");

    ToolsForm form;
    ToolsFields fields;
    fields.deckFile = deckFile;
    fields.importFile = folder.file("bad.txt");
    fields.importDeck = 3;
    form.setFields(fields);
    EXPECT_EQ(form.deckFile().text, "5 decks, 9 copies, 2 of 1,674 cards");
    ASSERT_TRUE(form.canPreview());
    EXPECT_FALSE(form.canRun());

    const ToolsOutcome faults = form.preview();
    EXPECT_NE(faults.text.find("bad.txt:2:"), std::string::npos) << faults.text;
    EXPECT_FALSE(form.canRun());

    fields.importFile = folder.file("good.txt");
    form.setFields(fields);
    const ToolsOutcome clean = form.preview();
    EXPECT_TRUE(clean.ok());
    EXPECT_EQ(clean.text, "deck 3: 1 card changed, +3 copies\n") << "no console option's name";
    EXPECT_TRUE(form.canRun());
    fields.importDeck = 2; // any change takes the preview back
    form.setFields(fields);
    EXPECT_FALSE(form.canRun());
    fields.importDeck = 3;
    form.setFields(fields);
    EXPECT_FALSE(form.canRun());

    form.preview();
    const ToolsOutcome done = form.run("");
    EXPECT_TRUE(done.ok()) << done.text;
    EXPECT_TRUE(
        done.text.ends_with("If Cardhold has this file open, Load it again to see the change.\n"));
    EXPECT_EQ(form.deckFile().text, "5 decks, 12 copies, 2 of 1,674 cards") << "7 and 3 added";
    EXPECT_FALSE(form.canRun());

    testfiles::writeBytes(folder.file("one.csv"), "id,count\r\n" + id + ",1\r\n");
    fields.importFile = folder.file("one.csv");
    fields.importDeck = 0;
    form.setFields(fields);
    EXPECT_EQ(form.preview().text,
              "no counts change\n" + fields.importFile +
                  ":1: This file has one count column: choose the deck it fills.\n");
}

TEST(ToolsForm, TheDeckFileLineSaysWhyItCannotBeRead) {
    testfiles::TempFolder folder;
    testfiles::writeBytes(folder.file("short.tvn"), "abc");
    EXPECT_EQ(describeDeckFile(folder.file("none.tvn")).text,
              "No such file yet: an import makes it.");
    const DeckFileLine line = describeDeckFile(folder.file("short.tvn"));
    EXPECT_TRUE(line.state.exists && !line.state.readable);
    EXPECT_TRUE(line.text.starts_with("Could not load " + folder.file("short.tvn") + ": "))
        << line.text;
    EXPECT_EQ(withThousands(10046), "10,046");
}

} // namespace
