#include "settings/program_settings.h"

#include <array>
#include <cassert>
#include <optional>
#include <utility>
#include <variant>

#include "base/program_files.h"
#include "settings/ini_file.h"

namespace morvenda {
namespace {

constexpr std::string_view BirthdaySection = "Birthday";
constexpr std::string_view SelectSection = "Select";

// The keys of "Birthday" in the order they are written, and the field each one keeps.
struct BirthdayKey {
    std::string_view Key;
    int BirthdayInput::*Field;
};
constexpr std::array<BirthdayKey, 7> BirthdayIndexKeys{{
    {"NameLength", &BirthdayInput::NameLength},
    {"Sex", &BirthdayInput::Sex},
    {"CalendarType", &BirthdayInput::CalendarType},
    {"Year", &BirthdayInput::Year},
    {"Month", &BirthdayInput::Month},
    {"Day", &BirthdayInput::Day},
    {"Hour", &BirthdayInput::Hour},
}};
constexpr std::string_view FirstNameKey = "firstName";

std::size_t PlaceOf(const FilterControl& control) {
    const auto controls = FilterControls();
    assert(&control >= controls.data() && &control < controls.data() + controls.size());
    return static_cast<std::size_t>(&control - controls.data());
}

std::string ValueText(const ControlValue& value) {
    if (const auto* ticked = std::get_if<bool>(&value)) {
        return *ticked ? "1" : "0";
    }
    if (const auto* number = std::get_if<int>(&value)) {
        return std::to_string(*number);
    }
    return std::get<std::string>(value);
}

ControlValue ReadValue(const IniFile& file, const FilterControl& control) {
    const std::string_view key = control.ObjectName;
    if (std::holds_alternative<std::string>(control.Default)) {
        return file.Text(SelectSection, key).value_or(std::string());
    }
    const std::optional<int> number = file.Integer(SelectSection, key);
    if (!number) {
        return control.Default;
    }
    if (std::holds_alternative<bool>(control.Default)) {
        return *number != 0;
    }
    return *number;
}

}  // namespace

SelectInput::SelectInput() {
    for (const FilterControl& control : FilterControls()) {
        values_.push_back(control.Default);
    }
}

const ControlValue& SelectInput::Value(const FilterControl& control) const {
    return values_[PlaceOf(control)];
}

void SelectInput::Set(const FilterControl& control, ControlValue value) {
    assert(value.index() == control.Default.index());
    values_[PlaceOf(control)] = std::move(value);
}

std::filesystem::path SettingsFilePath() {
    return GetProgramFilesDir() / "config.ini";
}

std::string SerializeSettings(const ProgramSettings& settings) {
    IniFile file;
    file.Set(BirthdaySection, FirstNameKey, settings.Birthday.FirstName);
    for (const BirthdayKey& key : BirthdayIndexKeys) {
        file.Set(BirthdaySection, key.Key, std::to_string(settings.Birthday.*key.Field));
    }
    for (const FilterControl& control : FilterControls()) {
        if (IsSavedInSettings(control)) {
            file.Set(SelectSection, control.ObjectName, ValueText(settings.Select.Value(control)));
        }
    }
    return file.Serialize();
}

ProgramSettings ParseSettings(std::string_view bytes, int defaultYear) {
    const IniFile file = IniFile::Parse(bytes);
    ProgramSettings settings;
    settings.Birthday.FirstName = file.Text(BirthdaySection, FirstNameKey).value_or("");
    settings.Birthday.Year = defaultYear;
    for (const BirthdayKey& key : BirthdayIndexKeys) {
        if (const std::optional<int> number = file.Integer(BirthdaySection, key.Key)) {
            settings.Birthday.*key.Field = *number;
        }
    }
    for (const FilterControl& control : FilterControls()) {
        if (IsSavedInSettings(control)) {
            settings.Select.Set(control, ReadValue(file, control));
        }
    }
    return settings;
}

ProgramSettings LoadSettingsFile(const std::filesystem::path& path, int defaultYear) {
    std::string bytes;
    if (EnsureFileExists(path) || ReadWholeFile(path, bytes)) {
        bytes.clear();
    }
    return ParseSettings(bytes, defaultYear);
}

std::error_code SaveSettingsFile(const std::filesystem::path& path,
                                 const ProgramSettings& settings) {
    // The folders may have gone since the start.
    if (std::error_code error = EnsureFileExists(path)) {
        return error;
    }
    return WriteFileAtomically(path, SerializeSettings(settings));
}

}  // namespace morvenda
