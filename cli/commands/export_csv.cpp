#include "cli/commands/export_csv.h"

#include <memory>

#include "catalogue/name_tables.h"
#include "cli/cards/card_fields.h"
#include "cli/command.h"
#include "cli/text/csv_writer.h"
#include "store/deck_set.h"

std::string buildCardCsv(const DeckSet& decks, char separator, bool byteOrderMark) {
    std::string csv = byteOrderMark ? Utf8ByteOrderMark : "";
    csv.reserve(CardCount * 128);
    appendCsvRow(csv,
                 {"id", "name", "set", "type", "rarity", "rarity_code", "alignment", "artist",
                  "deck1", "deck2", "deck3", "deck4", "deck5"},
                 separator);
    std::vector<std::string> row;
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& record = CardCatalogue[card];
        row = {fieldText(record.cardId),
               fieldText(record.name),
               fieldText(SetNames[record.set]),
               fieldText(TypeNames[record.type]),
               fieldText(RarityNames[record.rarity]),
               fieldText(record.rarityCode),
               fieldText(AlignmentNames[record.alignment]),
               fieldText(record.artist)};
        for (const StoreDeck& deck : decks.decks)
            row.push_back(std::to_string(deck.counts[card]));
        appendCsvRow(csv, row, separator);
    }
    return csv;
}

namespace {

const OptionRule Options[] = {{"-o", true}, {"--separator", true}, {"--no-bom", false}};

const OutputRule Outputs[] = {{"-o", "OUT.csv", OutputKind::Csv, "export to"}};

int exportCsv(CommandRun& run) {
    const Arguments& args = run.args;
    CliOutput& io = run.io;
    // Only what import-csv recognises, so that every export imports back.
    const std::string separator = args.has("--separator") ? args.value("--separator") : ",";
    if (separator != "," && separator != ";")
        return usageError(io, "export-csv", "--separator takes ',' or ';'");
    const auto decks = std::make_unique<DeckSet>();
    if (!loadDeckArgument(args.positional[0], *decks, io)) return ExitFailure;
    run.produce(buildCardCsv(*decks, separator[0], !args.has("--no-bom")));
    return ExitSuccess;
}

} // namespace

const CliCommand ExportCsvCommand{
    "export-csv",
    "export-csv DECKFILE [-o OUT.csv] [--separator ';'] [--no-bom]",
    "the decks as CSV, one row per card",
    "Writes one row per card in catalogue order, after a header row:\n"
    "  id,name,set,type,rarity,rarity_code,alignment,artist,deck1,deck2,deck3,deck4,deck5\n"
    "UTF-8 with a byte-order mark, rows ending in CR LF.\n\n"
    "  -o OUT.csv        write to OUT.csv (safely: all or nothing; never DECKFILE itself)\n"
    "                    instead of standard output; - for standard output\n"
    "  --separator ';'   separate the fields with ';' instead of ','\n"
    "  --no-bom          leave out the byte-order mark\n",
    Options,
    1,
    exportCsv,
    {.outputs = Outputs},
    "one deck file"};
