// The export of the results list: every line says what it is, and the
// LaTeX and HTML documents are made from the kinds, as teachers have them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exporter.h"
#include "numformat.h"
#include "testhost.h"
#include "utf8text.h"

namespace lineer::test {
namespace {

using exporting::Document;

std::string example(const char* name) { return std::string(LINEER_EXAMPLES) + "/" + name; }

// Where a row's cells stand must be where its text has them: in order,
// inside the text, nothing but spaces around them.
void expectCellsInPlace(const ResultLine& l) {
    std::size_t at = 0;
    for (const CellSpan& c : l.cells) {
        ASSERT_LE(at, c.begin) << l.text;
        ASSERT_LT(c.begin, c.end) << l.text;
        ASSERT_LE(c.end, l.text.size()) << l.text;
        EXPECT_EQ(l.text.find_first_not_of(' ', at), c.begin) << l.text;
        at = c.end;
    }
    if (!l.cells.empty()) {
        EXPECT_EQ(l.text.find_first_not_of(' ', at), std::string::npos) << l.text;
    }
}

TEST(LineKinds, EveryLineOfEveryMethodSaysWhatItIs) {
    const char* files[] = {"uc-denklem.txt", "kosegen-baskin.txt", "sifir-pivot.txt", "ucgen-bantli.txt",
                           "jacobi-iraksak.txt"};
    for (const char* file : files)
        for (int option = 0; option < kAllOptionCount; ++option)
            for (int switches = 0; switches < 8; ++switches) {
                SCOPED_TRACE(std::string(file) + ", option " + std::to_string(option) + ", switches " +
                             std::to_string(switches));
                TestHost h;
                h.steps = switches & 1;
                h.analysis = switches & 2;
                h.w = "1.2";
                Session s(h);
                ASSERT_TRUE(s.loadFile(example(file)));
                h.selected = static_cast<Option>(option);
                if (switches & 4) s.compare(h.request());
                s.hesapla(h.request());
                int nextRoot = 1;
                for (const ResultLine& l : h.results) {
                    EXPECT_EQ(l.kind == LineKind::Blank, l.text == " ") << l.text;
                    EXPECT_TRUE(l.part != LinePart::Steps || h.steps) << l.text;
                    EXPECT_TRUE(l.part != LinePart::Analysis || h.analysis) << l.text;
                    EXPECT_TRUE(l.part != LinePart::Comparison || (switches & 4)) << l.text;
                    EXPECT_EQ(l.isRow() || l.kind == LineKind::Root, !l.cells.empty()) << l.text;
                    if (l.isRow()) expectCellsInPlace(l);
                    if (l.kind == LineKind::MatrixRow) {
                        for (std::size_t k = 0; k < l.cells.size(); ++k) {
                            EXPECT_EQ(l.cell(k).find(' '), std::string_view::npos) << l.text;
                        }
                    }
                    if (l.kind != LineKind::Root) {
                        nextRoot = 1;
                        continue;
                    }
                    // The roots of a block in order, each the value it shows.
                    EXPECT_EQ(l.index, nextRoot++);
                    EXPECT_EQ(l.text, " x(" + intText(l.index) + ") = " + std::string(l.cell(0)));
                }
            }
}

// Whole documents as the export writes them: a change here changes every
// handout made from now on.
const char* const kGaussLatex = R"tex(\documentclass[a4paper,11pt]{article}
\usepackage[T1]{fontenc}
\usepackage[utf8]{inputenc}
\usepackage{amsmath}
\usepackage{array}
\usepackage{longtable}
\usepackage[margin=20mm]{geometry}
\begin{document}
\noindent\textbf{uc-denklem.txt --- Gauss Eliminasyon yöntemi}\hfill Tarih: 2025-12-06\par
\bigskip
% Kendi belgenize yapıştırılacak kısım burada başlar (amsmath, array ve longtable paketlerini ister).
\noindent Katsayılar matrisi\par
\medskip
\[
\left[\begin{array}{rrr|r}
2{,}0000 & 1{,}0000 & -1{,}0000 & 8{,}0000 \\
-3{,}0000 & -1{,}0000 & 2{,}0000 & -11{,}0000 \\
-2{,}0000 & 1{,}0000 & 2{,}0000 & -3{,}0000
\end{array}\right]
\]
\medskip
\noindent Adımlar\par
\noindent 2. satır \ensuremath{\leftarrow} 2. satır \ensuremath{-} (-1,5000) \ensuremath{\times} 1. satır\par
\noindent 3. satır \ensuremath{\leftarrow} 3. satır \ensuremath{-} (-1,0000) \ensuremath{\times} 1. satır\par
\noindent 3. satır \ensuremath{\leftarrow} 3. satır \ensuremath{-} 4,0000 \ensuremath{\times} 2. satır\par
\medskip
\noindent Üst-üçgenselleştirilmiş matris\par
\medskip
\[
\left[\begin{array}{rrr|r}
2{,}0000 & 1{,}0000 & -1{,}0000 & 8{,}0000 \\
0. & 0{,}5000 & 0{,}5000 & 1{,}0000 \\
0. & 0. & -1{,}0000 & 1{,}0000
\end{array}\right]
\]
\medskip
\noindent Adımlar\par
\noindent x(3) = 1,0000 / (-1,0000) = -1,0000\par
\noindent x(2) = (1,0000 \ensuremath{-} 0,5000 \ensuremath{\times} (-1,0000)) / 0,5000 = 3,0000\par
\noindent x(1) = (8,0000 \ensuremath{-} 1,0000 \ensuremath{\times} 3,0000 \ensuremath{-} (-1,0000) \ensuremath{\times} (-1,0000)) / 2,0000 = 2,0000\par
\medskip
\noindent Lineer denklem takımının kökleri\par
\medskip
\begin{align*}
x_{1} &= 2{,}0000 \\
x_{2} &= 3{,}0000 \\
x_{3} &= -1{,}0000
\end{align*}
\medskip
\noindent Doğruluk analizi\par
\noindent Artık r = b \ensuremath{-} A\ensuremath{\cdot}x: en büyük \textbar{}r(i)\textbar{} = 0\par
\noindent Bağıl artık \ensuremath{\|}r\ensuremath{\|}\ensuremath{\infty} / (\ensuremath{\|}A\ensuremath{\|}\ensuremath{\infty}\ensuremath{\cdot}\ensuremath{\|}x\ensuremath{\|}\ensuremath{\infty} + \ensuremath{\|}b\ensuremath{\|}\ensuremath{\infty}) = 0 (geriye doğru hata)\par
\noindent Bileşen bazında geriye doğru hata max \textbar{}r(i)\textbar{} / (\textbar{}A\textbar{}\ensuremath{\cdot}\textbar{}x\textbar{} + \textbar{}b\textbar{})(i) = 0\par
\noindent Koşul sayısı \ensuremath{\kappa}\ensuremath{\infty}(A) = \ensuremath{\|}A\ensuremath{\|}\ensuremath{\infty}\ensuremath{\cdot}\ensuremath{\|}A\ensuremath{^{-}}\ensuremath{^{1}}\ensuremath{\|}\ensuremath{\infty} = 60\par
\noindent Skeel koşul sayısı cond(A) = \ensuremath{\|}\textbar{}A\ensuremath{^{-}}\ensuremath{^{1}}\textbar{}\ensuremath{\cdot}\textbar{}A\textbar{}\ensuremath{\|}\ensuremath{\infty} = 49 (denklemlerin ölçeğinden bağımsız)\par
\noindent İleri hata sınırı cond(A)\ensuremath{\cdot}(geriye doğru hata) = 5,44E-15\par
\noindent Matris iyi koşullu: sonucun yaklaşık 14 ile 15 anlamlı basamağına güvenilebilir\par
% Yapıştırılacak kısım burada biter.
\end{document}
)tex";

const char* const kSorHtml = R"html(<!DOCTYPE html>
<html lang="tr" xmlns="http://www.w3.org/1999/xhtml">
<head>
<meta charset="utf-8"/>
<title>kosegen-baskin.txt — SOR iterasyon yöntemi</title>
<style>
body { font-family: sans-serif; }
p { margin: 0; white-space: pre-wrap; }
table.matrix { border-collapse: collapse; margin: 0.3em 0 0.3em 1em; border-left: 1px solid black; border-right: 1px solid black; }
table.matrix td { text-align: right; padding: 0 0.6em; font-family: monospace; }
table.matrix td.bar { border-left: 1px solid black; }
table.table { border-collapse: collapse; margin: 0.3em 0 0.3em 1em; }
table.table th { text-align: left; padding: 0 0.6em; border-bottom: 1px solid black; white-space: nowrap; }
table.table td { padding: 0 0.6em; }
table.table td.n { text-align: right; font-family: monospace; }
</style>
</head>
<body>
<h1>kosegen-baskin.txt — SOR iterasyon yöntemi</h1>
<p>Tarih: 2025-12-06</p>
<p>Katsayılar matrisi</p>
<p>&#160;</p>
<table class="matrix">
<tr><td align="right">10.0000</td><td align="right">-1.0000</td><td align="right">2.0000</td><td align="right">0.</td><td align="right" class="bar">6.0000</td></tr>
<tr><td align="right">-1.0000</td><td align="right">11.0000</td><td align="right">-1.0000</td><td align="right">3.0000</td><td align="right" class="bar">25.0000</td></tr>
<tr><td align="right">2.0000</td><td align="right">-1.0000</td><td align="right">10.0000</td><td align="right">-1.0000</td><td align="right" class="bar">-11.0000</td></tr>
<tr><td align="right">0.</td><td align="right">3.0000</td><td align="right">-1.0000</td><td align="right">8.0000</td><td align="right" class="bar">15.0000</td></tr>
</table>
<p>&#160;</p>
<p>Adımlar</p>
<p>Maksimum iterasyon sayısı: 100, gevşetme faktörü: 1.3</p>
<table class="table">
<tr><th>Adım</th><th>x(1)</th><th>x(2)</th><th>x(3)</th><th>x(4)</th><th>Maksimum değişim</th></tr>
<tr><td class="n">1</td><td class="n">0.3500</td><td class="n">2.4773</td><td class="n">-1.4523</td><td class="n">0.9520</td><td class="n">2.452273</td></tr>
<tr><td class="n">2</td><td class="n">1.3746</td><td class="n">1.8367</td><td class="n">-0.9085</td><td class="n">1.0164</td><td class="n">1.024636</td></tr>
<tr><td class="n">3</td><td class="n">0.8426</td><td class="n">2.0499</td><td class="n">-1.0162</td><td class="n">0.9961</td><td class="n">0.532044</td></tr>
<tr><td class="n">4</td><td class="n">1.0579</td><td class="n">1.9855</td><td class="n">-0.9977</td><td class="n">1.0007</td><td class="n">0.215334</td></tr>
<tr><td class="n">5</td><td class="n">0.9801</td><td class="n">2.0042</td><td class="n">-1.0001</td><td class="n">0.9999</td><td class="n">0.077783</td></tr>
<tr><td class="n">6</td><td class="n">1.0065</td><td class="n">1.9988</td><td class="n">-1.0001</td><td class="n">1.0000</td><td class="n">0.026386</td></tr>
<tr><td class="n">7</td><td class="n">0.9979</td><td class="n">2.0003</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.008621</td></tr>
<tr><td class="n">8</td><td class="n">1.0007</td><td class="n">1.9999</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.002752</td></tr>
<tr><td class="n">9</td><td class="n">0.9998</td><td class="n">2.0000</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.000866</td></tr>
<tr><td class="n">10</td><td class="n">1.0001</td><td class="n">2.0000</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.00027</td></tr>
<tr><td class="n">11</td><td class="n">1.0000</td><td class="n">2.0000</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.000084</td></tr>
<tr><td class="n">12</td><td class="n">1.0000</td><td class="n">2.0000</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.000026</td></tr>
<tr><td class="n">13</td><td class="n">1.0000</td><td class="n">2.0000</td><td class="n">-1.0000</td><td class="n">1.0000</td><td class="n">0.000008</td></tr>
</table>
<p>&#160;</p>
<p>13 iterasyon adımı sonucunda</p>
<p>Lineer denklem takımının kökleri</p>
<p>&#160;</p>
<p> x(1) = 1.0000</p>
<p> x(2) = 2.0000</p>
<p> x(3) = -1.0000</p>
<p> x(4) = 1.0000</p>
<p>&#160;</p>
<p>Maksimum hata = 0.000008</p>
<p><img src="data:image/png;base64,YWJj" width="700" height="525" alt="Resim kutusunun çizimi"/></p>
</body>
</html>
)html";

