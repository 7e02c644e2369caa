#include "app/program_font.h"

#include <QStringList>

namespace {

QFont WithFamilies() {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    return font;
}

}  // namespace

QFont ProgramFont() {
    QFont font = WithFamilies();
    font.setPointSize(9);
    return font;
}

QFont ProgramFontOfPixelSize(int pixels) {
    QFont font = WithFamilies();
    font.setPixelSize(pixels);
    return font;
}
