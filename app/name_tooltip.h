#pragma once
// The tooltip of a result row's name cell: for a name from the classics the line it comes
// from, with the name's characters marked; nothing for any other name.

#include <QString>

#include "results/result_row.h"

namespace morvenda {

QString NameCellToolTip(const ResultRow& row);

}  // namespace morvenda
