#include "results/banded_report.h"

#include <algorithm>

namespace morvenda {

int RecordsPerPage(const ReportLayout& layout, PaperLength printableHeight) {
    const PaperLength room = printableHeight - layout.PageHeader.Height -
                             layout.ColumnHeader.Height - layout.PageFooter.Height;
    return std::max(1, room.Tenths / layout.Detail.Height.Tenths);
}

int PageCount(const ReportLayout& layout, PaperLength printableHeight, int recordCount) {
    const int perPage = RecordsPerPage(layout, printableHeight);
    return std::max(1, (recordCount + perPage - 1) / perPage);
}

std::string PrintTimeText(std::string_view formattedDateTime) {
    return "打印时间：" + std::string(formattedDateTime);
}

std::string PageNumberText(int page, int totalPages) {
    return "页码：" + std::to_string(page) + "/" + std::to_string(totalPages);
}

}  // namespace morvenda
