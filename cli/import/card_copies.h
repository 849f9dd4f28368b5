#pragma once
// A list of copies per card, as trade and apply-trade read a friend's lists: a plain
// card list, or a CSV with a count column (wants --csv and spares --csv name it
// missing and spare), read as import-list and import-csv read them; lines naming the
// same card add up.
#include <array>
#include <string>
#include <string_view>

#include "catalogue/card_record.h"
#include "cli/cli.h"

struct CardCopies {
    std::array<int, CardCount> copies{}; // 0..255
    std::array<int, CardCount> line{};   // the line that first named the card, or 0
};

// False, with every fault written as "FILE:LINE: reason", when the file cannot be
// read or a line does not read as a card and a count.
bool readCardCopies(const std::string& path, CardCopies& copies, CliOutput& io);
