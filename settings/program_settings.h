#pragma once
// What the settings file keeps from one start to the next: the main window's input in the
// section "Birthday" and the filter dialog's controls in the section "Select", each control
// under its name in the dialog's control table and in that table's order.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "filters/filter_controls.h"

namespace morvenda {

// The input panel: the family name and the item indices of its lists, −1 where a list has no
// selection. The year is its item, the year − 1949, not the year.
struct BirthdayInput {
    std::string FirstName;
    int NameLength = 0;
    int Sex = 0;
    int CalendarType = 0;
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;

    bool operator==(const BirthdayInput&) const = default;
};

// A value for every control of the dialog's table, its default until set; the file keeps
// those IsSavedInSettings picks.
class SelectInput {
  public:
    SelectInput();

    const ControlValue& Value(const FilterControl& control) const;
    // The value must be of the kind the control's default is.
    void Set(const FilterControl& control, ControlValue value);

    bool operator==(const SelectInput&) const = default;

  private:
    std::vector<ControlValue> values_;  // by the control's place in FilterControls()
};

struct ProgramSettings {
    BirthdayInput Birthday;
    SelectInput Select;

    bool operator==(const ProgramSettings&) const = default;
};

// GetProgramFilesDir() + "config.ini".
std::filesystem::path SettingsFilePath();

// The file's bytes: the eight "Birthday" keys, then the "Select" keys in the table's order.
std::string SerializeSettings(const ProgramSettings& settings);

// What the bytes say. A missing key, or a number that is no integer, reads as its default:
// empty texts, index 0, the spin edits 1, unticked boxes, and defaultYear for the year; a box
// is ticked for any nonzero integer.
ProgramSettings ParseSettings(std::string_view bytes, int defaultYear);

// Reads the file, making it and its folders first when they are missing, as the first start
// finds none. A file that cannot be made or read reads as one without keys.
ProgramSettings LoadSettingsFile(const std::filesystem::path& path, int defaultYear);

// Makes the file's folders when they are missing and replaces the whole file in one step, so a
// save that fails leaves the previous file whole.
std::error_code SaveSettingsFile(const std::filesystem::path& path,
                                 const ProgramSettings& settings);

}  // namespace morvenda
