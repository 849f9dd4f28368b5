#pragma once
// The current-list report: every entry of the card list as shown, in list order,
// with the set of the card it stands for, then the "Total Cards" trailer. It follows
// the list as last built, the deck search included, and reads no deck count.
#include <string>

// Appends the whole report from the program's own record of the list (the card each
// entry stands for), never from the control, so the bytes are the catalogue's
// whatever the system's code page.
void writeListReport(std::string& out);