Document documentOf(const TestHost& h, std::string heading) {
    return {h.results, std::move(heading), "2025-12-06", {}};
}

TEST(Export, LatexOfAnExplainedAndAnalysedGaussRunWithADecimalComma) {
    TestHost h;
    h.steps = h.analysis = true;
    h.selected = Option::LesGauss;
    Session s(h, ",");
    ASSERT_TRUE(s.loadFile(example("uc-denklem.txt")));
    s.hesapla(h.request());
    const Document d = documentOf(h, "uc-denklem.txt \u2014 Gauss Eliminasyon y\u00f6ntemi");
    EXPECT_EQ(exporting::latexDocument(d), kGaussLatex);
    // The body alone is the part the document marks.
    const std::string doc = kGaussLatex;
    const std::size_t begin = doc.find('\n', doc.find("% Kendi belgenize")) + 1;
    const std::size_t end = doc.find("% Yap\u0131\u015ft\u0131r\u0131lacak");
    EXPECT_EQ(exporting::latexDocument(d, true), doc.substr(begin, end - begin));
}

TEST(Export, HtmlOfAnSorRunSetsItsSweepsAsATableAndEmbedsThePicture) {
    TestHost h;
    h.steps = true;
    h.w = "1.3";
    h.selected = Option::LesSOR;
    Session s(h);
    ASSERT_TRUE(s.loadFile(example("kosegen-baskin.txt")));
    s.hesapla(h.request());
    Document d = documentOf(h, "kosegen-baskin.txt \u2014 SOR iterasyon y\u00f6ntemi");
    d.png = "abc";
    EXPECT_EQ(exporting::htmlDocument(d), kSorHtml);
    EXPECT_EQ(exporting::exportText(exporting::ExportKind::Html, d), kSorHtml);
    EXPECT_EQ(exporting::exportText(exporting::ExportKind::Pdf, d), "");
}

