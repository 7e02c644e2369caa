// Building the site's own pages, from the address the browser asks for to the whole document,
// as the scheme handler does for every page it serves.

#include <benchmark/benchmark.h>

#include <string>

#include "online/site_addresses.h"
#include "online/stand_in_site.h"

namespace morvenda {
namespace {

void BuildPage(benchmark::State& state, const std::string& address) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string html = StandInPage(address);
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

const std::string F(FortuneBase);

// 王华明, as a double-click on the row opens it.
BENCHMARK_CAPTURE(BuildPage, NameAnalysis,
                  F + "QimingTest.asp?xing=%E7%8E%8B&ming=%E5%8D%8E%E6%98%8E&xingbie=%E7%94%B7"
                      "&xuexing=A&nian=2009&yue=6&ri=5&hh=8&mm=30&ver=20091201&dest=sm5")
    ->Unit(benchmark::kMillisecond);
// 王淑女, whose page quotes the whole poem the name comes from.
BENCHMARK_CAPTURE(BuildPage, NameAnalysisWithSource,
                  F + "QimingTest.asp?xing=%E7%8E%8B&ming=%E6%B7%91%E5%A5%B3&xingbie=%E5%A5%B3"
                      "&nian=2009&yue=6&ri=5&hh=8&dest=sm3")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, NameAnalysisForm, F + "QimingTest.asp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, NameAnalysisProblems,
                  F + "QimingTest.asp?xing=%3Cscript%3E&ming=&nian=3000&dest=sm9")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, BirthChartForm, F + "sm/sm.asp?sm=1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildPage, BirthChartLunar,
                  F + "sm/sm.asp?sm=1&li=nong&nian=2009&yue=5&ri=1&run=1&hh=12")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvenda
