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

// A matrix of the listing; a system's with the bar before b.
void appendTable(std::string& doc, std::span<const ResultLine> lines, TableSpan span) {
    std::size_t cols = 0;
    for (std::size_t r = span.first; r < span.end; ++r) cols = std::max(cols, lines[r].cells.size());
    const bool augmented = cols == span.end - span.first + 1;
    doc += "<table class=\"matrix\">\n";
    for (std::size_t r = span.first; r < span.end; ++r) {
        doc += "<tr>";
        for (std::size_t k = 0; k < lines[r].cells.size(); ++k) {
            doc += augmented && k + 1 == cols ? "<td align=\"right\" class=\"bar\">" : "<td align=\"right\">";
            appendHtml(doc, lines[r].cell(k));
            doc += "</td>";
        }
        doc += "</tr>\n";
    }
    doc += "</table>\n";
}

// Thomas's bands, the comparison, the sweeps: a table with its heading
// row, words to the left and numbers to the right.
void appendWordTable(std::string& doc, std::span<const ResultLine> lines, std::size_t first, std::size_t end) {
    doc += "<table class=\"table\">\n";
    for (std::size_t r = first; r < end; ++r) {
        const bool head = lines[r].kind == LineKind::TableHead;
        doc += "<tr>";
        for (std::size_t k = 0; k < lines[r].cells.size(); ++k) {
            const std::string_view cell = lines[r].cell(k);
            const bool number = std::all_of(cell.begin(), cell.end(), [](char c) {
                return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-' || c == '+' || c == 'E';
            });
            doc += head ? "<th>" : number ? "<td class=\"n\">" : "<td>";
            appendHtml(doc, cell);
            doc += head ? "</th>" : "</td>";
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
           "table.matrix td { text-align: right; padding: 0 0.6em; font-family: monospace; }\n"
           "table.matrix td.bar { border-left: 1px solid black; }\n"
           "table.table { border-collapse: collapse; margin: 0.3em 0 0.3em 1em; }\n"
           "table.table th { text-align: left; padding: 0 0.6em; border-bottom: 1px solid black; "
           "white-space: nowrap; }\n"
           "table.table td { padding: 0 0.6em; }\n"
           "table.table td.n { text-align: right; font-family: monospace; }\n";
    if (std::any_of(d.lines.begin(), d.lines.end(), [](const ResultLine& l) { return l.kind == LineKind::Remark; }))
        doc += "p.remark { margin: 0.5em 0; padding: 0.3em 0.6em; border-left: 4px solid #c08000; "
               "background: #fff4d6; }\n";
    doc += "</style>\n</head>\n<body>\n";
    doc += "<h1>" + heading + "</h1>\n<p>" + htmlText(format(Text::PrintDate, d.date)) + "</p>\n";
    for (std::size_t i = 0; i < d.lines.size();) {
        const ResultLine& line = d.lines[i];
        if (numberTableRow(line) && line.kind == LineKind::MatrixRow) {
            const TableSpan span = tableAt(d.lines, i);
            appendTable(doc, d.lines, span);
            i = span.end;
            continue;
        }
        if ((line.kind == LineKind::TableHead || line.kind == LineKind::TableRow) && !line.cells.empty()) {
            std::size_t end = i + 1;
            while (end < d.lines.size() && d.lines[end].kind == LineKind::TableRow && !d.lines[end].cells.empty() &&
                   d.lines[end].part == line.part)
                ++end;
            appendWordTable(doc, d.lines, i, end);
            i = end;
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
