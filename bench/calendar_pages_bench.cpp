// Building the calendar pages, as the browser asks for them on every step to another month.

#include <benchmark/benchmark.h>

#include "online/calendar_page.h"
#include "online/solar_terms_page.h"

namespace morvenda {
namespace {

constexpr SolarDate Today{2009, 6, 10};

void BM_CalendarMonthPage(benchmark::State& state) {
    const PageRequest request = ParseRequest(CalendarPageAddress(2009, 6));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CalendarPage(request, Today));
    }
}

void BM_SolarTermsPage(benchmark::State& state) {
    const PageRequest request = ParseRequest(SolarTermsPageAddress(2009));
    for (auto _ : state) {
        benchmark::DoNotOptimize(SolarTermsPage(request, Today));
    }
}

BENCHMARK(BM_CalendarMonthPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolarTermsPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvenda
