// Handouts: the printed pages, the PDF the window and the command line
// write, the LaTeX and HTML export, and the picture drawn larger.

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <fstream>
#include <set>

#include "cli_runner.h"
#include "export.h"
#include "pages.h"
#include "picturecanvas.h"
#include "picturewindow.h"
#include "session.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

constexpr const char* kEpoch = "1765000000";

// The results list of a run with each line's kind, and its picture.
class HandoutHost : public Host {
public:
    std::vector<ResultLine> lines;
    ui::PictureCanvas canvas;
    void listAppend(ResultLine line) override { lines.push_back(std::move(line)); }
    void listClear() override { lines.clear(); }
    PictureSurface& picture() override { return canvas; }
    void message(const std::string&) override {}
};

struct Run {
    HandoutHost host;
    ui::Handout handout;
};

std::unique_ptr<Run> runOn(const char* file, Option option, const char* w = "1", bool draw = false) {
    auto run = std::make_unique<Run>();
    Session session(run->host);
    EXPECT_TRUE(session.loadFile(test::examplePath(file)));
    RunRequest request{option, {}};
    request.params.wText = w;
    session.hesapla(request);
    if (draw) session.resimle();
    run->handout.lines = run->host.lines;
    run->handout.heading = QString::fromUtf8(file);
    run->handout.date = QStringLiteral("2025-12-06");
    run->handout.picture = &run->host.canvas.record();
    return run;
}

std::vector<QString> tableCells(const ui::Handout& h) {
    std::vector<QString> cells;
    for (const ResultLine& l : h.lines)
        if (exporting::numberTableRow(l))
            for (std::size_t k = 0; k < l.cells.size(); ++k)
                cells.push_back(QString::fromUtf8(l.cell(k).data(), static_cast<qsizetype>(l.cell(k).size())));
    return cells;
}

int pdfPages(const ui::Handout& h) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(ui::handoutPageLayout());
    return ui::countPages(writer, h);
}

TEST(PrintedPages, KeepEveryNumberWholeWithinThePageCountsExpected) {
    struct Case {
        const char* file;
        Option option;
        int fewest, most;
    };
    const Case cases[] = {
        {"uc-denklem.txt", Option::LesGauss, 1, 1},
        {"buyuk-99.txt", Option::LesGauss, 30, 45},
        {"buyuk-100.txt", Option::InvScrobanski, 30, 50},
    };
    const QRegularExpression heading(QStringLiteral("^Sütun \\d+\u2013\\d+$"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto run = runOn(c.file, c.option);
        const int pages = pdfPages(run->handout);
        EXPECT_GE(pages, c.fewest);
        EXPECT_LE(pages, c.most);

        // Every token printed is a token of the list, and none is lost.
        std::multiset<QString> listed;
        for (const ResultLine& l : run->handout.lines)
            for (const QString& t : QString::fromStdString(l.text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                listed.insert(t);
        std::multiset<QString> printed;
        for (const ui::Page& page : ui::layoutPages(run->handout, 95, 70, 20))
            for (const QString& line : page.lines) {
                EXPECT_LE(line.size(), 95);
                if (heading.match(line).hasMatch()) continue;
                for (const QString& t : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) printed.insert(t);
            }
        // A column block that goes on to the next page repeats its heading.
        EXPECT_EQ(printed, listed);
    }
}

TEST(PrintedPages, WrapLongTextAtSpacesWithAnIndent) {
    ui::Handout h;
    h.lines = {ResultLine("bir iki üç dört beş altı yedi"), ResultLine("sekiz")};
    const std::vector<ui::Page> pages = ui::layoutPages(h, 12, 10, 0);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].lines, (std::vector<QString>{QStringLiteral("bir iki üç"), QStringLiteral("    dört beş"),
                                                    QStringLiteral("    altı"), QStringLiteral("    yedi"),
                                                    QStringLiteral("sekiz")}));
}

using HandoutWindowTest = WindowTest;

TEST_F(HandoutWindowTest, PrintToPdfWritesTheBytesOfTheCommandLine) {
    qputenv("SOURCE_DATE_EPOCH", kEpoch);
    struct Case {
        const char* file;
        const char* method;
        Option option;
    };
    const Case cases[] = {{"uc-denklem.txt", "gauss", Option::LesGauss},
                          {"kosegen-baskin.txt", "sor", Option::LesSOR}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        const QString cliPdf = dir.filePath(QStringLiteral("cli.pdf"));
        const std::string file = test::examplePath(c.file);
        const test::CliResult cli = test::runLineer({"--method", c.method, "--pdf", cliPdf.toStdString(), file},
                                                    std::string("LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=") + kEpoch);
        ASSERT_EQ(cli.status, 0);

        w->openFile(QString::fromStdString(file));
        select(c.option);
        press("Command_Hesapla");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("pencere.pdf")));
        printer.setPageLayout(ui::handoutPageLayout());
        w->handouts().printTo(printer);
        EXPECT_TRUE(messages.empty());
        const std::string pdf = test::slurpFile(str(printer.outputFileName()));
        EXPECT_GT(pdf.size(), 1000u);
        EXPECT_TRUE(pdf == test::slurpFile(str(cliPdf)));
    }
    qunsetenv("SOURCE_DATE_EPOCH");
}

