#pragma once
// Category names, each padded with spaces to its table's width.

constexpr int SetCount = 7;
constexpr int TypeCount = 9;
constexpr int RarityCount = 5;
constexpr int AlignmentCount = 6;

extern const char SetNames[SetCount][15];            // width 14
extern const char TypeNames[TypeCount][17];          // width 16
extern const char RarityNames[RarityCount][10];      // width 9
extern const char AlignmentNames[AlignmentCount][8]; // width 7

// Each set's full name, as the window's set filter shows it (not padded).
extern const char* const SetFullNames[SetCount];
