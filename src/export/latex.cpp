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

// A number of the listing in math mode. The decimal comma is first braced,
// {,}, and the braces are then escaped as any text's: the document shows
// them. Kept as it is until the tables are reworked.
void appendLatexNumber(std::string& out, std::string_view cell) {
    std::string s;
    for (char c : cell) s.append(c == ',' ? std::string_view("{,}") : std::string_view(&c, 1));
    appendLatex(out, s);
}

std::size_t widestRow(std::span<const ResultLine> lines, TableSpan span) {
    std::size_t cols = 0;
    for (std::size_t r = span.first; r < span.end; ++r) cols = std::max(cols, lines[r].cells.size());
    return cols;
}

void appendTable(std::string& body, std::span<const ResultLine> lines, TableSpan span) {
    const bool small = widestRow(lines, span) > 6;
    body += small ? "{\\small\n\\[\n\\begin{bmatrix}\n" : "\\[\n\\begin{bmatrix}\n";
    for (std::size_t r = span.first; r < span.end; ++r) {
        const ResultLine& row = lines[r];
        for (std::size_t k = 0; k < row.cells.size(); ++k) {
            if (k > 0) body += " & ";
            appendLatexNumber(body, row.cell(k));
        }
        body += r + 1 < span.end ? " \\\\\n" : "\n";
    }
    body += small ? "\\end{bmatrix}\n\\]\n}\n" : "\\end{bmatrix}\n\\]\n";
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

std::string latexBody(std::span<const ResultLine> lines) {
    std::string body;
    // amsmath's matrices hold 10 columns unless told otherwise.
    if (std::any_of(lines.begin(), lines.end(),
                    [](const ResultLine& l) { return numberTableRow(l) && l.cells.size() > 10; }))
        body += "\\setcounter{MaxMatrixCols}{100}\n";
    for (std::size_t i = 0; i < lines.size();) {
        if (numberTableRow(lines[i])) {
            const TableSpan span = tableAt(lines, i);
            appendTable(body, lines, span);
            i = span.end;
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
