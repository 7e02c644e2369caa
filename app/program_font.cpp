#include "app/program_font.h"

#include <QStringList>

QFont ProgramFontNamed(std::string_view name) {
    QFont font;
    if (name == "楷体_GB2312") {
        font.setFamilies({QStringLiteral("KaiTi_GB2312"), QStringLiteral("楷体_GB2312"),
                          QStringLiteral("KaiTi"), QStringLiteral("AR PL KaitiM GB"),
                          QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    } else {
        font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                          QStringLiteral("AR PL SungtiL GB"), QStringLiteral("Noto Serif CJK SC"),
                          QStringLiteral("Noto Sans CJK SC")});
    }
    return font;
}

QFont ProgramFont() {
    QFont font = ProgramFontNamed("宋体");
    font.setPointSize(9);
    return font;
}

QFont ProgramFontOfPixelSize(int pixels) {
    QFont font = ProgramFontNamed("宋体");
    font.setPixelSize(pixels);
    return font;
}
