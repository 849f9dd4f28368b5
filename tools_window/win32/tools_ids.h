// The Tools window's control ids, for its resource script and its code alike.
#pragma once

#define IDD_TOOLS 200
#define IDI_TOOLS 201

#define IDC_TOOLS_NONE -1
#define IDC_TOOLS_DECK_FILE 1000
#define IDC_TOOLS_DECK_BROWSE 1001
#define IDC_TOOLS_DECK_LINE 1002
// The five task buttons, in the order of ToolsTask.
#define IDC_TOOLS_TASK_IMPORT 1010
#define IDC_TOOLS_TASK_EXPORT 1011
#define IDC_TOOLS_TASK_LISTS 1012
#define IDC_TOOLS_TASK_TRADE 1013
#define IDC_TOOLS_TASK_PAGE 1014
#define IDC_TOOLS_OUTPUT 1020
#define IDC_TOOLS_STATUS 1021
#define IDC_TOOLS_PREVIEW 1022
#define IDC_TOOLS_PREVIEW_RUN 1023

// Import
#define IDC_IMPORT_FILE 1100
#define IDC_IMPORT_BROWSE 1101
#define IDC_IMPORT_DECK 1102
#define IDC_IMPORT_ADD 1103
#define IDC_IMPORT_REPLACE 1104
#define IDC_IMPORT_RUN 1105
// Export
#define IDC_EXPORT_CSV 1200
#define IDC_EXPORT_LIST 1201
#define IDC_EXPORT_DECK 1202
#define IDC_EXPORT_SAVE 1203
// Wants and spares; the five count boxes in the order of the rarities' initials
#define IDC_LISTS_WANTS 1300
#define IDC_LISTS_SPARES 1301
#define IDC_LISTS_COUNT_F 1302
#define IDC_LISTS_COUNT_P 1306
#define IDC_LISTS_DECK 1307
#define IDC_LISTS_SAVE 1308
// Trade
#define IDC_TRADE_DECK_FILE 1400
#define IDC_TRADE_DECK_BROWSE 1401
#define IDC_TRADE_WANTS 1402
#define IDC_TRADE_WANTS_BROWSE 1403
#define IDC_TRADE_SPARES 1404
#define IDC_TRADE_SPARES_BROWSE 1405
#define IDC_TRADE_MY_TARGET 1406
#define IDC_TRADE_MY_KEEP 1407
#define IDC_TRADE_THEIR_TARGET 1408
#define IDC_TRADE_THEIR_KEEP 1409
#define IDC_TRADE_BALANCED 1410
#define IDC_TRADE_SAVE 1411
#define IDC_TRADE_APPLY 1412
// Collection page
#define IDC_PAGE_TITLE 1500
#define IDC_PAGE_TARGET 1501
#define IDC_PAGE_WRITE 1502

// The first and last id of each task's group, labels included, in the order of ToolsTask.
#define IDC_TOOLS_GROUP_FIRST(task) (1100 + 100 * (task))
#define IDC_TOOLS_GROUP_LAST(task) (1100 + 100 * (task) + 99)
