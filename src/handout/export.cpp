#include "export.h"

#include <QRegularExpression>

#include "pages.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

// A root line of the roots block: " x(3) = 2.0000".
const QRegularExpression& rootLine() {
    static const QRegularExpression re(QStringLiteral("^ x\\((\\d+)\\) = (\\S+)$"));
    return re;
}

// Text for pdflatex with fontenc T1 and inputenc utf8: the special
// characters escaped, the few symbols the explanations use in math mode,
// and any character those encodings lack as "?", so the document always
// compiles.
QString latexText(const QString& s) {
    QString out;
    out.reserve(s.size() + 8);
    for (QChar c : s) {
        const char16_t u = c.unicode();
        switch (u) {
        case '\\': out += QStringLiteral("\\textbackslash{}"); break;
        case '{': case '}': case '$': case '&': case '#': case '_': case '%':
            out += QLatin1Char('\\');
            out += c;
            break;
        case '^': out += QStringLiteral("\\textasciicircum{}"); break;
        case '~': out += QStringLiteral("\\textasciitilde{}"); break;
        case '<': out += QStringLiteral("\\textless{}"); break;
        case '>': out += QStringLiteral("\\textgreater{}"); break;
        case '|': out += QStringLiteral("\\textbar{}"); break;
        case u'\u00d7': out += QStringLiteral("\\ensuremath{\\times}"); break;
        case u'\u00b7': out += QStringLiteral("\\ensuremath{\\cdot}"); break;
        case u'\u2212': out += QStringLiteral("\\ensuremath{-}"); break;
        case u'\u2190': out += QStringLiteral("\\ensuremath{\\leftarrow}"); break;
        case u'\u2192': out += QStringLiteral("\\ensuremath{\\rightarrow}"); break;
        case u'\u2013': out += QStringLiteral("--"); break;
        case u'\u2014': out += QStringLiteral("---"); break;
        case u'\u03b2': out += QStringLiteral("\\ensuremath{\\beta}"); break;
        case u'\u03b3': out += QStringLiteral("\\ensuremath{\\gamma}"); break;
        case u'\u03b4': out += QStringLiteral("\\ensuremath{\\delta}"); break;
        case u'\u03c9': out += QStringLiteral("\\ensuremath{\\omega}"); break;
        case u'\u03c1': out += QStringLiteral("\\ensuremath{\\rho}"); break;
        case u'\u03ba': out += QStringLiteral("\\ensuremath{\\kappa}"); break;
        case u'\u03bb': out += QStringLiteral("\\ensuremath{\\lambda}"); break;
        case u'\u03a3': out += QStringLiteral("\\ensuremath{\\Sigma}"); break;
        case u'\u00b5': out += QStringLiteral("\\ensuremath{\\mu}"); break;
        case u'\u2016': out += QStringLiteral("\\ensuremath{\\|}"); break;
        case u'\u221e': out += QStringLiteral("\\ensuremath{\\infty}"); break;
        case u'\u221a': out += QStringLiteral("\\ensuremath{\\surd}"); break;
        case u'\u2264': out += QStringLiteral("\\ensuremath{\\leq}"); break;
        case u'\u2265': out += QStringLiteral("\\ensuremath{\\geq}"); break;
        case u'\u2260': out += QStringLiteral("\\ensuremath{\\neq}"); break;
        case u'\u2248': out += QStringLiteral("\\ensuremath{\\approx}"); break;
        case u'\u2026': out += QStringLiteral("\\ldots{}"); break;
        case u'\u207b': out += QStringLiteral("\\ensuremath{^{-}}"); break;
        case u'\u00b9': out += QStringLiteral("\\ensuremath{^{1}}"); break;
        case u'\u00b2': out += QStringLiteral("\\ensuremath{^{2}}"); break;
        case u'\u2076': out += QStringLiteral("\\ensuremath{^{6}}"); break;
        default:
            if (u < 0x20 || (u >= 0x7f && u < 0xc0) || u > 0x17f || c.isSurrogate())
                out += QLatin1Char('?');
            else
                out += c;
        }
    }
    return out;
}

// A number of the listing in math mode: a decimal comma as {,}.
QString latexNumber(const QString& cell) {
    QString s = cell;
    s.replace(QLatin1Char(','), QStringLiteral("{,}"));
    return latexText(s);
}

QString htmlText(const QString& s) { return s.toHtmlEscaped(); }

}  // namespace

ExportKind exportKind(const QString& path) {
    const QString lower = path.toLower();
    if (lower.endsWith(QStringLiteral(".tex"))) return ExportKind::Latex;
    if (lower.endsWith(QStringLiteral(".html")) || lower.endsWith(QStringLiteral(".htm"))) return ExportKind::Html;
    if (lower.endsWith(QStringLiteral(".pdf"))) return ExportKind::Pdf;
    return ExportKind::None;
}

