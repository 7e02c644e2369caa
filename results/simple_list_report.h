#pragma once
// The simple printed list: the text list's lines as the memo holds them when the print starts,
// the user's edits included, with the ordinal of each name line's first name before it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/banded_report.h"

namespace morvenda {

const ReportLayout& SimpleListLayout();

// The memo's lines: split at LF or CR LF, a final line break ending the last line rather than
// starting an empty one. An empty text has no lines.
std::vector<std::string> MemoLines(std::string_view text);

// The lines before the last blank one (blank after trimming spaces and control characters)
// are name lines; without a blank line every line is.
int NameLineCount(std::span<const std::string> lines);

// One record per line, the text in field 0. A name line starts with the ordinal of its first
// name, ten names to a line (1, 11, 21 …), right-aligned in four characters and followed by
// three spaces, and has every space doubled; the other lines print as they are.
std::vector<ReportRecord> SimpleListRecords(std::span<const std::string> lines);

}  // namespace morvenda
