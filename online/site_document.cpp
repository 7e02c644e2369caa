#include "online/site_document.h"

#include <array>

#include "online/site_addresses.h"

namespace morvenda {
namespace {

// Sized in points so the pages read like the program around them at 9 pt, and printed pages
// keep the same proportions; the CJK families are the ones this platform installs.
constexpr std::string_view StyleSheet =
    "body { font-family: \"Noto Sans CJK SC\", \"AR PL SungtiL GB\", sans-serif;"
    " font-size: 10.5pt; margin: 1.5em 2em; line-height: 1.6; color: #222; }\n"
    "input, button, select { font: inherit; }\n"
    "h1 { font-size: 16pt; margin: 0.4em 0; }\n"
    "h2 { font-size: 12pt; margin: 1.2em 0 0.4em; border-bottom: 1px solid #ccd; }\n"
    "nav { font-size: 9pt; border-bottom: 1px solid #ccd; padding-bottom: 0.3em; }\n"
    "nav a { margin-right: 1.2em; }\n"
    "a { color: #0645ad; text-decoration: none; }\n"
    "a:hover { text-decoration: underline; }\n"
    "table { border-collapse: collapse; margin: 0.6em 0; }\n"
    "th, td { border: 1px solid #99a; padding: 0.2em 0.7em; text-align: left;"
    " vertical-align: top; }\n"
    "th { background: #e8ecf4; font-weight: normal; }\n"
    "table.month th, table.month td { width: 4.2em; text-align: center; padding: 0.2em; }\n"
    "table.month td { height: 4.2em; vertical-align: middle; }\n"
    "table.month .weekend, table.month td:nth-child(n+6) .solar { color: #b00; }\n"
    "table.month span { display: block; line-height: 1.3; }\n"
    ".solar { font-size: 14pt; }\n"
    "span.lunar { font-size: 9pt; color: #555; }\n"
    "span.lunar.first { color: #b00; font-weight: bold; }\n"
    "span.term { font-size: 9pt; }\n"
    ".term { color: #060; font-weight: bold; }\n"
    "table.terms td { padding: 0.05em 0.7em; }\n"
    "td.today, tr.today td { background: #fff1b8; outline: 2px solid #c70; }\n"
    ".pager > * { margin-right: 1em; }\n"
    ".off { color: #999; }\n"
    ".note { color: #555; font-size: 9pt; }\n"
    ".error { color: #a00; }\n"
    "table.chars td { vertical-align: middle; }\n"
    "td.glyph { font-size: 14pt; }\n"
    "td.score { font-weight: bold; }\n"
    "mark { background: #fde68a; color: inherit; }\n"
    ".poem p { margin: 0.1em 0; }\n"
    "form label { margin-right: 1em; white-space: nowrap; }\n"
    ".large { font-size: 28pt; font-family: \"AR PL KaitiM GB\", \"Noto Serif CJK SC\", serif; }\n"
    "@media print { nav, form { display: none; } body { margin: 0; } a { color: inherit; } }\n";

struct SiteLink {
    std::string_view Path;  // below SiteRoot
    std::string_view Caption;
};

constexpr std::array<SiteLink, 5> SiteLinks{{
    {"sm/sm/sm.asp?sm=1", "生辰八字"},
    {"sm/yuce/wnl.asp", "万年历"},
    {"sm/24jq.asp", "二十四节气"},
    {"xhzd/", "新华字典"},
    {"sm/QimingTest.asp", "姓名分析"},
}};

}  // namespace

std::string SiteDocument(std::string_view title, std::string_view body) {
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    html += HtmlEscaped(title);
    html += "</title>\n<style>\n";
    html += StyleSheet;
    html += "</style>\n</head>\n<body>\n<nav>";
    for (const SiteLink& link : SiteLinks) {
        html += "<a href=\"";
        html += SiteRoot;
        html += link.Path;
        html += "\">";
        html += link.Caption;
        html += "</a>";
    }
    html += "</nav>\n<div id=\"body\">\n<h1>";
    html += HtmlEscaped(title);
    html += "</h1>\n";
    html += body;
    html += "<p class=\"note\">这是本程序自带的离线页面，不连接网络。</p>\n";
    html += "</div>\n</body>\n</html>\n";
    return html;
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
