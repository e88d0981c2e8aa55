// The LaTeX export.

#include <algorithm>

#include "exporter.h"
#include "numformat.h"
#include "texts.h"
#include "utf8text.h"

namespace lineer::exporting {

namespace {

// The LaTeX of the characters that are not written as they are.
std::string_view latexOf(char32_t c) {
    switch (c) {
        case '\\': return "\\textbackslash{}";
        case '{': return "\\{";
        case '}': return "\\}";
        case '$': return "\\$";
        case '&': return "\\&";
        case '#': return "\\#";
        case '_': return "\\_";
        case '%': return "\\%";
        case '^': return "\\textasciicircum{}";
        case '~': return "\\textasciitilde{}";
        case '<': return "\\textless{}";
        case '>': return "\\textgreater{}";
        case '|': return "\\textbar{}";
        case U'\u00d7': return "\\ensuremath{\\times}";
        case U'\u00b7': return "\\ensuremath{\\cdot}";
        case U'\u2212': return "\\ensuremath{-}";
        case U'\u2190': return "\\ensuremath{\\leftarrow}";
        case U'\u2192': return "\\ensuremath{\\rightarrow}";
        case U'\u2013': return "--";
        case U'\u2014': return "---";
        case U'\u03b2': return "\\ensuremath{\\beta}";
        case U'\u03b3': return "\\ensuremath{\\gamma}";
        case U'\u03b4': return "\\ensuremath{\\delta}";
        case U'\u03c9': return "\\ensuremath{\\omega}";
        case U'\u03c1': return "\\ensuremath{\\rho}";
        case U'\u03ba': return "\\ensuremath{\\kappa}";
        case U'\u03bb': return "\\ensuremath{\\lambda}";
        case U'\u03a3': return "\\ensuremath{\\Sigma}";
        case U'\u00b5': return "\\ensuremath{\\mu}";
        case U'\u2016': return "\\ensuremath{\\|}";
        case U'\u221e': return "\\ensuremath{\\infty}";
        case U'\u221a': return "\\ensuremath{\\surd}";
        case U'\u2264': return "\\ensuremath{\\leq}";
        case U'\u2265': return "\\ensuremath{\\geq}";
        case U'\u2260': return "\\ensuremath{\\neq}";
        case U'\u2248': return "\\ensuremath{\\approx}";
        case U'\u2026': return "\\ldots{}";
        case U'\u207b': return "\\ensuremath{^{-}}";
        case U'\u00b9': return "\\ensuremath{^{1}}";
        case U'\u00b2': return "\\ensuremath{^{2}}";
        case U'\u2076': return "\\ensuremath{^{6}}";
        case U'\u1d40': return "\\ensuremath{^{T}}";
        default: return {};
    }
}

// Text for pdflatex with fontenc T1 and inputenc utf8: the special
// characters escaped, the few symbols the explanations use in math mode,
// and any character those encodings lack as "?" (one for each UTF-16 unit,
// so two beyond U+FFFF), so the document always compiles.
void appendLatex(std::string& out, std::string_view s) {
    for (std::size_t at = 0; at < s.size();) {
        const char32_t c = nextCodePoint(s, at);
        if (const std::string_view special = latexOf(c); !special.empty())
            out.append(special);
        else if (c > 0xFFFF)
            out.append("??");
        else if (c < 0x20 || (c >= 0x7f && c < 0xc0) || c > 0x17f)
            out.push_back('?');
        else
            appendUtf8(out, c);
    }
}

std::string latexText(std::string_view s) {
    std::string out;
    appendLatex(out, s);
    return out;
}

// A number of the listing in math mode: a decimal comma braced, {,}, so
// that it is not taken for punctuation and followed by a space.
void appendLatexNumber(std::string& out, std::string_view cell) {
    for (std::size_t at = 0; at < cell.size();) {
        const std::size_t comma = cell.find(',', at);
        appendLatex(out, cell.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
        if (comma == std::string_view::npos) break;
        out += "{,}";
        at = comma + 1;
    }
}

// A table's columns in blocks that fit the page, as the printed pages set
// them: so many columns at most, of numbers or of words.
constexpr std::size_t kNumberColumns = 8;
constexpr std::size_t kWordColumns = 5;
// A matrix with more rows than this may break across pages.
constexpr std::size_t kRowsOnAPage = 25;

std::size_t widestRow(std::span<const ResultLine> lines, TableSpan span) {
    std::size_t cols = 0;
    for (std::size_t r = span.first; r < span.end; ++r) cols = std::max(cols, lines[r].cells.size());
    return cols;
}

// Whether a cell reads as a number or "--": set to the right.
bool numeric(std::string_view cell) {
    return std::all_of(cell.begin(), cell.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-' || c == '+' || c == 'E';
    });
}

// The rows of a table as cells; the key column (row numbers, or the
// table's first column) stands in every block of columns.
struct Cells {
    std::vector<std::string> head;  // empty: no heading row
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> keys;  // one per row; empty: none
    std::size_t bar = 0;             // a bar before this column (from 1); 0: none
};

// One LaTeX cell: a number in math mode, words as text.
std::string latexCell(std::string_view cell) {
    std::string out;
    if (cell.empty() || !numeric(cell)) {
        appendLatex(out, cell);
        return out;
    }
    out += '$';
    appendLatexNumber(out, cell);
    out += '$';
    return out;
}

// A longtable per block of columns, its heading repeated on every page.
void appendLongTable(std::string& body, const Cells& t) {
    std::size_t cols = 0;
    for (const auto& r : t.rows) cols = std::max(cols, r.size());
    std::vector<bool> right(cols, true);
    for (const auto& r : t.rows)
        for (std::size_t k = 0; k < r.size(); ++k) right[k] = right[k] && numeric(r[k]);
    const bool words = std::find(right.begin(), right.end(), false) != right.end();
    const std::size_t per = words ? kWordColumns : kNumberColumns;
    const bool keyWords = !t.keys.empty() && !std::all_of(t.keys.begin(), t.keys.end(), [](const std::string& k) {
        return numeric(k);
    });
    for (std::size_t from = 0; from < cols || from == 0; from += per) {
        const std::size_t to = std::min(cols, from + per);
        body += "{\\small\n\\begin{longtable}{@{}";
        if (!t.keys.empty()) body += keyWords ? ">{\\raggedright\\arraybackslash}p{4.2cm}" : "r";
        if (!t.keys.empty()) body += "|";
        for (std::size_t k = from; k < to; ++k) {
            if (t.bar > 0 && k + 1 == t.bar && k > from) body += "|";
            body += right[k] ? "r" : "l";
        }
        body += "@{}}\n";
        if (!t.head.empty()) {
            bool first = true;
            const auto cell = [&](std::string_view c) {
                if (!first) body += " & ";
                first = false;
                body += latexCell(c);
            };
            if (!t.keys.empty()) cell(t.head.empty() ? std::string_view() : std::string_view(t.head[0]));
            const std::size_t offset = t.keys.empty() ? 0 : 1;
            for (std::size_t k = from; k < to; ++k) cell(k + offset < t.head.size() ? t.head[k + offset] : "");
            body += " \\\\\n\\hline\n\\endhead\n";
        }
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            bool first = true;
            if (!t.keys.empty()) {
                body += latexCell(t.keys[r]);
                first = false;
            }
            for (std::size_t k = from; k < to; ++k) {
                if (!first) body += " & ";
                first = false;
                if (k < t.rows[r].size()) body += latexCell(t.rows[r][k]);
            }
            body += " \\\\\n";
        }
        body += "\\end{longtable}\n}\n";
        if (to >= cols) break;
    }
}

// A matrix of the listing: in brackets, the bar before b when it is a
// system's; one too wide or too long for a page in blocks of columns, each
// with the row numbers, that break across pages.
void appendMatrix(std::string& body, std::span<const ResultLine> lines, TableSpan span) {
    const std::size_t cols = widestRow(lines, span);
    const std::size_t rows = span.end - span.first;
    const std::size_t bar = cols == rows + 1 ? cols : 0;
    if (cols > kNumberColumns || rows > kRowsOnAPage) {
        Cells t;
        t.bar = bar;
        t.head.emplace_back();
        for (std::size_t j = 1; j <= cols; ++j) t.head.push_back(intText(static_cast<long long>(j)));
        for (std::size_t r = span.first; r < span.end; ++r) {
            t.keys.push_back(intText(static_cast<long long>(r - span.first + 1)));
            std::vector<std::string> row;
            for (std::size_t k = 0; k < lines[r].cells.size(); ++k) row.emplace_back(lines[r].cell(k));
            t.rows.push_back(std::move(row));
        }
        appendLongTable(body, t);
        return;
    }
    body += "\\[\n";
    if (bar > 0)
        body += "\\left[\\begin{array}{" + std::string(bar - 1, 'r') + "|r}\n";
    else
        body += "\\begin{bmatrix}\n";
    for (std::size_t r = span.first; r < span.end; ++r) {
        const ResultLine& row = lines[r];
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            if (k > 0) body += " & ";
            appendLatexNumber(body, row.cell(k));
        }
        body += r + 1 < span.end ? " \\\\\n" : "\n";
    }
    body += bar > 0 ? "\\end{array}\\right]\n\\]\n" : "\\end{bmatrix}\n\\]\n";
}

