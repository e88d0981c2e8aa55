// The picture canvas, and the picture the command line saves.

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include <fstream>

#include "cli_runner.h"
#include "picturecanvas.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using ui::PictureCanvas;

int inked(const QImage& img, QRect area) {
    int n = 0;
    area = area.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += img.pixelColor(x, y) != PictureCanvas::kBackground;
    return n;
}

TEST(PictureCanvas, BoxesInUserCoordinatesShareTheirEdges) {
    PictureCanvas c;
    c.scale(0, 0, 3, 3);
    c.box(0, 0, 1, 1, Rgb{255, 0, 0});
    c.box(1, 0, 2, 1, Rgb{0, 0, 255});
    const QImage& img = c.image();
    // Column 1 spans pixels 0..78, the later box covers the shared column 78.
    EXPECT_EQ(img.pixelColor(77, 10), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(78, 10), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(155, 10), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(156, 10), PictureCanvas::kBackground);
    EXPECT_EQ(img.pixelColor(10, 72), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(10, 73), PictureCanvas::kBackground);
    // Corners given in either order.
    c.box(3, 3, 2, 2, Rgb{0, 255, 0});
    EXPECT_EQ(img.pixelColor(232, 216), QColor(0, 255, 0));
}

TEST(PictureCanvas, ScaleWithoutExtentOrNumbersIsIgnored) {
    const double nan = std::nan(""), inf = HUGE_VAL;
    struct Case {
        double x1, y1, x2, y2;
    };
    const Case bad[] = {{0, 0, 0, 0}, {0, 0, 5, 0}, {1, 0, 1, 5}, {nan, 0, 1, 1}, {0, 0, inf, 1}, {-1e308, 0, 1e308, 1}};
    for (const Case& k : bad) {
        PictureCanvas c;
        c.scale(0, 0, 2, 2);
        c.scale(k.x1, k.y1, k.x2, k.y2);
        EXPECT_EQ(c.toPixels(1, 1), QPointF(116.5, 108.5)) << k.x1 << " " << k.y1 << " " << k.x2 << " " << k.y2;
    }
    // Boxes and circles at points that are not numbers draw nothing.
    PictureCanvas c;
    c.scale(0, 0, 10, 10);
    c.box(nan, 0, 1, 1, Rgb{1, 2, 3});
    c.box(0, 0, inf, 1, Rgb{1, 2, 3});
    c.circle(nan, 1, 1);
    c.circle(1, 1, inf);
    EXPECT_EQ(inked(c.image(), c.image().rect()), 0);
    // Far-off boxes are clipped, not wrapped round.
    c.box(-1e12, -1e12, 1e12, 1, Rgb{1, 2, 3});
    EXPECT_EQ(c.image().pixelColor(232, 5), QColor(1, 2, 3));
    EXPECT_EQ(c.image().pixelColor(232, 30), PictureCanvas::kBackground);
}

TEST(PictureCanvas, ScaleMayRunUpwardsOrLeftwards) {
    PictureCanvas c;
    c.scale(10, 10, 0, 0);  // (10,10) is the top-left corner
    c.box(10, 10, 9, 9, Rgb{9, 9, 9});
    EXPECT_EQ(c.image().pixelColor(3, 3), QColor(9, 9, 9));
    EXPECT_EQ(c.image().pixelColor(229, 213), PictureCanvas::kBackground);
}

TEST(PictureCanvas, CircleIsRoundWithTheRadiusInHorizontalUnits) {
    PictureCanvas c;
    // Like the convergence plot: 100 units across, a tiny height.
    c.scale(0, 0, 100, 0.002);
    c.circle(50.0f, 0.001f, 10);
    const QImage& img = c.image();
    // The radius is 10 horizontal units = 23.3 pixels, also vertically.
    int top = -1, bottom = -1, left = -1, right = -1;
    for (int y = 0; y < img.height(); ++y)
        if (img.pixelColor(116, y) != PictureCanvas::kBackground) {
            if (top < 0) top = y;
            bottom = y;
        }
    for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, 108) != PictureCanvas::kBackground) {
            if (left < 0) left = x;
            right = x;
        }
    EXPECT_NEAR(bottom - top, 46.6, 2.0);
    EXPECT_NEAR(right - left, 46.6, 2.0);
    // Only the outline: the centre stays empty.
    EXPECT_EQ(img.pixelColor(116, 108), PictureCanvas::kBackground);
    EXPECT_EQ(img.pixelColor(left, 108), PictureCanvas::kForeground);
}

