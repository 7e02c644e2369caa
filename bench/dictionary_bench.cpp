// Building the dictionary pages for the heaviest queries a reader types: the most common
// reading, a radical with the most characters, the radical index and a pasted long text.

#include <benchmark/benchmark.h>

#include <string>

#include "online/site_addresses.h"
#include "online/stand_in_site.h"

namespace morvenda {
namespace {

void BM_DictionaryPage(benchmark::State& state, const std::string& query) {
    const std::string address = std::string(SiteRoot) + "xhzd/" + query;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string html = StandInPage(address);
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["kB"] = static_cast<double>(bytes) / 1024;
}

std::string PastedText() {
    std::string query = "?q=";
    while (query.size() < 10240) {
        query += "%E6%B5%B7yi+";  // 海yi
    }
    return query;
}

BENCHMARK_CAPTURE(BM_DictionaryPage, StartPage, std::string())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DictionaryPage, ReadingYi, std::string("?q=yi"))
    ->Unit(benchmark::kMillisecond);
// Ten common readings at once, 张王李赵 among the characters.
BENCHMARK_CAPTURE(BM_DictionaryPage, TenReadingsAndCharacters,
                  std::string("?q=yi+ji+yu+fu+li+xi+zhi+shi+jian+xian+%E5%BC%A0%E7%8E%8B%E6%9D%8E"
                              "%E8%B5%B5"))
    ->Unit(benchmark::kMillisecond);
// 海: its radical 氵 has the most characters.
BENCHMARK_CAPTURE(BM_DictionaryPage, CharacterOfTheLargestRadical, std::string("?zi=%E6%B5%B7"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DictionaryPage, PastedTenKilobytes, PastedText())
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvenda
