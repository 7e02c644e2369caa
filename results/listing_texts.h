#pragma once
// The texts a listing shows besides its rows: the simple text list, the progress text, the count
// label and the closing status text.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/result_row.h"

namespace morvenda {

inline constexpr int NamesPerTextLine = 10;
inline constexpr int ProgressRowInterval = 100;

inline constexpr std::string_view ListingDoneText = "双击网格标题栏进行排序，双击记录行可分析姓名";

// The memo's lines: ten captions to a line, each followed by two spaces, the last line holding
// what remains (no line when nothing remains), then " ", then the count of the candidate list.
std::vector<std::string> TextListLines(std::span<const ResultRow> rows, int candidateCount);

// True for the rows at which the fill shows its progress and lets the window breathe.
bool IsProgressRow(int rowIndex);

// The growing start of "正在计算数据， 请稍等...." shown at a progress row: its first
// ((row div 50) mod 15) characters, so the whole message never shows.
std::string ProgressText(int rowIndex);

// "查询一共获得 N 个名字".
std::string CountLabelText(int rowCount);

}  // namespace morvenda
