#include "online/stand_in_site.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <set>

#include "online/birth_chart_page.h"
#include "online/calendar_page.h"
#include "online/dictionary_page.h"
#include "online/name_analysis_page.h"
#include "online/site_addresses.h"
#include "online/site_document.h"
#include "online/solar_terms_page.h"

namespace morvenda {
namespace {

using PageFunction = std::string (*)(const PageRequest&);

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// A "%" not followed by two hex digits stays as it is, as web servers take it. A "+" is a
// space, as a form sends one; the program's own addresses write a plus sign as %2B.
std::string PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
            continue;
        }
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = HexDigit(text[i + 1]);
            const int low = HexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::vector<QueryItem> QueryItems(std::string_view query) {
    std::vector<QueryItem> items;
    while (!query.empty()) {
        const std::size_t end = std::min(query.find('&'), query.size());
        const std::string_view item = query.substr(0, end);
        query.remove_prefix(std::min(end + 1, query.size()));
        if (item.empty()) {
            continue;
        }
        const std::size_t equals = std::min(item.find('='), item.size());
        items.push_back({PercentDecoded(item.substr(0, equals)),
                         PercentDecoded(item.substr(std::min(equals + 1, item.size())))});
    }
    return items;
}

// The query items that tell the entry's page apart from the others at its location.
std::vector<QueryItem> FixedQueryOf(const OnlinePage& page) {
    std::vector<QueryItem> fixed;
    for (QueryItem& item :
         ParseRequest(std::string(BaseAddress(page.Base)) + std::string(page.Path)).Query) {
        if (!item.Value.empty()) {
            fixed.push_back(std::move(item));
        }
    }
    switch (page.Kind) {
        case PageKind::Forecast:
            fixed.push_back({"type", std::string(ForecastPeriods.at(page.Tag - 1))});
            break;
        case PageKind::StarSign:
            fixed.push_back({"astro", std::string(page.Caption)});
            break;
        case PageKind::NameTest:
            fixed.push_back({"dest", std::string(page.Dest)});
            break;
        case PageKind::Release:
            fixed.push_back({"ver", std::string(ProgramVersion)});
            break;
        default:
            break;
    }
    return fixed;
}

std::string NotFoundPage(const PageRequest& request) {
    return SiteDocument("找不到页面", "<p>" + HtmlEscaped(request.Address) + "</p>\n");
}

// What every page of the page table shows until it has content of its own.
std::string CaptionPage(const PageRequest& request) {
    const OnlinePage* page = PageOfRequest(request);
    if (!page) {
        return NotFoundPage(request);
    }
    std::string body;
    if (!request.Query.empty()) {
        body += "<table>\n<tr><th>项目</th><th>内容</th></tr>\n";
        for (const QueryItem& item : request.Query) {
            body += "<tr><td>" + HtmlEscaped(item.Key) + "</td><td>" + HtmlEscaped(item.Value) +
                    "</td></tr>\n";
        }
        body += "</table>\n";
    }
    return SiteDocument(page->Caption, body);
}

std::string LocationOf(std::string_view address) {
    const std::string prefix = std::string(SiteScheme) + "://";
    if (address.substr(0, prefix.size()) != prefix) {
        return {};
    }
    address.remove_prefix(prefix.size());
    return std::string(address.substr(0, address.find_first_of("?#")));
}

// The pages with content of their own, each at its location; one that serves only some of the
// pages at its location names the query item that picks them ("sm=1" of the shared "sm.asp"),
// and the others there keep their caption page.
struct ContentPage {
    std::string_view Location;
    QueryItem Picks;  // empty key: every request at the location
    PageFunction Render;
};

// The date on the computer's clock, in its own time zone: the site's one look at the clock, so
// that every page stays a function of what it is given.
SolarDate TodayOnTheClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

const std::vector<ContentPage>& ContentPages() {
    static const std::vector<ContentPage> pages{
        {"site/sm/QimingTest.asp", {}, &NameAnalysisPage},
        {"site/sm/sm/sm.asp", {"sm", "1"}, &BirthChartPage},
        {"site/sm/yuce/wnl.asp",
         {},
         [](const PageRequest& r) { return CalendarPage(r, TodayOnTheClock()); }},
        {"site/sm/24jq.asp",
         {},
         [](const PageRequest& r) { return SolarTermsPage(r, TodayOnTheClock()); }},
        {"site/xhzd/", {}, &DictionaryPage},
    };
    return pages;
}

PageFunction RenderOf(const PageRequest& request) {
    for (const ContentPage& page : ContentPages()) {
        if (page.Location == request.Location &&
            (page.Picks.Key.empty() || std::find(request.Query.begin(), request.Query.end(),
                                                 page.Picks) != request.Query.end())) {
            return page.Render;
        }
    }
    static const auto captioned = [] {
        std::set<std::string, std::less<>> locations;
        for (const OnlinePage& page : OnlinePages()) {
            locations.insert(
                LocationOf(std::string(BaseAddress(page.Base)) + std::string(page.Path)));
        }
        return locations;
    }();
    return captioned.contains(request.Location) ? &CaptionPage : &NotFoundPage;
}

}  // namespace

PageRequest ParseRequest(std::string_view address) {
    PageRequest request;
    request.Address = address;
    request.Location = LocationOf(address);
    const std::string_view beforeFragment = address.substr(0, address.find('#'));
    if (const std::size_t question = beforeFragment.find('?'); question != std::string_view::npos) {
        request.Query = QueryItems(beforeFragment.substr(question + 1));
    }
    return request;
}

const OnlinePage* PageOfRequest(const PageRequest& request) {
    const OnlinePage* best = nullptr;
    std::size_t bestCount = 0;
    for (const OnlinePage& page : OnlinePages()) {
        if (LocationOf(std::string(BaseAddress(page.Base)) + std::string(page.Path)) !=
            request.Location) {
            continue;
        }
        const std::vector<QueryItem> fixed = FixedQueryOf(page);
        const bool held = std::all_of(fixed.begin(), fixed.end(), [&](const QueryItem& item) {
            return std::find(request.Query.begin(), request.Query.end(), item) !=
                   request.Query.end();
        });
        if (held && (!best || fixed.size() > bestCount)) {
            best = &page;
            bestCount = fixed.size();
        }
    }
    return best;
}

std::string StandInPage(std::string_view address) {
    const PageRequest request = ParseRequest(address);
    return RenderOf(request)(request);
}

}  // namespace morvenda
