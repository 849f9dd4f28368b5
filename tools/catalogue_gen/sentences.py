"""Sentence pools for card texts (data only; texts.py puts them together).

The game's vocabulary: Might / Ward / Will / Sway for characters, blows for attacks,
parties that move between sites and regions, Burden for items, the peril limit for hazards,
Renown for points, and the frost track measured in degrees.
"""

HERO_PEOPLES = ["Hearthfolk", "Emberkin", "Fenborn", "Highlander", "Stonekin", "Stormrider"]
MINION_PEOPLES = ["Skarn", "Hollowborn", "Grimlander", "Barrowkin", "Ash-sworn", "Fell-man"]
SKILLS = ["Blade", "Pathfinder", "Loremaster", "Envoy", "Mystic", "Wayfarer"]
TERRAINS = ["Moorland", "Wastes", "Mountain", "Marsh", "Forest", "Coast", "Deadland", "Hill"]
SITE_KINDS = ["Shelter", "Hamlet", "Hold", "Ruin", "Lair", "Barrow"]
CREATURE_KINDS = ["Beast", "Undead", "Giant", "Drake", "Spirit", "Brigand", "Troll", "Vermin"]
GUARDIANS = ["Beasts", "Undead", "Giants", "Drakes", "Spirits", "Brigands", "Trolls", "Vermin"]
YIELDS = ["trinkets", "relics", "great relics", "heirlooms", "allies", "factions", "lore"]

SPEAKERS = [
    "Th\u00edra of \u00c9mbrin", "Old Osric", "\u00dblvar Greycloak", "S\u00e9ra the Younger",
    "D\u00fanwald", "M\u00f3rag of the Fens", "\u00d4sric Stonehand", "L\u00fbmen the Bard",
    "Ka\u00eblin", "B\u00e1ra", "\u00d3rla the Ferrywoman", "Hild of Ravencrag",
    "a Stormreach sailor", "the Hermit of Greymoor", "Fr\u00eeda Ashborn", "V\u00e2ren",
    "V\u00e4la of the Shallows", "T\u00f4rvald the Elder",
]
FLAVOURS = [
    "The ash remembers what the fire forgets.", "No road is long with good company.",
    "Mind the cold; it minds you.", "Every gate opens twice: once in, once out.",
    "We do not kneel to the storm.", "Under the mere the bells still ring.",
    "Count your torches, not your enemies.", "Iron rusts. Oaths do not.",
    "The hollow hills are never empty.", "He went north, and the north kept him.",
    "Light a lamp for those still on the road.", "Salt for the dead, bread for the living.",
    "If the crows are quiet, so are we.", "Stone outlasts kings; stone outlasts us all.",
    "Where the frost walks, nothing grows but silence.", "Sing low. The moor is listening.",
]

CHAR_ABILITIES = [
    "Tap this character to cancel one blow against another character in the same party.",
    "Tap this character to heal a wounded character at the same site.",
    "Tap this character to draw one card; discard one card at the end of the turn.",
    "+{k} Might against {ckind} attacks.",
    "+{k} to Sway checks against factions playable at {site}.",
    "May bear a second relic without making a Burden check.",
    "When this character's party moves through {region}, reduce the peril limit by one.",
    "If this character is wounded, turn this card 90{deg} instead of discarding an item "
    "this character bears.",
    "May untap during the site phase if at a Ruin site.",
    "Discard this character if the party ends a turn in a Deadland region.",
    "Counts as two characters for the size of a party.",
    "Tap this character to look at the top {n} cards of your play deck and return them in "
    "any order.",
    "Tap this character during the site phase to take one trinket from your discard pile "
    "into your hand.",
    "Cannot be discarded by a hazard event.",
    "-{k} to this character's Will when making a Sway check against {people} factions.",
    "Tap this character to give +{k} Might to every {skill} in the party until the end of "
    "the turn.",
    "Once per turn, this character may move alone from {site} to any site in {region}.",
]
ALLY_ABILITIES = [
    "Tap this ally to cancel one {ckind} attack against its party.",
    "Tap this ally to untap a Pathfinder in its party.",
    "Cannot be the target of a blow from a {ckind} attack.",
    "Discard this ally if its party enters a Deadland region.",
    "May not be taken into a Hold or a Barrow.",
    "Tap this ally to let its party move through {region} without drawing hazard cards.",
    "If its controller's Avatar is in the party, this ally gets +{k} Might.",
    "Tap this ally to turn one hazard creature 90{deg}; it makes no blows this turn.",
]
ITEM_ABILITIES = [
    "Tap this item to cancel one blow against its bearer.",
    "Tap this item to heal its bearer.",
    "Turn this item 90{deg} to give its bearer +{k} Ward against one blow.",
    "Its bearer may tap it to search your play deck for one Region card.",
    "While its bearer is at {site}, the item gives +{k} Sway.",
    "Its bearer cannot be the target of a Spirit attack.",
    "Discard this item if its bearer is wounded by a {ckind} attack.",
    "Only one such item may be borne by a character.",
    "When its bearer moves through {region}, you may draw one additional card.",
    "If the frost track stands at -{cold}{deg} or colder, this item gives no Might.",
]
R_EVENT_EFFECTS = [
    "Cancel one attack against a party at a {sitekind} site.",
    "Untap one character in a party at a Shelter.",
    "Target character heals and untaps.",
    "Cancel one blow against a character; that character cannot untap during your next "
    "untap phase.",
    "Each character in the target party gets +1 Might until the end of the turn.",
    "Draw two cards, then discard one card.",
    "Return one trinket from your discard pile to your hand.",
    "Reduce the peril limit of one moving party by two.",
    "Search your play deck for one Region card and put it in your hand. Shuffle your play "
    "deck.",
    "The party of the target Pathfinder may move to any site in {region} without drawing "
    "hazard cards.",
    "Discard one Lasting event played on a character in your party.",
    "The target faction comes into play at once; no Sway check is needed.",
    "Until the end of the turn, {ckind} attacks against the target party get -2 Might.",
    "Turn one untapped character 90{deg} to cancel a hazard event that targets the party.",
    "If the frost track stands at -{cold}{deg} or colder, cancel one Frost event.",
    "The target {skill} gets +{k} to all Sway checks this turn.",
    "Move the frost track back by {n} steps of 5{deg}.",
    "Each wounded character in the target party may heal if the party is at {site}.",
    "You may take one additional trinket at a site where a relic was taken this turn.",
    "Cancel the effects of one {ckind} attack; the attack counts as defeated.",
]
EVENT_TARGETS = [
    "an untapped {skill}", "a character at a Shelter", "a party moving through {region}",
    "a {people} character", "a wounded character", "a character bearing a relic",
    "a party at {site}",
]
CREATURE_SPECIALS = [
    "Attacker chooses the defending characters.",
    "Each blow that is not cancelled wounds its target and discards one trinket the target "
    "bears.",
    "If this attack is defeated, the defending player gains 1 Renown.",
    "Cannot be cancelled by a Swift event.",
    "Gets +2 Might against a party of more than four characters.",
    "May be played as a second attack against the same party.",
    "Characters wounded by this attack must make a Burden check.",
    "If the frost track stands at -{cold}{deg} or colder, this attack gets one additional "
    "blow.",
    "Each character that defeats a blow may untap.",
    "Playable only if the party is moving to {site}.",
    "A wounded character struck again by this attack is discarded.",
]
H_EVENT_EFFECTS = [
    "Each party moving through a {terrain} region faces one additional creature.",
    "Tap the target character; that character cannot untap until the party reaches a "
    "Shelter.",
    "The peril limit of the target party goes up by {n}.",
    "When the frost track reaches -{cold}{deg}, discard all Lasting events in play.",
    "The target character cannot make Sway checks while this card is in play. Discard it "
    "during the untap phase if the character is at a Shelter.",
    "All {ckind} attacks get +1 Might and one additional blow.",
    "The target party must return to its site of origin.",
    "Discard one trinket of the target character's choice.",
    "The target character makes a Burden check with -2.",
    "Cancel the effects of one Swift event.",
    "Advance the frost track by {n} steps of 5{deg}.",
    "No character may heal at {site} while this card is in play.",
    "The target party's next site phase is skipped unless a Pathfinder taps.",
    "Each Hamlet in {region} counts as a Lair until the end of the turn.",
]
SITE_SPECIALS = [
    "Any attack at this site gets +1 Might for each relic taken here.",
    "Only an Envoy may bring a faction into play here.",
    "When a party enters this site, turn one of its untapped characters 90{deg}.",
    "Heal all wounded characters here at the end of the site phase.",
    "A relic taken here gives its bearer 1 Burden.",
    "Discard this site if the frost track reaches -{cold}{deg}.",
    "Each Lair in {region} counts as a Ruin while this site is in play.",
    "Characters may not play trinkets here.",
    "A party that ends its turn here draws one card.",
    "Guardians here cannot be cancelled.",
]
REGION_SPECIALS = [
    "Parties moving through this region face one additional hazard.",
    "Creatures played here get +1 Might.",
    "Each character moving here must tap unless a Pathfinder is in the party.",
    "Counts as a Deadland region for Undead attacks.",
    "The frost track advances one step (5{deg}) at the end of each turn a party spends "
    "here.",
    "A party may rest here as if at a Shelter once per game.",
    "Drakes may not be played here.",
]
ERRATA_RULINGS = [
    "Ruling: if this card is cancelled, its Renown still counts.",
    "Ruling: the Might bonus does not apply against {ckind} attacks.",
    "Ruling: this card may be played on a character who is already tapped.",
    "Ruling: the effect ends when the party reaches {site}.",
    "Ruling: an Avatar counts as a {skill} for this card.",
    "Ruling: discarding this card does not return it to the play deck.",
    "Ruling: the frost track is measured before this card resolves.",
]
