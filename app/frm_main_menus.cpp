// The main menu and the detailed list's popup menu. The web-page items and the list's commands
// that belong to later features stand in their places already, disabled, so the menus show
// their whole structure from the start.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

#include <array>
#include <string_view>

#include "app/frm_main.h"
#include "app/qt_text.h"
#include "results/row_sorting.h"

namespace {

struct MenuItem {
    const char* Name;
    const char* Caption;
    int Tag = 0;
};

// A row of a submenu of 免费测算; the rows of one submenu follow each other. Items that open
// the same page appear in more than one submenu. A row without a name is a separator.
struct FortuneMenuRow {
    const char* Submenu;
    MenuItem Item;
};

constexpr std::array<FortuneMenuRow, 69> FortuneMenuRows{{
    {"热门测算", {"N22", "姓名测算"}},
    {"热门测算", {"N23", "姓氏起源"}},
    {"热门测算", {"N24", "周公解梦"}},
    {"热门测算", {"N25", "生辰八字"}},
    {"热门测算", {"N26", "八字测算"}},
    {"热门测算", {"N27", "星座运程"}},
    {"免费算命", {"N28", "生辰八字"}},
    {"免费算命", {"N29", "八字测算"}},
    {"免费算命", {"N30", "日干论命"}},
    {"免费算命", {"N31", "称骨论命"}},
    {"免费算命", {"N32", "姓名测算"}},
    {"免费算命", {"N33", "姓名配对"}},
    {"免费算命", {"N34", "姓氏起源"}},
    // The Tag picks the forecast period.
    {"星座运程", {"N35", "今日运势", 1}},
    {"星座运程", {"N36", "明日运势", 2}},
    {"星座运程", {"N37", "本周运势", 3}},
    {"星座运程", {"N38", "本月运势", 4}},
    {"星座运程", {"N39", "今年运势", 5}},
    {"星座运程", {"N40", "今年爱情运势", 6}},
    {"星座运程", {nullptr, nullptr}},
    {"星座运程", {"N42", "白羊座"}},
    {"星座运程", {"N43", "金牛座"}},
    {"星座运程", {"N44", "双子座"}},
    {"星座运程", {"N45", "巨蟹座"}},
    {"星座运程", {"N46", "狮子座"}},
    {"星座运程", {"N47", "处女座"}},
    {"星座运程", {"N48", "天秤座"}},
    {"星座运程", {"N49", "天蝎座"}},
    {"星座运程", {"N50", "射手座"}},
    {"星座运程", {"N51", "魔羯座"}},
    {"星座运程", {"N52", "水瓶座"}},
    {"星座运程", {"N53", "双鱼座"}},
    {"生肖运程", {"N20091", "2009生肖运程"}},
    {"生肖运程", {"N20101", "2010生肖运程"}},
    {"抽签解签", {"N54", "周公解梦"}},
    {"抽签解签", {"N55", "观音灵签"}},
    {"抽签解签", {"N56", "吕祖灵签"}},
    {"抽签解签", {"N57", "诸葛神算"}},
    {"抽签解签", {"N58", "关帝神签"}},
    {"抽签解签", {"N59", "天后灵签"}},
    {"抽签解签", {"N60", "黄大仙灵签"}},
    {"情侣速配", {"N61", "星座对对配"}},
    {"情侣速配", {"N62", "姓名五格配对"}},
    {"情侣速配", {"N63", "生辰八字配对"}},
    {"情侣速配", {"N64", "生肖血型配对"}},
    {"情侣速配", {"QQ1", "QQ号码缘份测试"}},
    {"情侣速配", {"N65", "姓名配对关系提示"}},
    {"民俗预测", {"N66", "生男生女"}},
    {"民俗预测", {"N67", "三世财运"}},
    {"民俗预测", {"N68", "指纹预测"}},
    {"民俗预测", {"N69", "耳鸣预测"}},
    {"民俗预测", {"N70", "眼跳预测"}},
    {"民俗预测", {"N71", "心惊预测"}},
    {"民俗预测", {"N72", "面热预测"}},
    {"择吉黄历", {"N73", "黄道吉日"}},
    {"择吉黄历", {"N74", "万年历"}},
    {"择吉黄历", {"N76", "结婚吉日"}},
    {"趣味测算", {"N77", "身份证算命"}},
    {"趣味测算", {"N78", "婚姻指数测试"}},
    {"趣味测算", {"QQ2", "QQ号码/手机号码吉凶"}},
    {"在线排盘", {"N79", "四柱八字排盘"}},
    {"在线排盘", {"N80", "紫微斗数排盘"}},
    {"在线排盘", {"N81", "大六壬起课"}},
    {"在线排盘", {"N82", "六爻起卦"}},
    {"在线排盘", {"N83", "奇门遁甲起局"}},
    {"在线排盘", {"N84", "玄空飞星排盘"}},
    {"在线排盘", {"N85", "金口诀立课"}},
    {"在线排盘", {"N86", "地区经度查询"}},
    {"在线排盘", {"N87", "真太阳时间修正"}},
}};

constexpr std::array<MenuItem, 4> OtherFunctionItems{{
    {"N3", "便民查询"},
    {"N92", "三字经"},
    {"N93", "百家姓"},
    {"N91", "二十四节气"},
}};

QAction* AddItem(QMenu* menu, const MenuItem& item) {
    QAction* action = menu->addAction(ToQString(item.Caption));
    action->setObjectName(QString::fromLatin1(item.Name));
    if (item.Tag != 0) {
        action->setProperty("Tag", item.Tag);
    }
    return action;
}

// An item whose feature has not landed yet: in its place, captioned, not usable.
void AddPendingItem(QMenu* menu, const MenuItem& item) {
    AddItem(menu, item)->setEnabled(false);
}

QMenu* AddNamedMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(ToQString(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

void TfrmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* naming = AddNamedMenu(bar, "N1", "起名功能");
    connect(AddItem(naming, {"N6", "Morvenda起名"}), &QAction::triggered, this, &TfrmMain::N6Click);
    AddItem(naming, {"N7", "起名知识"})->setVisible(false);

    // The web pages these open join with the browser window.
    QMenu* fortune = AddNamedMenu(bar, "N2", "免费测算");
    QMenu* submenu = nullptr;
    std::string_view submenuCaption;
    for (const FortuneMenuRow& row : FortuneMenuRows) {
        if (row.Submenu != submenuCaption) {
            submenuCaption = row.Submenu;
            submenu = fortune->addMenu(ToQString(submenuCaption));
        }
        if (row.Item.Name) {
            AddPendingItem(submenu, row.Item);
        } else {
            submenu->addSeparator();
        }
    }
    QMenu* other = AddNamedMenu(bar, "N4", "其他功能");
    for (const MenuItem& item : OtherFunctionItems) {
        AddPendingItem(other, item);
    }

    QMenu* about = AddNamedMenu(bar, "N5", "关于");
    AddItem(about, {"N95", "使用帮助"})->setVisible(false);
    AddPendingItem(about, {"N96", "软件升级"});
    AddPendingItem(about, {"N97", "关于作者"});
    AddItem(about, {"N98", "建议反馈"})->setVisible(false);
}

void TfrmMain::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    // The name analysis joins with its own feature.
    AddPendingItem(PopupMenu1, {"N8", "查看名字属性"});
    connect(AddItem(PopupMenu1, {"N9", "加入收藏夹"}), &QAction::triggered, this, &TfrmMain::N9Click);
    connect(AddItem(PopupMenu1, {"N10", "打印"}), &QAction::triggered, this, &TfrmMain::btn_Print2Click);

    QMenu* sortMenu = PopupMenu1->addMenu(QStringLiteral("排序"));
    sortMenu->setObjectName(QStringLiteral("N11"));
    constexpr std::array<const char*, morvenda::SortKeyCount> sortEntryNames{
        "N89",  "N90",  "N99",  "N100", "N101", "N102",
        "N103", "N104", "N105", "N106", "N107", "N108"};
    for (std::size_t tag = 0; tag < sortEntryNames.size(); ++tag) {
        QAction* entry = sortMenu->addAction(ToQString(morvenda::SortKeyTexts()[tag]));
        entry->setObjectName(QString::fromLatin1(sortEntryNames[tag]));
        entry->setProperty("Tag", static_cast<int>(tag));
        connect(entry, &QAction::triggered, this, [this, entry] { N89Click(entry); });
    }
}