TEST(PictureCanvas, PrintMovesDownAndClearGoesBackToTheTop) {
    PictureCanvas c;
    c.print("Katsayılar matrisi");
    const int line = c.printPosition().y();
    EXPECT_GT(line, 8);
    EXPECT_GT(inked(c.image(), QRect(0, 0, 120, line)), 20);
    c.print(" sıfır diyagonal elemanı");
    EXPECT_EQ(c.printPosition(), QPoint(0, 2 * line));
    EXPECT_GT(inked(c.image(), QRect(0, line, 160, line)), 20);
    // Text is not placed by the user system.
    c.scale(0, 0, 1, 1);
    c.print("x");
    EXPECT_GT(inked(c.image(), QRect(0, 2 * line, 20, line)), 0);
    c.clear();
    EXPECT_EQ(c.printPosition(), QPoint(0, 0));
    EXPECT_EQ(inked(c.image(), c.image().rect()), 0);
    // The user system outlives a clear.
    c.box(0, 0, 0.5, 0.5, Rgb{0, 0, 0});
    EXPECT_EQ(c.image().pixelColor(100, 100), QColor(0, 0, 0));
    EXPECT_EQ(c.image().pixelColor(130, 120), PictureCanvas::kBackground);
}

// The command line's picture file, written without any platform plugin
// asked for.
test::CliResult lineer(const std::vector<std::string>& args) {
    return test::runLineer(args, "-u QT_QPA_PLATFORM LC_ALL=C.UTF-8");
}

TEST(CommandLinePicture, DrawSavesTheColourMapAsPng) {
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/m.txt";
    std::ofstream(file) << "2 3\n1 0 2\n-4 0 0\n";
    const std::string png = dir.path().toStdString() + "/resim.png";
    const test::CliResult r = lineer({"--draw", "--picture", png, file});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");  // nothing of the toolkit's own
    EXPECT_EQ(r.out, "Katsayılar matrisi\n \n1.0000    0.         2.0000   \n-4.0000    0.          0.         \n");
    QImage img(QString::fromStdString(png));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(233, 217));
    const int levels[2][3] = {{2, 0, 5}, {10, 0, 0}};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(img.pixelColor(static_cast<int>((j + 0.5) / 3 * 233), static_cast<int>((i + 0.5) / 3 * 217)),
                      level(levels[i][j]))
                << i + 1 << "," << j + 1;
    EXPECT_EQ(img.pixelColor(116, 200), PictureCanvas::kBackground);
}

TEST(CommandLinePicture, ListingHeadingIsPrintedAndAPictureWithoutDrawIsBlank) {
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/m.txt";
    std::ofstream(file) << "1 1 5\n";
    const std::string png = dir.path().toStdString() + "/bos.png";
    const test::CliResult r = lineer({"--picture", png, file});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    QImage img(QString::fromStdString(png));
    ASSERT_EQ(img.size(), QSize(233, 217));
    EXPECT_EQ(inked(img, img.rect()), 0);
    // A folder cannot be written as a picture: said on stderr, status 2.
    const test::CliResult bad = lineer({"--draw", "--picture", dir.path().toStdString(), file});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("Resim kaydedilemedi"), std::string::npos);
    EXPECT_EQ(bad.err.find("QImage"), std::string::npos);
}

// SOR's convergence plot as the user sees it: 10x1 + x2 = 12, 2x1 + 10x2 = 22
// with the limit 100 converges in iteration 5. Iteration 1 changes x by
// 0.98, which fixes the height at 1.96, so its circle stands at mid-height;
// iteration 2 changes it by 0.098, a tenth of the way down; the later ones
// lie along the top edge. Across, each iteration is 233/100 pixels.
TEST(CommandLinePicture, SorPlotsOneCirclePerIteration) {
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/m.txt";
    std::ofstream(file) << "2 3\n10 1 12\n2 10 22\n";
    const std::string png = dir.path().toStdString() + "/sor.png";
    const test::CliResult r = lineer({"--method", "sor", "--max-iter", "100", "--w", "1", "--picture", png, file});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("5 iterasyon adımı sonucunda"), std::string::npos);
    QImage img(QString::fromStdString(png));
    ASSERT_EQ(img.size(), QSize(233, 217));
    const double px = 233.0 / 100;
    auto around = [&](double x, double y) {
        return QRect(static_cast<int>(x - px) - 1, static_cast<int>(y - px) - 1, static_cast<int>(2 * px) + 3,
                     static_cast<int>(2 * px) + 3);
    };
    EXPECT_GT(inked(img, around(1 * px, 217.0 / 2)), 0);
    EXPECT_GT(inked(img, around(2 * px, 0.098 / 1.96 * 217)), 0);
    EXPECT_GT(inked(img, around(5 * px, 0)), 0);
    // Nothing between the first two circles, below the first, or right of
    // the fifth.
    EXPECT_EQ(inked(img, QRect(0, 40, 233, 60)), 0);
    EXPECT_EQ(inked(img, QRect(0, 120, 233, 97)), 0);
    EXPECT_EQ(inked(img, QRect(static_cast<int>(7 * px), 0, 233, 217)), 0);
}

}  // namespace
}  // namespace lineer::uitest
