#pragma once
// The settings file's text: sections opened by "[name]" lines and "key=value" lines under them,
// the values stored as GBK bytes. The file may have been edited by hand or copied from another
// machine, so reading accepts any bytes and keeps what it can make sense of.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace morvenda {

class IniFile {
  public:
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // Lines may end in CR LF or in LF; sections and keys are found whatever their case, as
    // the platform's profile files were.
    static IniFile Parse(std::string_view bytes);
    // The sections in the order they were first set, each key in the order it was first set,
    // one "key=value" line each.
    std::string Serialize() const;

    // The value as UTF-8; none for a missing key or bytes that are not GBK.
    std::optional<std::string> Text(std::string_view section, std::string_view key) const;
    // The value as a decimal integer; none for a missing key, any other text, or a number an
    // int cannot hold.
    std::optional<int> Integer(std::string_view section, std::string_view key) const;
    // A text GBK cannot hold is stored as an empty value.
    void Set(std::string_view section, std::string_view key, std::string_view utf8);

  private:
    struct Sections;
    std::unique_ptr<Sections> sections_;
};

}  // namespace morvenda