TEST(Export, TextIsReadAsTheWindowShowsItBrokenBytesAndAll) {
    struct Case {
        std::string line, latex, html;
    };
    const Case cases[] = {
        {"a_b & {c} 50% $x$ #1 ~^|<>\"\\",
         "a\\_b \\& \\{c\\} 50\\% \\$x\\$ \\#1 \\textasciitilde{}\\textasciicircum{}\\textbar{}\\textless{}"
         "\\textgreater{}\"\\textbackslash{}",
         "a_b &amp; {c} 50% $x$ #1 ~^|&lt;&gt;&quot;\\"},
        // The spaces at the ends go in LaTeX, the no-break space among them.
        {"\u00a0 \u03c9 \u2248 1 \u2003", "\\ensuremath{\\omega} \\ensuremath{\\approx} 1", "\u00a0 \u03c9 \u2248 1 \u2003"},
        // A character the fonts lack is "?", one beyond U+FFFF twice.
        {"\u00bd \u4e2d \U0001F600 \u00fc\u0131", "? ? ?? \u00fc\u0131", "\u00bd \u4e2d \U0001F600 \u00fc\u0131"},
        // A byte order mark at the start is dropped; a stray or cut byte is
        // U+FFFD, each byte its own.
        {"\xEF\xBB\xBFx \xFF\xE2\x82 \xC3", "x ??? ?", "x \uFFFD\uFFFD\uFFFD \uFFFD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.latex);
        const std::vector<ResultLine> lines{ResultLine(c.line)};
        const Document d{lines, "", "", {}};
        EXPECT_EQ(exporting::latexDocument(d, true), "\\noindent " + c.latex + "\\par\n");
        const std::string html = exporting::htmlDocument(d);
        EXPECT_NE(html.find("\n<p>" + c.html + "</p>\n</body>"), std::string::npos) << html;
    }
}

TEST(Export, KindByExtensionAndThePictureInBase64) {
    using exporting::ExportKind;
    const std::pair<const char*, ExportKind> kinds[] = {
        {"a.tex", ExportKind::Latex}, {"A.TeX", ExportKind::Latex}, {"b.html", ExportKind::Html},
        {"c.HTM", ExportKind::Html},  {"d.pdf", ExportKind::Pdf},   {"e.txt", ExportKind::None},
        {"tex", ExportKind::None},    {"f.tex.png", ExportKind::None}};
    for (const auto& [path, kind] : kinds) EXPECT_EQ(exporting::exportKind(path), kind) << path;
    const std::pair<std::string, const char*> base64[] = {{"", ""},         {"f", "Zg=="},
                                                          {"fo", "Zm8="},   {"foo", "Zm9v"},
                                                          {"foob", "Zm9vYg=="}, {std::string("\xFF\xFE\x00", 3), "//4A"}};
    for (const auto& [bytes, text] : base64) EXPECT_EQ(exporting::base64(bytes), text);
}

}  // namespace
}  // namespace lineer::test
