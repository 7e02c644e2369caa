#include "online/dictionary_page.h"

#include <gtest/gtest.h>

#include <string>

#include "online/site_addresses.h"
#include "online/stand_in_site.h"
#include "online/tests/page_text.h"

namespace morvenda {
namespace {

// The pages as the browser asks for them: non-ASCII percent-encoded, a form's spaces as "+".
std::string Page(const std::string& query) {
    return StandInPage(std::string(SiteRoot) + "xhzd/" + query);
}

std::string CharacterLink(const std::string& glyph) {
    return "<a href=\"morvenda://site/xhzd/?zi=" + glyph + "\">" + glyph + "</a>";
}

TEST(DictionaryPage, FindsACharacterByEveryReadingWithAllItsFields) {
    for (const char* reading : {"zhang", "chang", "ZHANG", "Chang2"}) {
        SCOPED_TRACE(reading);
        const std::string html = Page(std::string("?q=") + reading);
        EXPECT_TRUE(
            Holds(html, "<tr><td>" + CharacterLink("长") +
                            "</td><td><a href=\"morvenda://site/xhzd/?q=chang\">chang</a> "
                            "<a href=\"morvenda://site/xhzd/?q=zhang\">zhang</a></td><td><a "
                            "href=\"morvenda://site/xhzd/?bs=长\">长</a></td><td>4</td><td>8</"
                            "td><td>火</td><td>无</td></tr>"));
    }
    EXPECT_EQ(TitleOf(Page("?q=zhang")), "新华字典：查询“zhang”");
}

TEST(DictionaryPage, ListsEveryCharacterOfASearch) {
    // 张三 秋, typed with a form's spaces
    const std::string html = Page("?q=%E5%BC%A0%E4%B8%89+%E7%A7%8B+lv");
    EXPECT_EQ(TitleOf(html), "新华字典：查询“张三 秋 lv”");
    EXPECT_TRUE(Holds(html, "value=\"张三 秋 lv\""));
    EXPECT_TRUE(Holds(html, "<p><a href=\"#zi\">汉字（3 字）</a>　<a href=\"#r-lv\">读音 lv"));
    EXPECT_TRUE(Holds(html, "<h2 id=\"zi\">汉字（3 字）</h2>"));
    EXPECT_TRUE(Holds(html, "<h2 id=\"r-lv\">读音 lv（"));
    for (const char* glyph : {"张", "三", "秋", "吕", "旅"}) {
        EXPECT_TRUE(Holds(html, "<tr><td>" + CharacterLink(glyph))) << glyph;
    }
    // 秋 carries two elements by its radical 禾 and 火.
    EXPECT_TRUE(Holds(html, "<td>9</td><td>9</td><td>金</td><td>木火</td></tr>"));
}

TEST(DictionaryPage, ShowsACharacterWithTheCharactersOfItsRadical) {
    const std::string html = Page("?zi=%E6%B5%B7");  // 海
    EXPECT_EQ(TitleOf(html), "新华字典：海");
    EXPECT_TRUE(Holds(html, "<p class=\"large\">海</p>"));
    EXPECT_TRUE(Holds(html, "<tr><th>康熙笔画</th><td>11</td></tr>"));
    EXPECT_TRUE(Holds(html, "<tr><th>部首五行</th><td>水</td></tr>"));
    EXPECT_TRUE(Holds(html, "<h2>部首“氵”的字（393 字）</h2>"));
    for (const char* glyph : {"江", "河", "汉"}) {
        EXPECT_TRUE(Holds(html, CharacterLink(glyph))) << glyph;
    }
    EXPECT_FALSE(Holds(html, CharacterLink("林")));
    // Stroke groups come in order, 汉 (5) before 江 (6) before 海 (10), which is not a link here.
    EXPECT_FALSE(Holds(html, CharacterLink("海")));
    EXPECT_TRUE(Holds(html, "<tr><th>5&nbsp;画</th><td>" + CharacterLink("汉") + " "));
    EXPECT_LT(html.find(CharacterLink("汉")), html.find(CharacterLink("江")));
    EXPECT_LT(html.find(CharacterLink("江")), html.find("<strong>海</strong>"));

    const std::string radical = Page("?bs=%E6%B0%B5");  // 氵
    EXPECT_EQ(TitleOf(radical), "新华字典：部首“氵”");
    EXPECT_TRUE(Holds(radical, "<h2>部首“氵”的字（393 字）</h2>"));
    EXPECT_TRUE(Holds(radical, CharacterLink("海")));
}

TEST(DictionaryPage, StartsWithTheSearchBoxAndTheRadicals) {
    for (const char* query : {"", "?q=", "?q=+++", "?zi=", "?bs="}) {
        SCOPED_TRACE(query);
        const std::string html = Page(query);
        EXPECT_EQ(TitleOf(html), "新华字典");
        EXPECT_TRUE(Holds(html, "<input type=\"search\" name=\"q\""));
        EXPECT_TRUE(Holds(html, "<tr><th>3&nbsp;画</th><td>"));
        EXPECT_TRUE(Holds(html, "<a href=\"morvenda://site/xhzd/?bs=氵\">氵</a>"));
    }
}

TEST(DictionaryPage, AnswersEveryBadQueryWithAPageThatSaysWhy) {
    struct Case {
        std::string query;
        std::string says;
    };
    const Case cases[] = {
        {"?q=zzz", "<p class=\"error\">字典里没有：“zzz”</p>"},
        {"?q=%3Cscript%3Ealert(1)%3C/script%3E",
         "<p class=\"error\">字典里没有：“script”、“alert”</p>"},
        {"?q=%2C%2C+123", "<p class=\"error\">“,, 123”里没有可查的汉字或拼音。</p>"},
        {"?q=" + std::string(10240, 'q'), "<p class=\"note\">查询太长，只查了前 200 个字符。</p>"},
        {"?q=%FF%FE", "<p class=\"error\">字典里没有：“\xEF\xBF\xBD”</p>"},
        {"?zi=abc", "<p class=\"error\">字典里没有：“abc”</p>"},
        {"?zi=%F0%A0%80%80", "<p class=\"error\">字典里没有：“\xF0\xA0\x80\x80”</p>"},
        {"?zi=%E9%95%BF%E6%B1%9F", "<h2 id=\"zi\">汉字（2 字）</h2>"},  // 长江: both listed
        {"?bs=xyz", "<p class=\"error\">字典里没有：“xyz”</p>"},
        {"?q=%E9%95%BFzhangx", "<p class=\"error\">字典里没有：“zhangx”</p>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const std::string html = Page(c.query);
        EXPECT_TRUE(Holds(html, c.says));
        EXPECT_TRUE(TitleOf(html).starts_with("新华字典：查询“"));
        EXPECT_TRUE(Holds(html, "</html>"));
        EXPECT_FALSE(Holds(html, "<script"));
    }
    EXPECT_LE(TitleOf(Page("?q=" + std::string(10240, 'q'))).size(), 100u);
}

TEST(DictionaryPage, EscapesWhatWasTypedInTheBoxAndInTheTitle) {
    const std::string html = Page("?q=%22%3E%3Cb%3E%26%E9%95%BF");  // "><b>&长
    EXPECT_TRUE(Holds(html, "value=\"&quot;&gt;&lt;b&gt;&amp;长\""));
    EXPECT_TRUE(Holds(html, "<title>新华字典：查询“&quot;&gt;&lt;b&gt;&amp;长”</title>"));
    EXPECT_FALSE(Holds(html, "<b>"));
    EXPECT_TRUE(Holds(html, CharacterLink("长")));
}

}  // namespace
}  // namespace morvenda
