#pragma once
// The floor for a filter click: the program's own dialog 129 with a procedure that
// does only what the click must show (the list refilled, the count and each panel
// label written once), for the type "All" box and the first set box.
#include <windows.h>

// Runs the floor dialog modally; returns when it is cancelled.
int runFloorDialog();