TEST_F(HandoutWindowTest, AsksBeforePrintingMoreThanFiftyPages) {
    w->openFile(QString::fromStdString(test::examplePath("buyuk-99.txt")));
    select(Option::LesGaussJordan);
    press("Command_Hesapla");
    std::vector<QString> questions;
    dialogs.questionHook = [&](const QString& q) {
        questions.push_back(q);
        return false;
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("uzun.pdf")));
    printer.setPageLayout(ui::handoutPageLayout());
    w->handouts().printTo(printer);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Sonuçlar \\d{4} sayfa tutuyor")).match(questions[0]).hasMatch())
        << str(questions[0]);
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));
}

// The numbers of the matrices (bmatrix, or an array with the bar before b,
// or longtables in blocks of columns, each with the row numbers) and of
// the align* block, in order, row by row.
void latexNumbers(const QString& tex, std::vector<QString>& cells, std::vector<QString>& roots) {
    static const QRegularExpression part(
        QStringLiteral("\\\\begin\\{(?:bmatrix|array\\}\\{[^}]*)\\}\\n(.*?)\\\\end\\{(?:bmatrix|array)\\}|"
                       "((?:\\{\\\\small\\n\\\\begin\\{longtable\\}.*?\\\\end\\{longtable\\}\\n\\}\\n)+)"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("[^&\\\\\\s$]+"));
    static const QRegularExpression block(QStringLiteral("\\\\begin\\{longtable\\}\\{@\\{\\}(.*?)@\\{\\}\\}\\n(.*?)\\\\end\\{longtable\\}"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (auto m = part.globalMatch(tex); m.hasNext();) {
        const auto found = m.next();
        if (!found.captured(1).isEmpty()) {
            for (auto c = cell.globalMatch(found.captured(1)); c.hasNext();) cells.push_back(c.next().captured(0));
            continue;
        }
        std::vector<std::vector<QString>> rows;
        for (auto b = block.globalMatch(found.captured(2)); b.hasNext();) {
            const auto one = b.next();
            const bool keyed = one.captured(1).startsWith(QLatin1Char('r')) && one.captured(1).contains(QLatin1Char('|'));
            QString body = one.captured(2);
            if (const qsizetype h = body.indexOf(QStringLiteral("\\endhead\n")); h >= 0) body = body.mid(h + 9);
            const QStringList lines = body.split(QStringLiteral(" \\\\\n"), Qt::SkipEmptyParts);
            if (rows.size() < static_cast<std::size_t>(lines.size())) rows.resize(static_cast<std::size_t>(lines.size()));
            for (qsizetype r = 0; r < lines.size(); ++r) {
                const QStringList parts = lines[r].split(QStringLiteral(" & "));
                for (qsizetype k = keyed ? 1 : 0; k < parts.size(); ++k)
                    for (auto c = cell.globalMatch(parts[k]); c.hasNext();) rows[static_cast<std::size_t>(r)].push_back(c.next().captured(0));
            }
        }
        for (const auto& r : rows) cells.insert(cells.end(), r.begin(), r.end());
    }
    static const QRegularExpression root(QStringLiteral("x_\\{(\\d+)\\} &= (\\S+)"));
    for (auto m = root.globalMatch(tex); m.hasNext();) {
        const auto r = m.next();
        roots.push_back(QStringLiteral(" x(%1) = %2").arg(r.captured(1), r.captured(2)));
    }
}

TEST(Export, LatexCompilesWithPdflatexAndGivesBackTheNumbers) {
    const QString pdflatex = QStandardPaths::findExecutable(QStringLiteral("pdflatex"));
    if (pdflatex.isEmpty()) GTEST_SKIP() << "pdflatex is not installed (texlive-latex-base; scripts/test.sh installs it)";
    struct Case {
        const char* file;
        const char* method;
        Option option;
        bool steps;
    };
    const Case cases[] = {{"uc-denklem.txt", "gauss", Option::LesGauss, true},
                          {"kosegen-baskin.txt", "doolittle", Option::LesDoolittle, false},
                          {"ucgen-bantli.txt", "thomas", Option::LesThomas, true},
                          {"buyuk-100.txt", "det", Option::DetGauss, false}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        const QString tex = dir.filePath(QStringLiteral("%1.tex").arg(QString::fromUtf8(c.method)));
        std::vector<std::string> args{"--method", c.method, "--export", tex.toStdString(), test::examplePath(c.file)};
        if (c.steps) args.insert(args.begin(), "--steps");
        ASSERT_EQ(test::runLineer(args).status, 0);

        QProcess latex;
        latex.setWorkingDirectory(dir.path());
        latex.start(pdflatex, {QStringLiteral("-interaction=nonstopmode"), QStringLiteral("-halt-on-error"), tex});
        ASSERT_TRUE(latex.waitForFinished(120000));
        EXPECT_EQ(latex.exitCode(), 0) << latex.readAllStandardOutput().right(2000).toStdString();

        const auto run = runOn(c.file, c.option);
        std::vector<QString> cells, roots, listedRoots;
        latexNumbers(QString::fromUtf8(test::slurpFile(str(tex))), cells, roots);
        EXPECT_EQ(cells, tableCells(run->handout));
        for (const ResultLine& l : run->handout.lines)
            if (QString::fromStdString(l.text).startsWith(QStringLiteral(" x("))) listedRoots.push_back(QString::fromStdString(l.text));
        EXPECT_EQ(roots, listedRoots);
    }
}

TEST(Export, LatexBodyIsThePartTheDocumentMarks) {
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("tam.tex")), body = dir.filePath(QStringLiteral("govde.tex"));
    const std::string file = test::examplePath("uc-denklem.txt");
    ASSERT_EQ(test::runLineer({"--method", "gauss", "--export", full.toStdString(), file}).status, 0);
    ASSERT_EQ(test::runLineer({"--method", "gauss", "--export-body", "--export", body.toStdString(), file}).status, 0);
    const std::string doc = test::slurpFile(str(full)), part = test::slurpFile(str(body));
    const std::size_t begin = doc.find('\n', doc.find("% Kendi belgenize")) + 1;
    const std::size_t end = doc.find("% Yapıştırılacak kısım burada biter.");
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(doc.substr(begin, end - begin), part);
    EXPECT_NE(part.find("\\begin{array}{rrr|r}"), std::string::npos);
}

TEST(Export, HtmlParsesWithOneRightAlignedTablePerMatrix) {
    struct Case {
        const char* file;
        const char* method;
        int tables;
        bool draw;
    };
    const Case cases[] = {{"uc-denklem.txt", "gauss", 2, true},
                          {"kosegen-baskin.txt", "doolittle", 3, false},
                          {"ucgen-bantli.txt", "thomas", 2, false},
                          {"kosegen-baskin.txt", "sor", 1, false}};
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        const QString html = dir.filePath(QStringLiteral("sayfa.html"));
        std::vector<std::string> args{"--method", c.method, "--export", html.toStdString(), test::examplePath(c.file)};
        if (c.draw) args.insert(args.begin(), "--draw");
        ASSERT_EQ(test::runLineer(args).status, 0);
        QXmlStreamReader xml(QByteArray::fromStdString(test::slurpFile(str(html))));
        int tables = 0, images = 0;
        bool matrix = false;  // the numbers of a matrix stand to the right
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("table")) {
                ++tables;
                matrix = xml.attributes().value(QLatin1String("class")) == QLatin1String("matrix");
            }
            if (xml.name() == QLatin1String("td") && matrix) {
                EXPECT_EQ(xml.attributes().value(QLatin1String("align")), QLatin1String("right"));
            }
            if (xml.name() == QLatin1String("img")) {
                ++images;
                EXPECT_TRUE(xml.attributes().value(QLatin1String("src")).startsWith(QLatin1String("data:image/png;base64,")));
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_EQ(tables, c.tables);
        // SOR draws its plot; Gauss has the colour map when it is asked for.
        EXPECT_EQ(images, c.draw || std::string(c.method) == "sor" ? 1 : 0);
    }
}

TEST(LargerPicture, PlotRunsToTheIterationsRunWithItsTitleAndEveryCircleInsideItsAxes) {
    struct Case {
        const char* w;
        bool log;
    };
    // w = 1.95 oscillates: later changes are larger than the first.
    const Case cases[] = {{"1", false}, {"1.5", true}, {"1.95", false}, {"1.95", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        const auto run = runOn("kosegen-baskin.txt", Option::LesSOR, c.w);
        const ui::PictureRecord& record = run->host.canvas.record();
        ASSERT_TRUE(record.isPlot());
        const plots::Plot plot = ui::recordPlot(record, c.log, ".");
        ASSERT_EQ(plot.panels.size(), 1u);
        EXPECT_EQ(plot.title, std::string("SOR iterasyon yöntemi, ω = ") + c.w + ": her adımdaki en büyük değişim");
        const plots::Panel& p = plot.panels[0];
        EXPECT_EQ(p.x.hi, static_cast<double>(record.circles.size()));
        EXPECT_EQ(p.y.scale, c.log ? plots::Scale::Log : plots::Scale::Linear);
        EXPECT_GE(p.x.ticks.size(), 2u);
        EXPECT_GE(p.y.ticks.size(), 2u);
        EXPECT_EQ(p.series[0].points.size(), record.circles.size());
        for (const plots::Point& pt : p.series[0].points) {
            EXPECT_TRUE(pt.x >= p.x.lo && pt.x <= p.x.hi && pt.y >= p.y.lo && pt.y <= p.y.hi) << pt.x << "," << pt.y;
        }
    }
    EXPECT_EQ(ui::axisTicks(0, 100, 6), (std::vector<double>{0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(ui::axisTicks(0, 0.45, 5), (std::vector<double>{0, 0.1, 0.2, 0.30000000000000004, 0.4}));
}

TEST_F(HandoutWindowTest, DoubleClickOpensAPictureWindowThatScales) {
    w->openFile(QString::fromStdString(test::examplePath("uc-denklem.txt")));
    press("Command1");
    QTest::mouseDClick(w->pictureBox(), Qt::LeftButton);
    auto* window = w->findChild<ui::PictureWindow*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    // The box keeps its place and size.
    EXPECT_EQ(w->pictureBox()->size(), QSize(ui::PictureCanvas::kWidth, ui::PictureCanvas::kHeight));
    for (const QSize size : {QSize(500, 400), QSize(1000, 800)}) {
        window->resize(size);
        const QImage shot = window->grab().toImage();
        EXPECT_EQ(shot.size(), size);
        // The deepest red of the scale is drawn.
        int deep = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) deep += shot.pixelColor(x, y) == QColor(255, 15, 15);
        EXPECT_GT(deep, size.width() / 10);
    }
    // A second double click brings the same window forward.
    QTest::mouseDClick(w->pictureBox(), Qt::LeftButton);
    EXPECT_EQ(w->findChildren<ui::PictureWindow*>().size(), 1);
}

}  // namespace
}  // namespace lineer::uitest
