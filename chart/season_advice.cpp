#include "chart/season_advice.h"

#include <array>

namespace morvenda {
namespace {

struct AdviceRow {
    std::string_view Key;  // element followed by season
    std::string_view Advice;
};

constexpr std::array<AdviceRow, 20> SeasonAdviceTable{{
    {"水秋", "必须有金相助，忌土、金、水多，喜木、火"},
    {"金冬", "必须有火、土相助，忌无火、土反而有金、水，忌木多而无火"},
    {"金春", "喜有土、火，最忌没有土、金"},
    {"金夏", "必须有水相助，忌木多"},
    {"金秋", "喜有木、火，忌土多"},
    {"土秋", "喜有火，有木，忌金、水多"},
    {"木秋", "必须有金相助，但忌金太多，须有土、火才好，但忌水多"},
    {"火秋", "喜有木，忌水、土多"},
    {"火春", "此时必为丙火或丁火，大都不错，但忌木多、土多"},
    {"土春", "喜有火、木，喜有金而少，忌金多、木多"},
    {"水春", "必须有土相助，若有火，金，但忌金多"},
    {"木春", "必须有火助，有水更好，但忌水太多，也忌土太多"},
    {"木冬", "必须有火相助，最好有土、水"},
    {"火冬", "必须有木相助，忌有水与金多，喜有土、水、木"},
    {"土冬", "喜有火，更喜有火又有金，喜有土、木"},
    {"水冬", "必须有火相助，喜水多，但忌金多"},
    {"水夏", "必须有金相助，忌木多"},
    {"火夏", "必须有水相助，最喜有金"},
    {"木夏", "必须有水相助，忌土太多，也忌木太多"},
    {"土夏", "喜有水、金，忌有木"},
}};

}  // namespace

std::string_view SeasonOfMonth(int month) {
    switch (month) {
        case 3: case 4: case 5: return "春";
        case 6: case 7: case 8: return "夏";
        case 9: case 10: case 11: return "秋";
        case 12: case 1: case 2: return "冬";
        default: return {};
    }
}

std::string_view SeasonAdvice(std::string_view element, std::string_view season) {
    for (const AdviceRow& row : SeasonAdviceTable) {
        if (row.Key.size() == element.size() + season.size() && row.Key.starts_with(element) &&
            row.Key.ends_with(season)) {
            return row.Advice;
        }
    }
    return {};
}

}  // namespace morvenda
