#include "online/page_address.h"

#include <gtest/gtest.h>

#include <string>

#include "online/site_addresses.h"

namespace morvenda {
namespace {

const std::string F(FortuneBase);

int Row(const char* glyph) {
    const int index = FindCharIndex(glyph);
    EXPECT_LT(index, CharCount) << glyph << " is missing from the table";
    return index;
}

// A listed row as a run under the family name leaves it.
ResultRow ListedRow(const char* family, const char* first, const char* second = nullptr) {
    const RowFamily typed = ReadFamilyName(family);
    const NameCode low = second ? static_cast<NameCode>(Row(second)) : NoSecondChar;
    return BuildResultRow(static_cast<NameCode>(Row(first)) << 16 | low, typed);
}

PageContext Typed(std::string familyText) {
    PageContext context;
    context.FamilyText = std::move(familyText);
    return context;
}

PageContext Charted(std::string starSign) {
    PageContext context;
    context.StarSign = std::move(starSign);
    return context;
}

std::string Open(std::string_view component, const PageContext& context) {
    const OnlinePage* page = FindOnlinePage(component);
    EXPECT_NE(page, nullptr) << component;
    return page ? PageAddress(*page, context).value_or("(none)") : std::string();
}

TEST(PageAddress, TheFamilyOriginAsksAboutTheTypedNameOnlyWhenThereIsOne) {
    struct Case {
        const char* Typed;
        std::string Address;
    };
    const Case cases[] = {
        {"王", F + "sm/sm.asp?sm=8&act=ok&xing=王#body"},
        {"欧阳", F + "sm/sm.asp?sm=8&act=ok&xing=欧阳#body"},
        {"", F + "sm/sm.asp?sm=8#body"},
        {"   ", F + "sm/sm.asp?sm=8#body"},
        {"\t", F + "sm/sm.asp?sm=8#body"},
        // Tested trimmed, inserted as typed.
        {" 王 ", F + "sm/sm.asp?sm=8&act=ok&xing= 王 #body"},
    };
    for (const char* component : {"N23", "N34", "Label36"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(component) + " [" + c.Typed + "]");
            EXPECT_EQ(Open(component, Typed(c.Typed)), c.Address);
        }
    }
}

TEST(PageAddress, ForecastsNumberTheStarSignTheChartShows) {
    struct Case {
        const char* Shown;
        int Number;
    };
    const Case cases[] = {
        {"白羊座", 1},
        {"双子座", 3},
        {"摩羯座", 10},
        {"双鱼座", 12},
        // Only the chart's own spelling counts; anything else asks for the first sign.
        {"魔羯座", 1},
        {"", 1},
        {"水瓶座", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Shown);
        EXPECT_EQ(StarSignNumberOf(c.Shown), c.Number);
        EXPECT_EQ(Open("N37", Charted(c.Shown)),
                  F + "astro/xzyc.asp?type=week&xz=" + std::to_string(c.Number));
    }
}

TEST(PageAddress, TheYearLabelOpensTheMonthForecast) {
    const PageContext chart = Charted("双子座");
    EXPECT_EQ(Open("Label35", chart), F + "astro/xzyc.asp?type=month&xz=3");
    EXPECT_EQ(Open("Label35", chart), Open("N38", chart));
    EXPECT_NE(Open("Label35", chart), Open("N39", chart));
}

TEST(PageAddress, UserTextCannotAddOrCutQueryKeys) {
    struct Case {
        const char* Text;
        const char* Inserted;
    };
    const Case cases[] = {
        {"王&ver=1#", "王%26ver%3D1%23"},
        {"a+b%20?", "a%2Bb%2520%3F"},
        {"王\t\n\x7f", "王%09%0A%7F"},
        // Everything else goes in untouched, the space of a one-character name included.
        {"华 ", "华 "},
        {"<b>'\"/;:@", "<b>'\"/;:@"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(AddressText(c.Text), c.Inserted);
    }
    EXPECT_EQ(Open("N23", Typed("王&ver=1#")),
              F + "sm/sm.asp?sm=8&act=ok&xing=王%26ver%3D1%23#body");
    EXPECT_EQ(Open("Label108", Charted("双子座&flag=12")),
              F + "astro/astro_show.asp?flag=4&astro=双子座%26flag%3D12");
}

TEST(OnlineNameTest, SendsTheRowTheSexAndTheBirthMoment) {
    const BirthFields born{2009, 6, 5, 8};
    struct Case {
        const char* Name;
        ResultRow Row;
        const char* Sex;
        std::string Xing, Ming;
    };
    const Case cases[] = {
        {"two-character name", ListedRow("王", "华", "明"), "男", "王", "华明"},
        // The caption of a one-character name ends in a space, and so does ming.
        {"one-character name", ListedRow("王", "华"), "女", "王", "华 "},
        {"every occurrence goes", ListedRow("林", "林", "林"), "男", "林", ""},
        {"two-character family", ListedRow("欧阳", "华", "明"), "男", "欧阳", "华明"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(OnlineNameTestAddress(c.Row, c.Sex, born, "sm5"),
                  F + "QimingTest.asp?xing=" + c.Xing + "&ming=" + c.Ming + "&xingbie=" + c.Sex +
                      "&xuexing=A&nian=2009&yue=6&ri=5&hh=8&mm=30&ver=20091201&dest=sm5");
    }
}

TEST(OnlineNameTest, RemovesOccurrencesAsTheyStandWithoutLookingAgain) {
    ResultRow row;
    row.Fields[0] = "欧欧阳阳";
    row.Fields[15] = "欧阳";
    EXPECT_EQ(OnlineNameTestAddress(row, "男", {}, "sm5"),
              F + "QimingTest.asp?xing=欧阳&ming=欧阳&xingbie=男&xuexing=A&nian=0&yue=0&ri=0&hh=0"
                  "&mm=30&ver=20091201&dest=sm5");
    // A row without family glyphs keeps its whole name rather than looping on the empty text.
    row.Fields[15].clear();
    EXPECT_NE(OnlineNameTestAddress(row, "男", {}, "sm5").find("&ming=欧欧阳阳&"),
              std::string::npos);
}

TEST(OnlineNameTest, OpensNothingWithoutARowAndNamesItsDestination) {
    const ResultRow row = ListedRow("王", "华", "明");
    PageContext withRow;
    withRow.Sex = "男";
    withRow.Birth = {2009, 6, 5, 8};
    withRow.Row = &row;
    EXPECT_EQ(PageAddress(*FindOnlinePage("Label37"), PageContext{}), std::nullopt);
    EXPECT_EQ(PageAddress(*FindOnlinePage("listview_Result"), PageContext{}), std::nullopt);
    EXPECT_TRUE(Open("Label37", withRow).ends_with("&dest=sm3"));
    EXPECT_TRUE(Open("N8", withRow).ends_with("&dest=sm5"));
    EXPECT_EQ(Open("N8", withRow), Open("listview_Result", withRow));
}

}  // namespace
}  // namespace morvenda
