#include "reports/list_report.h"

#include <cstring>

#include "browser/card_list.h"
#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "reports/deck_report.h"

void appendListEntry(std::string& out, const CardRecord& record) {
    out.append(record.name, strnlen(record.name, sizeof record.name));
    out += ": ";
    out.append(SetNames[record.set], strnlen(SetNames[record.set], sizeof SetNames[0]));
    out += "\r\n";
}

void writeListReport(std::string& out) {
    for (int position = 0; position < listCount; ++position)
        appendListEntry(out, CardCatalogue[listPositionToCard(position)]);
    appendReportTrailer(out, listCount);
}
