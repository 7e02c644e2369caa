#pragma once
// What the filter dialog's controls hold, as one plain value. Fields carry the names of the
// controls they mirror so that the dialog, the settings file and the generator speak of the
// same thing. The first digit of a name is the tab, the second the row (1: first character of
// the given name, 2: second character, 3: the given name as a whole); a third digit on an
// element box is the element, 1 … 5 for 金 木 水 火 土.
//
// Texts are UTF-8 and already trimmed the way the dialog's OK button trims them.

#include <string>

namespace morvenda {

struct FilterConditions {
    // Tab 指定文字: one character each.
    bool chk1_1 = false;
    bool chk1_2 = false;
    bool chk1_3 = false;
    std::string edt1_1;
    std::string edt1_2;
    std::string edt1_3;

    // Tab 五行(字意): the element of the character's meaning.
    bool chk2_1 = false;
    bool chk2_11 = false, chk2_12 = false, chk2_13 = false, chk2_14 = false, chk2_15 = false;
    bool chk2_2 = false;
    bool chk2_21 = false, chk2_22 = false, chk2_23 = false, chk2_24 = false, chk2_25 = false;
    bool chk2_3 = false;
    bool chk2_31 = false, chk2_32 = false, chk2_33 = false, chk2_34 = false, chk2_35 = false;

    // Tab 五行(部首): the element carried by the character's radical.
    bool chk3_1 = false;
    bool chk3_11 = false, chk3_12 = false, chk3_13 = false, chk3_14 = false, chk3_15 = false;
    bool chk3_2 = false;
    bool chk3_21 = false, chk3_22 = false, chk3_23 = false, chk3_24 = false, chk3_25 = false;
    bool chk3_3 = false;
    bool chk3_31 = false, chk3_32 = false, chk3_33 = false, chk3_34 = false, chk3_35 = false;

    // Tab 指定拼音: one reading, lowercase, without tone marks.
    bool chk4_1 = false;
    bool chk4_2 = false;
    bool chk4_3 = false;
    std::string edt4_1;
    std::string edt4_2;
    std::string edt4_3;

    // Tab 指定笔画数: inclusive ranges (from, to); row 3 limits the sum of both characters.
    // The spin edits show 1 until the user changes them.
    bool chk5_1 = false;
    bool chk5_2 = false;
    bool chk5_3 = false;
    int sedt5_11 = 1, sedt5_12 = 1;
    int sedt5_21 = 1, sedt5_22 = 1;
    int sedt5_31 = 1, sedt5_32 = 1;
    // 简体笔画 when set, 康熙笔画 otherwise; every run of the dialog starts with 简体笔画.
    bool rg_Jiti = true;

    // Tab 指定部首: the selected stroke group (item index of the A list, 0 for 一画) and the
    // glyph of the radical selected in the B list.
    bool chk6_1 = false;
    bool chk6_2 = false;
    bool chk6_3 = false;
    int cmb6_1A = 0, cmb6_2A = 0, cmb6_3A = 0;
    std::string cmb6_1B = "丨";
    std::string cmb6_2B = "丨";
    std::string cmb6_3B = "丨";

    bool operator==(const FilterConditions&) const = default;
};

}  // namespace morvenda
