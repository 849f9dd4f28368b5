#include "reports/list_report.h"

#include <cstring>

#include "browser/card_list.h"
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "reports/deck_report.h"
#include "ui/dialog.h"

void appendListEntry(std::string& out, const std::string& entryText, const CardRecord& record) {
    out += entryText;
    out += ": ";
    out.append(SetNames[record.set], strnlen(SetNames[record.set], sizeof SetNames[0]));
    out += "\r\n";
}

void writeListReport(std::string& out, const Dialog& dialog) {
    for (int position = 0; position < listCount; ++position)
        appendListEntry(out, dialog.listText(position),
                        CardCatalogue[listPositionToCard(position)]);
    appendReportTrailer(out, listCount);
}
