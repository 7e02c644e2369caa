#include "online/source_poem_section.h"

#include "online/site_document.h"

namespace morvenda {

std::string SourcePoemSection(const SourcePoem& poem) {
    std::string html = "<section id=\"source\">\n<h2>出处</h2>\n<p>";
    html += HtmlEscaped(poem.Origin) + " 《" + HtmlEscaped(poem.Title) + "》";
    if (!poem.Author.empty()) {
        html += " " + HtmlEscaped(poem.Author);
    }
    html += "</p>\n<div class=\"poem\">\n";
    for (const MarkedText& sentence : poem.Sentences) {
        html += "<p>";
        for (const TextPiece& piece : sentence) {
            html += piece.Marked ? "<mark>" + HtmlEscaped(piece.Text) + "</mark>"
                                 : HtmlEscaped(piece.Text);
        }
        html += "</p>\n";
    }
    return html + "</div>\n</section>\n";
}

}  // namespace morvenda
