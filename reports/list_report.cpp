#include "reports/list_report.h"

#include "browser/card_list.h"
#include "catalogue/card_record.h"
#include "reports/deck_report.h"

void writeListReport(std::string& out) {
    // An entry's line is the basic Needs line: the name exactly as listed, then its set.
    for (int position = 0; position < listCount; ++position)
        appendBasicEntry(out, CardCatalogue[listPositionToCard(position)], 0, true);
    appendReportTrailer(out, listCount);
}