QByteArray latexDocument(const Handout& h, bool bodyOnly) {
    QString body;
    const std::vector<ResultLine>& lines = h.lines;
    bool wide = false;
    for (const ResultLine& l : lines)
        if (l.row && rowCells(l.text).size() > 10) wide = true;
    // amsmath's matrices hold 10 columns unless told otherwise.
    if (wide) body += QStringLiteral("\\setcounter{MaxMatrixCols}{100}\n");
    for (std::size_t i = 0; i < lines.size();) {
        if (lines[i].row) {
            const TableSpan span = tableAt(lines, i);
            std::size_t cols = 0;
            for (std::size_t r = span.first; r < span.end; ++r) cols = std::max(cols, rowCells(lines[r].text).size());
            const bool small = cols > 6;
            body += small ? QStringLiteral("{\\small\n\\[\n\\begin{bmatrix}\n") : QStringLiteral("\\[\n\\begin{bmatrix}\n");
            for (std::size_t r = span.first; r < span.end; ++r) {
                QStringList cells;
                for (const QString& c : rowCells(lines[r].text)) cells << latexNumber(c);
                body += cells.join(QStringLiteral(" & "));
                body += r + 1 < span.end ? QStringLiteral(" \\\\\n") : QStringLiteral("\n");
            }
            body += small ? QStringLiteral("\\end{bmatrix}\n\\]\n}\n") : QStringLiteral("\\end{bmatrix}\n\\]\n");
            i = span.end;
            continue;
        }
        const QString text = QString::fromStdString(lines[i].text);
        if (rootLine().match(text).hasMatch()) {
            body += QStringLiteral("\\begin{align*}\n");
            bool first = true;
            for (; i < lines.size() && !lines[i].row; ++i) {
                const QRegularExpressionMatch m = rootLine().match(QString::fromStdString(lines[i].text));
                if (!m.hasMatch()) break;
                if (!first) body += QStringLiteral(" \\\\\n");
                body += QStringLiteral("x_{%1} &= %2").arg(m.captured(1), latexNumber(m.captured(2)));
                first = false;
            }
            body += QStringLiteral("\n\\end{align*}\n");
            continue;
        }
        if (text.trimmed().isEmpty())
            body += QStringLiteral("\\medskip\n");
        else
            body += QStringLiteral("\\noindent %1\\par\n").arg(latexText(text.trimmed()));
        ++i;
    }
    if (bodyOnly) return body.toUtf8();

    QString doc;
    doc += QStringLiteral("\\documentclass[a4paper,11pt]{article}\n"
                          "\\usepackage[T1]{fontenc}\n"
                          "\\usepackage[utf8]{inputenc}\n"
                          "\\usepackage{amsmath}\n"
                          "\\usepackage[margin=20mm]{geometry}\n"
                          "\\begin{document}\n");
    doc += QStringLiteral("\\noindent\\textbf{%1}\\hfill %2\\par\n\\bigskip\n")
               .arg(latexText(h.heading), latexText(uiFormat(Text::PrintDate, h.date)));
    doc += QStringLiteral("% ") + uiText(Text::ExportBodyBegin) + QLatin1Char('\n');
    doc += body;
    doc += QStringLiteral("% ") + uiText(Text::ExportBodyEnd) + QLatin1Char('\n');
    doc += QStringLiteral("\\end{document}\n");
    return doc.toUtf8();
}

QByteArray htmlDocument(const Handout& h) {
    QString doc;
    const QString lang = language() == Language::English ? QStringLiteral("en") : QStringLiteral("tr");
    doc += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\" xmlns=\"http://www.w3.org/1999/xhtml\">\n<head>\n"
                          "<meta charset=\"utf-8\"/>\n<title>%2</title>\n<style>\n"
                          "body { font-family: sans-serif; }\n"
                          "p { margin: 0; white-space: pre-wrap; }\n"
                          "table.matrix { border-collapse: collapse; margin: 0.3em 0 0.3em 1em; "
                          "border-left: 1px solid black; border-right: 1px solid black; }\n"
                          "table.matrix td { text-align: right; padding: 0 0.6em; font-family: monospace; }\n"
                          "</style>\n</head>\n<body>\n")
               .arg(lang, htmlText(h.heading));
    doc += QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n")
               .arg(htmlText(h.heading), htmlText(uiFormat(Text::PrintDate, h.date)));
    const std::vector<ResultLine>& lines = h.lines;
    for (std::size_t i = 0; i < lines.size();) {
        if (lines[i].row) {
            const TableSpan span = tableAt(lines, i);
            doc += QStringLiteral("<table class=\"matrix\">\n");
            for (std::size_t r = span.first; r < span.end; ++r) {
                doc += QStringLiteral("<tr>");
                for (const QString& c : rowCells(lines[r].text))
                    doc += QStringLiteral("<td align=\"right\">%1</td>").arg(htmlText(c));
                doc += QStringLiteral("</tr>\n");
            }
            doc += QStringLiteral("</table>\n");
            i = span.end;
            continue;
        }
        const QString text = QString::fromStdString(lines[i].text);
        doc += text.trimmed().isEmpty() ? QStringLiteral("<p>&#160;</p>\n")
                                        : QStringLiteral("<p>%1</p>\n").arg(htmlText(text));
        ++i;
    }
    if (h.hasPicture()) {
        const QByteArray png = pictureFile(*h.picture, kLargePicture, false, h.decimal);
        if (!png.isEmpty())
            doc += QStringLiteral("<p><img src=\"data:image/png;base64,%1\" width=\"%2\" height=\"%3\" alt=\"%4\"/></p>\n")
                       .arg(QString::fromLatin1(png.toBase64()))
                       .arg(kLargePicture.width())
                       .arg(kLargePicture.height())
                       .arg(htmlText(uiText(Text::ExportPictureAlt)));
    }
    doc += QStringLiteral("</body>\n</html>\n");
    return doc.toUtf8();
}

QByteArray exportDocument(const Handout& h, ExportKind kind, bool bodyOnly) {
    switch (kind) {
    case ExportKind::Latex: return latexDocument(h, bodyOnly);
    case ExportKind::Html: return htmlDocument(h);
    case ExportKind::Pdf: return handoutPdf(h);
    case ExportKind::None: break;
    }
    return {};
}

}  // namespace lineer::ui
