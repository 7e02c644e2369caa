#pragma once
// The program's fonts. The program names them as a Chinese Windows machine does ("宋体",
// "楷体_GB2312"); each name stands for a list of families, the first installed one drawing:
// the Windows face itself, then the GB fonts Debian packages (AR PL), then a Noto CJK face, so
// that no Chinese character is drawn as an empty box.

#include <QFont>
#include <string_view>

// The families behind a program font name; any name but "楷体_GB2312" is 宋体.
QFont ProgramFontNamed(std::string_view name);

// 宋体 at 9 points, the size of every control unless it says otherwise.
QFont ProgramFont();
QFont ProgramFontOfPixelSize(int pixels);
