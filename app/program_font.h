#pragma once
// The window's font: 宋体 where it is installed, else a Song-style CJK face, else a sans CJK
// face, so that no Chinese character is drawn as an empty box.

#include <QFont>

// 9 points, the size of every control unless it says otherwise.
QFont ProgramFont();
QFont ProgramFontOfPixelSize(int pixels);
