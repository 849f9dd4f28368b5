#pragma once
// The current-list report: every entry of the card list as shown, in list order,
// with the set of the card it stands for, then the "Total Cards" trailer. It follows
// the list as last built, the deck search included, and reads no deck count.
#include <string>

class Dialog;
struct CardRecord;

// Appends the whole report; entry texts come from the dialog's list.
void writeListReport(std::string& out, const Dialog& dialog);

// One line: the entry's text exactly as listed, then the set of `record`.
void appendListEntry(std::string& out, const std::string& entryText, const CardRecord& record);
