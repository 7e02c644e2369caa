#include "app/name_tooltip.h"

#include <QFontMetrics>
#include <QToolTip>
#include <algorithm>

#include "app/qt_text.h"
#include "naming/poetry_citation.h"

namespace morvenda {
namespace {

// A citation wider than this wraps; a long sentence of 楚辞 would otherwise cross the screen.
constexpr int WidestLine = 480;

}  // namespace

QString NameCellToolTip(const ResultRow& row) {
    const MarkedText citation = VerseCitation(row.Code);
    if (citation.empty()) {
        return {};
    }
    // Rich text, so that the name's characters stand out in the line. A tooltip sizes rich
    // text to a narrow block of its own choosing, which breaks even a short line of verse, so
    // the text sits in a table as wide as the line needs, up to the widest line.
    QString plain;
    QString marked;
    for (const TextPiece& piece : citation) {
        const QString text = ToQString(piece.Text);
        plain += text;
        marked += piece.Marked ? QStringLiteral("<b><font color=\"#c00000\">%1</font></b>")
                                     .arg(text.toHtmlEscaped())
                               : text.toHtmlEscaped();
    }
    const QFontMetrics metrics(QToolTip::font());
    const int width =
        std::min(metrics.horizontalAdvance(plain) + metrics.averageCharWidth(), WidestLine);
    return QStringLiteral(
               "<table width=\"%1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>%2"
               "</td></tr></table>")
        .arg(width)
        .arg(marked);
}

}  // namespace morvenda
