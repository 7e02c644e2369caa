#include "online/page_table.h"

#include <algorithm>

#include "online/site_addresses.h"

namespace morvenda {
namespace {

constexpr SiteBase F = SiteBase::Fortune;
constexpr SiteBase S = SiteBase::Software;
constexpr SiteBase R = SiteBase::Root;

constexpr PageTrigger Item = PageTrigger::MenuItem;
constexpr PageTrigger Button = PageTrigger::ToolButton;
constexpr PageTrigger Label = PageTrigger::ChartLabel;

constexpr PageKind Fixed = PageKind::Fixed;
constexpr PageKind Origin = PageKind::FamilyOrigin;
constexpr PageKind Forecast = PageKind::Forecast;
constexpr PageKind Sign = PageKind::StarSign;

constexpr std::string_view Hot = FortuneSubmenus[0];
constexpr std::string_view Fate = FortuneSubmenus[1];
constexpr std::string_view Astro = FortuneSubmenus[2];
constexpr std::string_view Zodiac = FortuneSubmenus[3];
constexpr std::string_view Slips = FortuneSubmenus[4];
constexpr std::string_view Couples = FortuneSubmenus[5];
constexpr std::string_view Folk = FortuneSubmenus[6];
constexpr std::string_view Almanac = FortuneSubmenus[7];
constexpr std::string_view Fun = FortuneSubmenus[8];
constexpr std::string_view Charts = FortuneSubmenus[9];

// Items that share a page in two menus keep one handler each but the same address.
constexpr std::string_view NameTestPath = "sm/sm.asp?sm=5";
constexpr std::string_view OriginPath = "sm/sm.asp?sm=8";
constexpr std::string_view DreamPath = "chouqian/zgjm.asp#body";
constexpr std::string_view EightCharsPath = "sm/sm.asp?sm=1";
constexpr std::string_view EightCharsTestPath = "sm/sm.asp?sm=2";
constexpr std::string_view ForecastPath = "astro/xzyc.asp";
constexpr std::string_view SignPath = "astro/astro_show.asp?flag=4";
constexpr std::string_view LvzuPath = "chouqian/lvzu.asp";
constexpr std::string_view NameTestPage = "QimingTest.asp";

constexpr OnlinePage Pages[] = {
    {"N22", "姓名测算", Item, Hot, F, NameTestPath},
    {"N23", "姓氏起源", Item, Hot, F, OriginPath, Origin},
    {"N24", "周公解梦", Item, Hot, F, DreamPath},
    {"N25", "生辰八字", Item, Hot, F, EightCharsPath},
    {"N26", "八字测算", Item, Hot, F, EightCharsTestPath},
    {"N27", "星座运程", Item, Hot, F, "astro/index.asp"},

    {"N28", "生辰八字", Item, Fate, F, EightCharsPath},
    {"N29", "八字测算", Item, Fate, F, EightCharsTestPath},
    {"N30", "日干论命", Item, Fate, F, "sm/sm.asp?sm=3"},
    {"N31", "称骨论命", Item, Fate, F, "sm/sm.asp?sm=4"},
    {"N32", "姓名测算", Item, Fate, F, NameTestPath},
    {"N33", "姓名配对", Item, Fate, F, "sm/sm.asp?sm=6#body"},
    {"N34", "姓氏起源", Item, Fate, F, OriginPath, Origin},

    {"N35", "今日运势", Item, Astro, F, ForecastPath, Forecast, 1},
    {"N36", "明日运势", Item, Astro, F, ForecastPath, Forecast, 2},
    {"N37", "本周运势", Item, Astro, F, ForecastPath, Forecast, 3},
    {"N38", "本月运势", Item, Astro, F, ForecastPath, Forecast, 4},
    {"N39", "今年运势", Item, Astro, F, ForecastPath, Forecast, 5},
    {"N40", "今年爱情运势", Item, Astro, F, ForecastPath, Forecast, 6},
    {"N42", "白羊座", Item, Astro, F, SignPath, Sign},
    {"N43", "金牛座", Item, Astro, F, SignPath, Sign},
    {"N44", "双子座", Item, Astro, F, SignPath, Sign},
    {"N45", "巨蟹座", Item, Astro, F, SignPath, Sign},
    {"N46", "狮子座", Item, Astro, F, SignPath, Sign},
    {"N47", "处女座", Item, Astro, F, SignPath, Sign},
    {"N48", "天秤座", Item, Astro, F, SignPath, Sign},
    {"N49", "天蝎座", Item, Astro, F, SignPath, Sign},
    {"N50", "射手座", Item, Astro, F, SignPath, Sign},
    // The menu writes 魔, where the chart's own vocabulary has 摩; the page is asked as written.
    {"N51", "魔羯座", Item, Astro, F, SignPath, Sign},
    {"N52", "水瓶座", Item, Astro, F, SignPath, Sign},
    {"N53", "双鱼座", Item, Astro, F, SignPath, Sign},

    {"N20091", "2009生肖运程", Item, Zodiac, F, "astro/2009sx.asp"},
    {"N20101", "2010生肖运程", Item, Zodiac, F, "astro/2010sx.asp"},

    {"N54", "周公解梦", Item, Slips, F, DreamPath},
    {"N55", "观音灵签", Item, Slips, F, "chouqian/guanyin.asp"},
    {"N56", "吕祖灵签", Item, Slips, F, LvzuPath},
    // The site has no page of its own for this oracle and answers it with the Lü Zu slips.
    {"N57", "诸葛神算", Item, Slips, F, LvzuPath},
    {"N58", "关帝神签", Item, Slips, F, "chouqian/guandi.asp"},
    {"N59", "天后灵签", Item, Slips, F, "chouqian/mazu.asp"},
    {"N60", "黄大仙灵签", Item, Slips, F, "chouqian/huangdaxian.asp"},

    {"N61", "星座对对配", Item, Couples, F, "qinglv/pd_astro.asp"},
    {"N62", "姓名五格配对", Item, Couples, F, "qinglv/pd_xmwg.asp"},
    {"N63", "生辰八字配对", Item, Couples, F, "sm/sm.asp?sm=6"},
    {"N64", "生肖血型配对", Item, Couples, F, "qinglv/pd_sxxx.asp"},
    {"QQ1", "QQ号码缘份测试", Item, Couples, F, "qinglv/pd_qq.asp"},
    {"N65", "姓名配对关系提示", Item, Couples, F, "qinglv/pd_name.asp"},

    {"N66", "生男生女", Item, Folk, F, "yuce/snsn.asp"},
    {"N67", "三世财运", Item, Folk, F, "yuce/sanshishu.asp"},
    {"N68", "指纹预测", Item, Folk, F, "yuce/zwsm.asp"},
    {"N69", "耳鸣预测", Item, Folk, F, "yuce/emyc.asp"},
    {"N70", "眼跳预测", Item, Folk, F, "yuce/ytyc.asp"},
    {"N71", "心惊预测", Item, Folk, F, "yuce/xjyc.asp"},
    {"N72", "面热预测", Item, Folk, F, "yuce/myyc.asp"},

    {"N73", "黄道吉日", Item, Almanac, F, "yuce/hdjr.asp"},
    {"N74", "万年历", Item, Almanac, F, "yuce/wnl.asp"},
    {"N76", "结婚吉日", Item, Almanac, F, "yuce/hdjr.asp?act=xrz&word=嫁娶&upto=365"},

    {"N77", "身份证算命", Item, Fun, F, "sfz/index.asp"},
    {"N78", "婚姻指数测试", Item, Fun, F, "hunpei/index.asp"},
    {"QQ2", "QQ号码/手机号码吉凶", Item, Fun, F, "yuce/hmjx.asp"},

    {"N79", "四柱八字排盘", Item, Charts, F, "paipan/pp_bazi.asp"},
    {"N80", "紫微斗数排盘", Item, Charts, F, "paipan/pp_ziwei.asp"},
    {"N81", "大六壬起课", Item, Charts, F, "paipan/pp_6r.asp"},
    {"N82", "六爻起卦", Item, Charts, F, "paipan/pp_6y.asp"},
    {"N83", "奇门遁甲起局", Item, Charts, F, "paipan/pp_qmdj.asp"},
    {"N84", "玄空飞星排盘", Item, Charts, F, "paipan/pp_xk.asp"},
    {"N85", "金口诀立课", Item, Charts, F, "paipan/pp_jkj.asp"},
    {"N86", "地区经度查询", Item, Charts, F, "paipan/jingdu.asp"},
    {"N87", "真太阳时间修正", Item, Charts, F, "paipan/taiyang.asp"},

    {"N3", "便民查询", Item, OtherMenu, R, "tools/"},
    {"N92", "三字经", Item, OtherMenu, R, "szj/"},
    {"N93", "百家姓", Item, OtherMenu, F, "sm/bjx.asp"},
    {"N91", "二十四节气", Item, OtherMenu, F, "24jq.asp"},

    {"N95", "使用帮助", Item, AboutMenu, S, "help/index.asp", Fixed, 0, {}, false},
    {"N96", "软件升级", Item, AboutMenu, S, "?ver=", PageKind::Release},
    {"N97", "关于作者", Item, AboutMenu, S, "about.asp"},
    {"N98", "建议反馈", Item, AboutMenu, S, "feedback.asp", Fixed, 0, {}, false},

    {"sbtn_onlineSM", "姓名测试", Button, {}, F, ""},
    {"sbtn_dict", "新华字典", Button, {}, R, "xhzd/"},

    // The chart's links come after the menu items, so a page both open is titled as the item.
    {"Label108", "星座", Label, {}, F, SignPath, PageKind::ShownStarSign},
    {"Label107", "属相", Label, {}, F, "astro/astro_show.asp?flag=12", PageKind::ShownZodiac},
    {"Label32", "今", Label, {}, F, ForecastPath, Forecast, 1},
    {"Label33", "明", Label, {}, F, ForecastPath, Forecast, 2},
    {"Label34", "周", Label, {}, F, ForecastPath, Forecast, 3},
    // 年 opens the month's forecast, not the year's.
    {"Label35", "年", Label, {}, F, ForecastPath, Forecast, 4},
    {"Label36", "姓氏起源", Label, {}, F, OriginPath, Origin},
    {"Label37", "性格分析", Label, {}, F, NameTestPage, PageKind::NameTest, 0, "sm3"},

    {"N8",
     "查看名字属性",
     PageTrigger::PopupItem,
     {},
     F,
     NameTestPage,
     PageKind::NameTest,
     0,
     "sm5"},
    {"listview_Result",
     "查看名字属性",
     PageTrigger::ListDoubleClick,
     {},
     F,
     NameTestPage,
     PageKind::NameTest,
     0,
     "sm5"},
};

}  // namespace

std::string_view BaseAddress(SiteBase base) {
    switch (base) {
        case SiteBase::Fortune:
            return FortuneBase;
        case SiteBase::Software:
            return SoftwareBase;
        case SiteBase::Root:
            break;
    }
    return SiteRoot;
}

std::span<const OnlinePage> OnlinePages() {
    return Pages;
}

const OnlinePage* FindOnlinePage(std::string_view component) {
    const auto found =
        std::find_if(std::begin(Pages), std::end(Pages),
                     [&](const OnlinePage& page) { return page.Component == component; });
    return found == std::end(Pages) ? nullptr : found;
}

std::vector<const OnlinePage*> PagesInMenu(std::string_view menu) {
    std::vector<const OnlinePage*> items;
    for (const OnlinePage& page : Pages) {
        if (page.Trigger == PageTrigger::MenuItem && page.Menu == menu) {
            items.push_back(&page);
        }
    }
    return items;
}

}  // namespace morvenda
