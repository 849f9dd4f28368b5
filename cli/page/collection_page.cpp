#include "cli/page/collection_page.h"

#include <algorithm>
#include <memory>

#include "catalogue/field_view.h"
#include "catalogue/windows1252.h"
#include "cli/cards/card_fields.h"
#include "cli/page/html_writer.h"
#include "store/deck_groups.h"
#include "store/deck_set.h"

namespace {

constexpr int ViewCount = DeckCount + 1; // the five decks, then the collection
constexpr int CollectionView = DeckCount;

// What one bar shows: cards held of the cards there are, and with a target the cards
// at it, of the cards that have one.
struct Bar {
    GroupShare share;
    GroupShare atTarget;
};

// One deck, or the collection as one deck (the five added together, count by count,
// so a card is held when any deck holds it).
struct Views {
    DeckSet decks[2]; // decks[1].decks[0] is the collection
    const DeckSet& of(int view) const { return view == CollectionView ? decks[1] : decks[0]; }
    int deckOf(int view) const { return view == CollectionView ? 0 : view; }
};

std::string viewName(int view) {
    return view == CollectionView ? "Collection" : "Deck " + std::to_string(view + 1);
}

void writeBar(HtmlWriter& page, std::string_view tag, std::string_view name, const Bar& bar,
              bool withTarget) {
    const std::string figure = std::to_string(bar.share.held) + " of " +
                               std::to_string(bar.share.of) + " \xC2\xB7 " +
                               std::to_string(bar.share.percent()) + " %";
    page.markup("<")
        .markup(tag)
        .markup("><span class=\"name\">")
        .text(name)
        .markup("</span><progress");
    page.attribute("max", bar.share.of).attribute("value", bar.share.held);
    page.markup("></progress><span class=\"fig\">").text(figure).markup("</span>");
    if (withTarget && bar.atTarget.of > 0)
        page.markup("<span class=\"goal\">")
            .text(std::to_string(bar.atTarget.held) + " of " + std::to_string(bar.atTarget.of) +
                  " at target")
            .markup("</span>");
    page.markup("</").markup(tag).markup(">");
}

void writeDeckBars(HtmlWriter& page, const Views& views, int view, const RarityTargets* targets) {
    const DeckSet& decks = views.of(view);
    const int deck = views.deckOf(view);
    const DeckGroups groups = countDeckGroups(decks.decks[deck]);
    Bar sets[SetCount], rarities[SetCount][RarityCount];
    for (int set = 0; set < SetCount; ++set) {
        sets[set].share = groups.sets[set];
        for (int rarity = 0; rarity < RarityCount; ++rarity)
            rarities[set][rarity].share = groups.setRarities[set][rarity];
    }
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& record = CardCatalogue[card];
        const int held = decks.decks[deck].counts[card];
        Bar& rarity = rarities[record.set][record.rarity];
        const int goal = targets ? cardTarget(*targets, card) : NoTarget;
        if (goal == NoTarget) continue;
        for (Bar* bar : {&sets[record.set], &rarity}) {
            ++bar->atTarget.of;
            bar->atTarget.held += held >= goal;
        }
    }
    page.markup("<section class=\"deck\"><h3>").text(viewName(view)).markup("</h3>");
    for (int set = 0; set < SetCount; ++set) {
        page.markup("<details").attribute("data-set", fieldText(SetNames[set])).markup(">");
        writeBar(page, "summary", fieldText(SetNames[set]), sets[set], targets);
        for (int rarity = 0; rarity < RarityCount; ++rarity)
            if (rarities[set][rarity].share.of > 0)
                writeBar(page, "div", fieldText(RarityNames[rarity]), rarities[set][rarity],
                         targets);
        page.markup("</details>");
    }
    page.markup("</section>");
}

// The window's own statistics, from the functions its statistics lines use.
void writeSummaryRow(HtmlWriter& page, const Views& views, int view) {
    const StoreDeck& deck = views.of(view).decks[views.deckOf(view)];
    page.markup("<tr").attribute("data-view", viewName(view)).markup("><th>").text(viewName(view));
    page.markup("<td>").text(deckTotal(deck)).markup("<td>").text(ownedDistinct(deck));
    page.markup("<td>").text(std::to_string(completionPercent(deck)) + " %").markup("</tr>");
}

// Every field the search looks in, folded as the window folds typed names, one a line.
std::string foldedFields(const CardRecord& record) {
    return windows1252ToUtf8(
        foldName(fieldView(record.name)) + "\n" + foldName(SetNames[record.set]) + "\n" +
        foldName(TypeNames[record.type]) + "\n" + foldName(RarityNames[record.rarity]) + "\n" +
        foldName(fieldView(record.cardId)));
}

// Rows come in groups of this many, one table body each: a group out of view is
// neither styled, laid out nor painted (content-visibility), so narrowing costs only
// the groups on screen. Its height while out of view is its rows' (--rows), which the
// script keeps as it narrows.
constexpr int RowsPerGroup = 32;

