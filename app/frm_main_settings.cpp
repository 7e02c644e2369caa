// The settings file from the main window's side: which control each value of the file goes to,
// and in which order they are restored, as the date lists and the filter dialog's radical
// lists are rebuilt by the handlers of the values before them.

#include <QComboBox>
#include <QLineEdit>

#include "app/accepted_values.h"
#include "app/frm_main.h"
#include "app/frm_select.h"
#include "app/qt_text.h"
#include "chart/birth_date_lists.h"
#include "settings/program_settings.h"

void TfrmMain::SaveSettings() {
    morvenda::ProgramSettings settings;
    settings.Birthday = {
        FromQString(edt_FirstName->text()),
        cmb_NameLength->currentIndex(),
        cmb_Sex->currentIndex(),
        cmb_CalendarType->currentIndex(),
        cmb_Year->currentIndex(),
        cmb_Month->currentIndex(),
        cmb_Day->currentIndex(),
        cmb_Hour->currentIndex(),
    };
    settings.Select = frmSelect->SettingsInput();
    // A file that cannot be written costs the next start its input, never this run.
    (void)morvenda::SaveSettingsFile(morvenda::SettingsFilePath(), settings);
}

void TfrmMain::LoadSettings() {
    const morvenda::ProgramSettings settings = morvenda::LoadSettingsFile(
        morvenda::SettingsFilePath(), morvenda::YearItemIndex(today_().Year));
    const morvenda::BirthdayInput& input = settings.Birthday;
    SetAcceptedText(edt_FirstName, ToQString(input.FirstName));
    SetAcceptedIndex(cmb_NameLength, input.NameLength);
    SetAcceptedIndex(cmb_Sex, input.Sex);
    SetAcceptedIndex(cmb_CalendarType, input.CalendarType);
    cmb_CalendarTypeChange();
    // The months of a lunar year are built before the month is picked among them, so a leap
    // month comes back as the same item.
    SetAcceptedIndex(cmb_Year, input.Year);
    if (!FillLunarMonths()) {
        // No lunar year, no months to pick: the rest keeps what it shows, without a message,
        // as the user did not ask for this load.
        return;
    }
    SetAcceptedIndex(cmb_Month, input.Month);
    SetAcceptedIndex(cmb_Day, input.Day);
    SetAcceptedIndex(cmb_Hour, input.Hour);
    frmSelect->RestoreSettings(settings.Select);
}
