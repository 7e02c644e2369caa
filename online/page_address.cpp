#include "online/page_address.h"

#include <string_view>

#include "calendar/almanac.h"
#include "naming/family_name.h"
#include "online/site_addresses.h"

namespace morvenda {
namespace {

bool ChangesAddressStructure(unsigned char c) {
    constexpr std::string_view Structural = "&#%+=?";
    return c < 0x20 || c == 0x7F || Structural.find(static_cast<char>(c)) != std::string_view::npos;
}

// The text with every occurrence of part taken out, scanning left to right without looking again
// at what the removal joins.
std::string WithoutEvery(std::string_view text, std::string_view part) {
    if (part.empty()) {
        return std::string(text);
    }
    std::string rest;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part)) {
        rest += text.substr(0, at);
        text.remove_prefix(at + part.size());
    }
    rest += text;
    return rest;
}

std::string FamilyOriginTail(std::string_view familyText) {
    // The trimmed text decides; the text as typed is what the page is asked about.
    if (ReadFamilyName(familyText).Text.empty()) {
        return "#body";
    }
    return "&act=ok&xing=" + AddressText(familyText) + "#body";
}

}  // namespace

std::string AddressText(std::string_view text) {
    constexpr std::string_view Hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        if (ChangesAddressStructure(c)) {
            out += '%';
            out += Hex[c >> 4];
            out += Hex[c & 0x0F];
        } else {
            out += byte;
        }
    }
    return out;
}

int StarSignNumberOf(std::string_view caption) {
    return StarSignNumber(caption) + 1;
}

std::string OnlineNameTestAddress(const ResultRow& row, std::string_view sex,
                                  const BirthFields& birth, std::string_view dest) {
    const std::string& xing = row.Fields[15];
    const std::string ming = WithoutEvery(row.Fields[0], xing);
    std::string address(FortuneBase);
    address += "QimingTest.asp?";
    address += "xing=" + AddressText(xing);
    address += "&ming=" + AddressText(ming);
    address += "&xingbie=" + AddressText(sex);
    address += "&xuexing=A";
    address += "&nian=" + std::to_string(birth.BirthYear);
    address += "&yue=" + std::to_string(birth.BirthMonth);
    address += "&ri=" + std::to_string(birth.BirthDay);
    address += "&hh=" + std::to_string(birth.BirthHour);
    address += "&mm=30";
    address += "&ver=" + std::string(ProgramVersion);
    address += "&dest=" + std::string(dest);
    return address;
}

std::optional<std::string> PageAddress(const OnlinePage& page, const PageContext& context) {
    std::string address(BaseAddress(page.Base));
    address += page.Path;
    switch (page.Kind) {
        case PageKind::Fixed:
            break;
        case PageKind::FamilyOrigin:
            address += FamilyOriginTail(context.FamilyText);
            break;
        case PageKind::Forecast:
            address += "?type=" + std::string(ForecastPeriods.at(page.Tag - 1));
            address += "&xz=" + std::to_string(StarSignNumberOf(context.StarSign));
            break;
        case PageKind::StarSign:
            address += "&astro=" + AddressText(page.Caption);
            break;
        case PageKind::ShownStarSign:
            address += "&astro=" + AddressText(context.StarSign);
            break;
        case PageKind::ShownZodiac:
            address += "&sx=" + AddressText(context.Zodiac);
            address += "&astro_year=" + std::to_string(context.CurrentYear);
            break;
        case PageKind::NameTest:
            if (!context.Row) {
                return std::nullopt;
            }
            return OnlineNameTestAddress(*context.Row, context.Sex, context.Birth, page.Dest);
        case PageKind::Release:
            address += ProgramVersion;
            break;
    }
    return address;
}

}  // namespace morvenda
