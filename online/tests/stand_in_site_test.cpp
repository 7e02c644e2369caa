#include "online/stand_in_site.h"

#include <gtest/gtest.h>

#include <string>

#include "online/page_address.h"
#include "online/site_addresses.h"
#include "online/tests/page_text.h"

namespace morvenda {
namespace {

const std::string F(FortuneBase);

// The browser asks with every non-ASCII character percent-encoded and without the fragment.
TEST(StandInSite, TitlesEachPageWithItsEntrysCaption) {
    struct Case {
        std::string Address;
        const char* Title;
    };
    const Case cases[] = {
        {F + "chouqian/zgjm.asp", "周公解梦"},
        {F, "姓名测试"},
        {std::string(SiteRoot) + "xhzd/", "新华字典"},
        {F + "sm/sm.asp?sm=8&act=ok&xing=%E7%8E%8B", "姓氏起源"},
        {F + "sm/sm.asp?sm=8", "姓氏起源"},
        {F + "sm/sm.asp?sm=1", "生辰八字"},
        {F + "astro/xzyc.asp?type=week&xz=3", "本周运势"},
        {F + "astro/astro_show.asp?flag=4&astro=%E5%8F%8C%E5%AD%90%E5%BA%A7", "双子座"},
        // The chart's spelling of a sign the menu writes otherwise.
        {F + "astro/astro_show.asp?flag=4&astro=%E6%91%A9%E7%BE%AF%E5%BA%A7", "星座"},
        {F + "astro/astro_show.asp?flag=12&sx=%E7%89%9B&astro_year=2024", "属相"},
        {F + "chouqian/lvzu.asp", "吕祖灵签"},
        {F + "yuce/hdjr.asp", "黄道吉日"},
        {F + "yuce/hdjr.asp?act=xrz&word=%E5%AB%81%E5%A8%B6&upto=365", "结婚吉日"},
        {std::string(SoftwareBase) + "?ver=20091201", "软件升级"},
        // The name analysis lacks the sex and the birth moment here.
        {F + "QimingTest.asp?xing=%E7%8E%8B&ming=%E5%8D%8E&dest=sm3", "姓名分析"},
        {F + "QimingTest.asp?xing=%E7%8E%8B&ming=%E5%8D%8E&dest=sm5", "姓名分析"},
        {F + "sm/sm.asp?sm=2", "八字测算"},
        {F + "no/such/page.asp", "找不到页面"},
        {F + "sm/sm.asp?sm=7", "找不到页面"},
        {"http://example.com/", "找不到页面"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Address);
        EXPECT_EQ(TitleOf(StandInPage(c.Address)), c.Title);
    }
}

TEST(StandInSite, ServesEveryAddressThePageTableOpens) {
    ResultRow row;
    row.Fields[0] = "王华明";
    row.Fields[15] = "王";
    const PageContext shown{"王", "双子座", "牛", 2024, "男", {2009, 6, 5, 8}, &row};
    for (const OnlinePage& page : OnlinePages()) {
        SCOPED_TRACE(page.Component);
        const std::string address = PageAddress(page, shown).value();
        const std::string html = StandInPage(address.substr(0, address.find('#')));
        EXPECT_NE(TitleOf(html), "找不到页面");
        EXPECT_NE(html.find("离线页面"), std::string::npos);
    }
}

TEST(StandInSite, ListsTheQueryDecodedAndEscaped) {
    const std::string html =
        StandInPage(F + "sm/sm.asp?sm=8&act=ok&xing=%3Cb%3E%E7%8E%8B%26%22&empty=&bare");
    EXPECT_NE(html.find("<td>xing</td><td>&lt;b&gt;王&amp;&quot;</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>empty</td><td></td>"), std::string::npos);
    EXPECT_NE(html.find("<td>bare</td><td></td>"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
}

TEST(StandInSite, AnUnknownPageNamesTheAddressEscaped) {
    const std::string html = StandInPage(F + "missing.asp?q=<script>");
    EXPECT_EQ(TitleOf(html), "找不到页面");
    EXPECT_NE(html.find(HtmlEscaped(F + "missing.asp?q=<script>")), std::string::npos);
    EXPECT_EQ(html.find("<script>"), std::string::npos);
}

TEST(StandInSite, ReadsTheRequestLikeAWebServer) {
    // A form sends a space as "+" and a plus sign as %2B.
    const PageRequest request = ParseRequest(F + "a.asp?x=%E7%8E%8B&y=50%&z=a+b&p=1%2B1&=v#frag");
    EXPECT_EQ(request.Location, "site/sm/a.asp");
    const std::vector<QueryItem> expected{
        {"x", "王"}, {"y", "50%"}, {"z", "a b"}, {"p", "1+1"}, {"", "v"}};
    EXPECT_EQ(request.Query, expected);
}

}  // namespace
}  // namespace morvenda
