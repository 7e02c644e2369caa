// The five birth-date lists: which items they hold for each calendar and what is selected
// when the calendar type or the year changes. The items come from the chart core.

#include <QComboBox>
#include <QFrame>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "app/frm_main.h"
#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "chart/birth_date_lists.h"

namespace {

// The new items come without a selection; each caller picks what its list starts on.
void ReplaceItems(QComboBox* box, const std::vector<std::string>& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        texts << ToQString(item);
    }
    box->clear();
    box->addItems(texts);
    box->setCurrentIndex(-1);
}

}  // namespace

void TfrmMain::FillHourList() {
    ReplaceItems(cmb_Hour, morvenda::HourItems());
}

void TfrmMain::cmb_CalendarTypeChange() {
    for (QComboBox* box : {cmb_Year, cmb_Month, cmb_Day, cmb_Hour}) {
        box->setEnabled(true);
    }
    const int calendar = cmb_CalendarType->currentIndex();
    Panel4->setVisible(calendar != morvenda::CalendarUnknown);
    const morvenda::CivilDate today = today_();
    switch (calendar) {
    case morvenda::CalendarSolar:
        ReplaceItems(cmb_Year, morvenda::YearItems());
        ReplaceItems(cmb_Month, morvenda::SolarMonthItems());
        ReplaceItems(cmb_Day, morvenda::SolarDayItems());
        cmb_Year->setCurrentIndex(morvenda::YearItemIndex(today.Year));
        cmb_Month->setCurrentIndex(today.Month - 1);
        cmb_Day->setCurrentIndex(today.Day - 1);
        break;
    case morvenda::CalendarLunar:
        // Today is not converted: the lunar lists start at 正月 初一 of this year's number.
        ReplaceItems(cmb_Year, morvenda::YearItems());
        ReplaceItems(cmb_Day, morvenda::LunarDayItems());
        cmb_Year->setCurrentIndex(morvenda::YearItemIndex(today.Year));
        // A year the list lacks leaves no months to pick, and no day is picked either.
        if (!cmb_YearClick()) {
            return;
        }
        cmb_Day->setCurrentIndex(0);
        break;
    case morvenda::CalendarUnknown:
        for (QComboBox* box : {cmb_Year, cmb_Month, cmb_Day, cmb_Hour}) {
            box->setEnabled(false);
        }
        break;
    default:
        break;
    }
}

bool TfrmMain::cmb_YearClick() {
    if (!FillLunarMonths()) {
        const std::string yearText = FromQString(cmb_Year->currentText());
        messageBoxes_.Error(this, ToQString(morvenda::InvalidNumberMessage(yearText)));
        return false;
    }
    cmb_Month->setCurrentIndex(0);
    cmb_Day->setCurrentIndex(0);
    return true;
}

bool TfrmMain::FillLunarMonths() {
    if (cmb_CalendarType->currentIndex() != morvenda::CalendarLunar) {
        return true;
    }
    cmb_Month->clear();
    const std::optional<int> year =
        morvenda::ParseListNumber(FromQString(cmb_Year->currentText()));
    if (!year) {
        return false;
    }
    ReplaceItems(cmb_Month, morvenda::LunarMonthItems(*year));
    return true;
}
