#include "exporter.h"

#include <algorithm>

namespace lineer::exporting {

namespace {

bool endsWith(std::string_view path, std::string_view suffix) {
    if (path.size() < suffix.size()) return false;
    const std::string_view tail = path.substr(path.size() - suffix.size());
    // ASCII only: the letters of the extensions have no other capitals.
    return std::equal(tail.begin(), tail.end(), suffix.begin(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

bool numberTableRow(const ResultLine& line) {
    return line.part == LinePart::Method && (line.kind == LineKind::MatrixRow || line.kind == LineKind::TableRow);
}

TableSpan tableAt(std::span<const ResultLine> lines, std::size_t first) {
    std::size_t end = first;
    while (end < lines.size() && numberTableRow(lines[end])) ++end;
    return {first, end};
}

ExportKind exportKind(std::string_view path) {
    if (endsWith(path, ".tex")) return ExportKind::Latex;
    if (endsWith(path, ".html") || endsWith(path, ".htm")) return ExportKind::Html;
    if (endsWith(path, ".pdf")) return ExportKind::Pdf;
    return ExportKind::None;
}

std::string exportText(ExportKind kind, const Document& d, bool bodyOnly) {
    switch (kind) {
        case ExportKind::Latex: return latexDocument(d, bodyOnly);
        case ExportKind::Html: return htmlDocument(d);
        case ExportKind::Pdf:
        case ExportKind::None: break;
    }
    return {};
}

}  // namespace lineer::exporting
