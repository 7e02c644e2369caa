#pragma once
// The simple printed list: the text list's lines, each name line with the ordinal of its first
// name before it.

#include <string>
#include <vector>

#include "app/banded_report.h"

class Trp_MainA final : public BandedReport {
  public:
    Trp_MainA();

    // Takes the memo's lines as they stand when the print starts, the user's edits included.
    void Prepare(const std::vector<std::string>& memoLines);
};