// Thomas's bands, the comparison, the sweeps: a table with its heading.
// Thomas's table has none in the list; its columns are the bands.
void appendTable(std::string& body, std::span<const ResultLine> lines, std::size_t first, std::size_t end) {
    Cells t;
    const bool bands = lines[first].kind == LineKind::TableRow && lines[first].part == LinePart::Method;
    std::size_t r = first;
    if (lines[r].kind == LineKind::TableHead) {
        for (std::size_t k = 0; k < lines[r].cells.size(); ++k) t.head.emplace_back(lines[r].cell(k));
        ++r;
    } else if (bands) {
        t.head = {"a", "b", "c", "d"};
    }
    const bool keyed = !bands;
    for (; r < end; ++r) {
        std::vector<std::string> row;
        for (std::size_t k = 0; k < lines[r].cells.size(); ++k) row.emplace_back(lines[r].cell(k));
        if (keyed && !row.empty()) {
            t.keys.push_back(row.front());
            row.erase(row.begin());
        }
        t.rows.push_back(std::move(row));
    }
    if (keyed && t.keys.empty()) t.keys.emplace_back();
    appendLongTable(body, t);
}

// The roots from `i` on, as one align* block; returns the line after them.
std::size_t appendRoots(std::string& body, std::span<const ResultLine> lines, std::size_t i) {
    body += "\\begin{align*}\n";
    for (bool first = true; i < lines.size() && lines[i].kind == LineKind::Root; ++i, first = false) {
        if (!first) body += " \\\\\n";
        body += "x_{";
        body += intText(lines[i].index);
        body += "} &= ";
        appendLatexNumber(body, lines[i].cell(0));
    }
    body += "\n\\end{align*}\n";
    return i;
}

