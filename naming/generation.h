#pragma once
// A generation run from the point where the family name is read and the conditions are set:
// the pools of the sex are drawn from by the steps of the mode, duplicates are removed, and
// the result replaces the candidate list.

#include <utility>

#include "filters/filter_conditions.h"
#include "filters/filter_predicates.h"
#include "naming/candidate_lists.h"
#include "naming/name_pools.h"
#include "naming/random_source.h"

namespace morvenda {

enum class NamingMode {
    Simple,    // 简单起名: random draws, no conditions
    Advanced,  // 高级起名: draws that meet the filter conditions
    Poetry,    // 诗词起名: names from the classics, meeting the conditions when asked to
};

// Item indexes of the name-length list.
inline constexpr int SingleCharacterName = 0;  // 单字
inline constexpr int TwoCharacterName = 1;     // 双字

struct GenerationRequest {
    int SexIndex = 0;  // item index of the sex list: 0 男, any other 女
    // Item index of the name-length list; any other value (no item selected) draws nothing.
    int NameLengthIndex = TwoCharacterName;
    NamingMode Mode = NamingMode::Simple;
    // Read in the advanced mode, and in the poetry mode when PoetryFiltered is set.
    FilterConditions Conditions;
    bool PoetryFiltered = false;  // 按筛选条件
};

// Empties the raw list and draws into it by name length and mode: with conditions the
// advanced mode, without (nullptr) the simple one.
void DrawCandidates(RandomSource& random, const NamePoolSet& pools, int nameLengthIndex,
                    const FilterSnapshot* conditions, CombinationBuffer& buffer,
                    RawCandidateList& raw);

// Removes the raw list's duplicates and hands its names, in order, to the candidate list,
// whose FavoriteFamilyCodes column stays as it is. Only the first CandidateList::Capacity
// distinct names fit; the compiled-in tables never yield more.
void TakeCandidates(RawCandidateList& raw, CandidateList& list);

// Owns the random sequence and the run's working lists for the life of the program: the
// sequence starts at state 0 and only shuffles reseed it, so the first simple two-character
// run after start gives the same names every time.
class NameGenerator {
  public:
    NameGenerator() = default;
    explicit NameGenerator(RandomSource::ReseedSource reseed) : random_(std::move(reseed)) {}

    // Replaces the list's names and count with a new run's candidates.
    void Run(const GenerationRequest& request, CandidateList& list);

  private:
    RandomSource random_;
    RawCandidateList raw_;
    CombinationBuffer buffer_;
};

}  // namespace morvenda
