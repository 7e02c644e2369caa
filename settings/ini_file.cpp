#include "settings/ini_file.h"

// The values are GBK bytes that the program converts itself; the library only splits lines.
#define SI_NO_CONVERSION
// The only user of the library: its templates are made here.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <charconv>
#include <string>

#include "base/gbk.h"

namespace morvenda {

// Keeps sections and keys in the order they were added and finds them whatever their case.
struct IniFile::Sections {
    CSimpleIniA data{/*a_bIsUtf8=*/false, /*a_bMultiKey=*/false, /*a_bMultiLine=*/false};
};

IniFile::IniFile() : sections_(std::make_unique<Sections>()) {
    sections_->data.SetSpaces(false);
}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile IniFile::Parse(std::string_view bytes) {
    IniFile file;
    // A line the library cannot make sense of is passed over; what it read stays.
    file.sections_->data.LoadData(bytes.data(), bytes.size());
    return file;
}

std::string IniFile::Serialize() const {
    std::string bytes;
    sections_->data.Save(bytes);
    return bytes;
}

std::optional<std::string> IniFile::Text(std::string_view section, std::string_view key) const {
    const char* value =
        sections_->data.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (value == nullptr) {
        return std::nullopt;
    }
    return gbk::ToUtf8(value);
}

std::optional<int> IniFile::Integer(std::string_view section, std::string_view key) const {
    const std::optional<std::string> text = Text(section, key);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    const char* begin = text->data();
    const char* end = begin + text->size();
    // A sign of its own, as people write it; "+-1" stays no number.
    if (*begin == '+' && end - begin > 1 && begin[1] != '-') {
        ++begin;
    }
    int number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view utf8) {
    const std::string bytes = gbk::FromUtf8(utf8).value_or(std::string());
    sections_->data.SetValue(std::string(section).c_str(), std::string(key).c_str(), bytes.c_str());
}

}  // namespace morvenda
