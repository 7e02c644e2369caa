#pragma once
// Every menu item, tool button, chart label and list action that opens a web page, and the page
// it opens. The menus are built from this table, in its order, so it also says where each item
// sits; the stand-in site reads it for the caption of the page behind an address.

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace morvenda {

enum class SiteBase { Fortune, Software, Root };

std::string_view BaseAddress(SiteBase base);

// How the address goes on after the entry's Path.
enum class PageKind {
    Fixed,          // Path is the whole rest of the address
    FamilyOrigin,   // the family name typed, when there is one, then "#body"
    Forecast,       // the period of Tag and the number of the star sign the chart shows
    StarSign,       // the entry's own caption
    ShownStarSign,  // the star sign the chart shows
    ShownZodiac,    // the zodiac animal the chart shows and the current year
    NameTest,       // the online analysis of one result row, for Dest
    Release,        // the program's version
};

// The kind of component that opens the page.
enum class PageTrigger { MenuItem, ToolButton, ChartLabel, ListDoubleClick, PopupItem };

struct OnlinePage {
    std::string_view Component;  // objectName of what opens the page
    std::string_view Caption;    // its caption, and the title of the stand-in page
    PageTrigger Trigger;
    std::string_view Menu;  // the menu a menu item sits in
    SiteBase Base;
    std::string_view Path;  // the fixed part of the address after the base
    PageKind Kind = PageKind::Fixed;
    int Tag = 0;                 // forecast period 1 … 6
    std::string_view Dest = {};  // which analysis a name test asks for
    bool Visible = true;
};

// The main-menu entry holding the fortune-telling submenus, and those submenus in order.
inline constexpr std::string_view FortuneMenu = "免费测算";
inline constexpr std::array<std::string_view, 10> FortuneSubmenus{
    "热门测算", "免费算命", "星座运程", "生肖运程", "抽签解签",
    "情侣速配", "民俗预测", "择吉黄历", "趣味测算", "在线排盘"};
// Main-menu entries holding pages directly.
inline constexpr std::string_view OtherMenu = "其他功能";
inline constexpr std::string_view AboutMenu = "关于";

std::span<const OnlinePage> OnlinePages();

// The entry of a component; nullptr when it opens no page.
const OnlinePage* FindOnlinePage(std::string_view component);

// The items of one menu, in menu order.
std::vector<const OnlinePage*> PagesInMenu(std::string_view menu);

}  // namespace morvenda