void writeCardRows(HtmlWriter& page, const Views& views, const RarityTargets* targets) {
    for (int card = 0; card < CardCount; ++card) {
        if (card % RowsPerGroup == 0) {
            if (card > 0) page.markup("</tbody>");
            page.markup("<tbody style=\"--rows: ")
                .text(std::min(RowsPerGroup, CardCount - card))
                .markup("\">\n");
        }
        const CardRecord& record = CardCatalogue[card];
        const int total = views.of(CollectionView).decks[0].counts[card];
        const int goal = targets ? cardTarget(*targets, card) : NoTarget;
        page.markup("<tr").attribute("data-f", foldedFields(record)).attribute("data-t", total);
        if (goal != NoTarget) page.attribute("data-g", goal);
        page.markup("><td>").text(fieldText(record.name));
        page.markup("<td>").text(fieldText(SetNames[record.set]));
        page.markup("<td>").text(fieldText(TypeNames[record.type]));
        page.markup("<td>").text(fieldText(RarityNames[record.rarity]));
        page.markup("<td>").text(fieldText(record.cardId));
        for (const StoreDeck& deck : views.decks[0].decks)
            page.markup("<td>").text(deck.counts[card]);
        page.markup("<td>").text(total).markup("\n");
    }
}

void appendJsonString(std::string& json, std::u16string_view text) {
    static const char Hex[] = "0123456789abcdef";
    json += '"';
    for (const char16_t unit : text)
        for (const char c : {'\\', 'u', Hex[unit >> 12], Hex[(unit >> 8) & 15],
                             Hex[(unit >> 4) & 15], Hex[unit & 15]})
            json += c;
    json += '"';
}

// What the program's folding makes of each character that it changes, as JSON in
// \u escapes only (so nothing in it can end the script element). A space changes
// only at the end of a text, which the script handles itself.
std::string foldTableJson() {
    std::string json = "{";
    for (int byte = 1; byte < 256; ++byte) {
        const std::string character(1, static_cast<char>(byte));
        const std::string folded = foldName(character);
        if (byte == ' ' || folded == character) continue;
        if (json.size() > 1) json += ',';
        appendJsonString(json, windows1252ToUtf16(character));
        json += ':';
        appendJsonString(json, windows1252ToUtf16(folded));
    }
    return json + "}";
}

} // namespace

std::string buildCollectionPage(const DeckSet& decks, std::string_view title,
                                const RarityTargets* targets) {
    const auto views = std::make_unique<Views>();
    views->decks[0] = decks;
    views->decks[1] = DeckSet{};
    for (int card = 0; card < CardCount; ++card)
        for (const StoreDeck& deck : decks.decks)
            views->decks[1].decks[0].counts[card] += deck.counts[card];

    HtmlWriter page;
    page.reserve(640 * 1024);
    page.markup("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                // No request of any kind: no fetch, image, font, frame, form or base.
                "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                "style-src 'unsafe-inline'; script-src 'unsafe-inline'; base-uri 'none'; "
                "form-action 'none'\">\n"
                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                "<title>");
    page.text(title).markup("</title>\n<style>").markup(CollectionPageStyle);
    page.markup("</style>\n</head>\n<body>\n<header><h1>").text(title).markup("</h1></header>\n");

    page.markup("<section id=\"completion\"><h2>Completion</h2>\n<table class=\"summary\">"
                "<thead><tr><th><th>Copies<th>Distinct cards<th>Complete</thead><tbody>");
    for (int view = 0; view < ViewCount; ++view)
        writeSummaryRow(page, *views, view);
    page.markup("</tbody></table>\n<div class=\"bars\">");
    for (int view = 0; view < ViewCount; ++view)
        writeDeckBars(page, *views, view, targets);
    page.markup("</div></section>\n");

    page.markup("<section id=\"cards\"><h2>Cards</h2>\n<div class=\"controls\" hidden>"
                "<input id=\"q\" type=\"search\" placeholder=\"Name, set, type, rarity or id\" "
                "aria-label=\"Search\" autocomplete=\"off\" spellcheck=\"false\"> "
                "<button type=\"button\" data-mode=\"all\" aria-pressed=\"true\">All</button> "
                "<button type=\"button\" data-mode=\"held\">Held only</button> "
                "<button type=\"button\" data-mode=\"missing\">Missing only</button> "
                "<button type=\"button\" data-mode=\"spares\">Spares only</button> "
                "<output id=\"shown\"></output></div>\n<p class=\"rule\">");
    page.text(targets ? "Missing: fewer copies than the target of the card's rarity; spare: more "
                        "(a rarity without a target: none held, more than one)."
                      : "Missing: no copy in any deck; spare: more than one copy in all.");
    page.markup("</p>\n<table id=\"list\"><thead><tr><th>Name<th>Set<th>Type<th>Rarity<th>Id"
                "<th>1<th>2<th>3<th>4<th>5<th>Total</thead>");
    writeCardRows(page, *views, targets);
    page.markup("</tbody></table></section>\n<footer><p id=\"timing\"></p></footer>\n"
                "<script id=\"fold-table\" type=\"application/json\">");
    page.markup(foldTableJson()).markup("</script>\n<script>").markup(CollectionPageScript);
    page.markup("</script>\n</body>\n</html>\n");
    return page.html();
}