// The first line of a table that is not a matrix: a heading with cells, or
// a row with cells.
bool tableLine(const ResultLine& l) {
    return (l.kind == LineKind::TableHead || l.kind == LineKind::TableRow) && !l.cells.empty();
}

std::string latexBody(std::span<const ResultLine> lines) {
    std::string body;
    for (std::size_t i = 0; i < lines.size();) {
        if (numberTableRow(lines[i]) && lines[i].kind == LineKind::MatrixRow) {
            const TableSpan span = tableAt(lines, i);
            appendMatrix(body, lines, span);
            i = span.end;
            continue;
        }
        if (tableLine(lines[i])) {
            std::size_t end = i + 1;
            while (end < lines.size() && lines[end].kind == LineKind::TableRow && !lines[end].cells.empty() &&
                   lines[end].part == lines[i].part)
                ++end;
            appendTable(body, lines, i, end);
            i = end;
            continue;
        }
        if (lines[i].kind == LineKind::Root) {
            i = appendRoots(body, lines, i);
            continue;
        }
        // A line of nothing but spaces reads as a blank one.
        const std::string_view text = trimmed(withoutBom(lines[i].text));
        if (lines[i].kind == LineKind::Blank || text.empty()) {
            body += "\\medskip\n";
        } else if (lines[i].kind == LineKind::Remark) {
            // A remark stands apart from the transcript, in a frame.
            body += "\\medskip\n\\noindent\\fbox{\\parbox{\\dimexpr\\linewidth-2\\fboxsep-2\\fboxrule\\relax}{";
            appendLatex(body, text);
            body += "}}\\par\n";
        } else {
            body += "\\noindent ";
            appendLatex(body, text);
            body += "\\par\n";
        }
        ++i;
    }
    return body;
}

}  // namespace

std::string latexDocument(const Document& d, bool bodyOnly) {
    std::string body = latexBody(d.lines);
    if (bodyOnly) return body;

    std::string doc =
        "\\documentclass[a4paper,11pt]{article}\n"
        "\\usepackage[T1]{fontenc}\n"
        "\\usepackage[utf8]{inputenc}\n"
        "\\usepackage{amsmath}\n"
        "\\usepackage{array}\n"
        "\\usepackage{longtable}\n"
        "\\usepackage[margin=20mm]{geometry}\n"
        "\\begin{document}\n";
    doc += "\\noindent\\textbf{" + latexText(d.heading) + "}\\hfill " + latexText(format(Text::PrintDate, d.date)) +
           "\\par\n\\bigskip\n";
    doc += "% ";
    doc += text(Text::ExportBodyBegin);
    doc += '\n';
    doc += body;
    doc += "% ";
    doc += text(Text::ExportBodyEnd);
    doc += '\n';
    doc += "\\end{document}\n";
    return doc;
}

}  // namespace lineer::exporting
