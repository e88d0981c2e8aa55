// The HTML export.

#include <algorithm>

#include "exporter.h"
#include "languages.h"
#include "numformat.h"
#include "texts.h"
#include "utf8text.h"

namespace lineer::exporting {

namespace {

void appendHtml(std::string& out, std::string_view s) {
    for (std::size_t at = 0; at < s.size();) {
        const char32_t c = nextCodePoint(s, at);
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: appendUtf8(out, c);
        }
    }
}

std::string htmlText(std::string_view s) {
    std::string out;
    appendHtml(out, s);
    return out;
}

void appendTable(std::string& doc, std::span<const ResultLine> lines, TableSpan span) {
    doc += "<table class=\"matrix\">\n";
    for (std::size_t r = span.first; r < span.end; ++r) {
        doc += "<tr>";
        for (std::size_t k = 0; k < lines[r].cells.size(); ++k) {
            doc += "<td align=\"right\">";
            appendHtml(doc, lines[r].cell(k));
            doc += "</td>";
        }
        doc += "</tr>\n";
    }
    doc += "</table>\n";
}

}  // namespace

std::string htmlDocument(const Document& d) {
    const std::string heading = htmlText(d.heading);
    std::string doc = "<!DOCTYPE html>\n<html lang=\"";
    doc += languageRow(language()).code;
    doc += "\" xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" + heading +
           "</title>\n<style>\n"
           "body { font-family: sans-serif; }\n"
           "p { margin: 0; white-space: pre-wrap; }\n"
           "table.matrix { border-collapse: collapse; margin: 0.3em 0 0.3em 1em; "
           "border-left: 1px solid black; border-right: 1px solid black; }\n"
           "table.matrix td { text-align: right; padding: 0 0.6em; font-family: monospace; }\n";
    if (std::any_of(d.lines.begin(), d.lines.end(), [](const ResultLine& l) { return l.kind == LineKind::Remark; }))
        doc += "p.remark { margin: 0.5em 0; padding: 0.3em 0.6em; border-left: 4px solid #c08000; "
               "background: #fff4d6; }\n";
    doc += "</style>\n</head>\n<body>\n";
    doc += "<h1>" + heading + "</h1>\n<p>" + htmlText(format(Text::PrintDate, d.date)) + "</p>\n";
    for (std::size_t i = 0; i < d.lines.size();) {
        const ResultLine& line = d.lines[i];
        if (numberTableRow(line)) {
            const TableSpan span = tableAt(d.lines, i);
            appendTable(doc, d.lines, span);
            i = span.end;
            continue;
        }
        const std::string_view text = withoutBom(line.text);
        if (line.kind == LineKind::Blank || trimmed(text).empty()) {
            doc += "<p>&#160;</p>\n";
        } else if (line.kind == LineKind::Remark) {
            doc += "<p class=\"remark\">";
            appendHtml(doc, text);
            doc += "</p>\n";
        } else {
            doc += "<p>";
            appendHtml(doc, text);
            doc += "</p>\n";
        }
        ++i;
    }
    if (!d.png.empty()) {
        doc += "<p><img src=\"data:image/png;base64," + base64(d.png) + "\" width=\"" + intText(kLargePictureWidth) +
               "\" height=\"" + intText(kLargePictureHeight) + "\" alt=\"" + htmlText(text(Text::ExportPictureAlt)) +
               "\"/></p>\n";
    }
    doc += "</body>\n</html>\n";
    return doc;
}

}  // namespace lineer::exporting
