#include "online/stand_in_site.h"

#include <algorithm>
#include <functional>
#include <map>

#include "online/site_addresses.h"

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

// A "%" not followed by two hex digits stays as it is, as web servers take it.
std::string PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
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

std::string Document(std::string_view title, std::string_view body) {
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    html += HtmlEscaped(title);
    html +=
        "</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; line-height: 1.6; }\n"
        "table { border-collapse: collapse; margin: 1em 0; }\n"
        "th, td { border: 1px solid #99a; padding: 0.2em 0.8em; text-align: left; }\n"
        "th { background: #e8ecf4; }\n"
        ".note { color: #555; }\n"
        "</style>\n</head>\n<body>\n<div id=\"body\">\n<h1>";
    html += HtmlEscaped(title);
    html += "</h1>\n";
    html += body;
    html += "</div>\n</body>\n</html>\n";
    return html;
}

std::string NotFoundPage(const PageRequest& request) {
    return Document("找不到页面", "<p>" + HtmlEscaped(request.Address) + "</p>\n");
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
    body += "<p class=\"note\">这是本程序自带的离线页面，不连接网络。</p>\n";
    return Document(page->Caption, body);
}

std::string LocationOf(std::string_view address) {
    const std::string prefix = std::string(SiteScheme) + "://";
    if (address.substr(0, prefix.size()) != prefix) {
        return {};
    }
    address.remove_prefix(prefix.size());
    return std::string(address.substr(0, address.find_first_of("?#")));
}

// The one table of the site: a page function per location. Pages with content of their own
// replace the caption page of their location here.
const std::map<std::string, PageFunction, std::less<>>& SitePages() {
    static const auto pages = [] {
        std::map<std::string, PageFunction, std::less<>> table;
        for (const OnlinePage& page : OnlinePages()) {
            table.emplace(LocationOf(std::string(BaseAddress(page.Base)) + std::string(page.Path)),
                          &CaptionPage);
        }
        return table;
    }();
    return pages;
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
    const auto& pages = SitePages();
    const auto found = pages.find(request.Location);
    return found == pages.end() ? NotFoundPage(request) : found->second(request);
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace morvenda
