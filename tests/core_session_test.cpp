#include <gtest/gtest.h>

#include <limits>

#include "listing.h"
#include "testhost.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

const std::string kFile = "2 3 2 1 5 1 3 5";

TEST(Hesapla, BeforeAnyLoadAsksForAFileWhateverIsSelected) {
    for (bool select : {false, true}) {
        TestHost h;
        Session s(h);
        if (select) h.selected = Option::LesGauss;
        s.hesapla(h.request());
        EXPECT_EQ(h.messages, (std::vector<std::string>{kNoFileMessage}));
        EXPECT_TRUE(h.lines.empty());
    }
}

TEST(Hesapla, SecondPressNeedsTheFileAgain) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(kFile)));
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_TRUE(h.messages.empty());
    auto afterRun = h.lines;
    s.hesapla(h.request());
    EXPECT_EQ(h.messages, (std::vector<std::string>{kNoFileMessage}));
    EXPECT_EQ(h.lines, afterRun);
}

TEST(Hesapla, WithoutAMethodKeepsTheFileLoaded) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(kFile)));
    s.hesapla(h.request());
    EXPECT_EQ(h.messages, (std::vector<std::string>{kNoMethodMessage}));
    EXPECT_TRUE(s.loaded());
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.lines.back(), " x(2) = 1.0000");
    EXPECT_FALSE(s.loaded());
}

TEST(Hesapla, MethodThatStopsStillClearsTheFlag) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3 0 1 1 1 0 1")));
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_EQ(h.messages, (std::vector<std::string>{kZeroDiagonal}));
    EXPECT_FALSE(s.loaded());
}

TEST(Hesapla, AfterAFailedLoadRefuses) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile(kFile)));
    EXPECT_FALSE(s.loadFile(tempFile("2 3 1")));
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_EQ(h.messages.back(), kNoFileMessage);
}

// What the printed pages are headed with: the file of the last load that
// succeeded, and the method run on it since.
TEST(Session, RemembersTheLoadedFileAndTheMethodRunOnIt) {
    TestHost h;
    Session s(h);
    const std::string file = tempFile(kFile);
    ASSERT_TRUE(s.loadFile(file));
    s.hesapla(h.request());  // no method: nothing has run
    EXPECT_EQ(s.methodRun(), "");
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_EQ(s.methodRun(), "Gauss Eliminasyon yöntemi");
    EXPECT_FALSE(s.loadFile(tempFile("2 3 1", "kesik.txt")));
    EXPECT_EQ(s.loadedPath(), file);
    EXPECT_EQ(s.methodRun(), "Gauss Eliminasyon yöntemi");
    ASSERT_TRUE(s.loadFile(file));
    EXPECT_EQ(s.methodRun(), "");
}

// Values too large for a double stop the method with the overflow message;
// what was listed before stays.
TEST(Hesapla, OverflowEndsTheMethodWithItsMessage) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3 1e-300 1e300 1 1 1 2")));
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    EXPECT_EQ(h.messages, (std::vector<std::string>{kOverflowMessage}));
    EXPECT_EQ(h.lines.size(), 4u + 2u);  // the load listing, then " " and the heading
    EXPECT_EQ(h.lines.back(), "Üst-üçgenselleştirilmiş matris");
    EXPECT_FALSE(s.loaded());
}

TEST(MatrisiListele, PrintsTheHeadingIntoThePictureAndListsTheCurrentMatrix) {
    TestHost h;
    Session s(h);
    s.listeleButton();
    EXPECT_EQ(h.lines, (std::vector<std::string>{" "}));
    EXPECT_EQ(h.events, (std::vector<std::string>{"clear", "print:Katsayılar matrisi"}));

    ASSERT_TRUE(s.loadFile(tempFile(kFile)));
    h.selected = Option::LesGauss;
    s.hesapla(h.request());
    h.lines.clear();
    s.listeleButton();
    // The matrix as the method left it, not as the file holds it.
    EXPECT_EQ(h.lines, (std::vector<std::string>{" ", row({"2.0000", "1.0000", "5.0000"}),
                                                 row({"0", "2.5000", "2.5000"})}));
}

TEST(Resimle, LevelsOfTheTwoByThreeExample) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("2 3 1 0 2 -4 0 0")));
    s.resimle();
    auto colour = [](int k) {
        return std::to_string(255) + "," + std::to_string(255 - 16 * k) + "," + std::to_string(255 - 16 * k);
    };
    std::vector<std::string> expected = {
        "clear",
        "scale:0,0,3,3",
        "box:0,0,1,1:" + colour(2),  // 15 * 1/6 = 2.5 goes to the even 2
        "box:1,0,2,1:" + colour(0),
        "box:2,0,3,1:" + colour(5),
        "box:0,1,1,2:" + colour(10),
        "box:1,1,2,2:" + colour(0),
        "box:2,1,3,2:" + colour(0),
    };
    EXPECT_EQ(h.events, expected);
    auto first = h.events;
    h.events.clear();
    s.resimle();
    EXPECT_EQ(h.events, first);
}

TEST(Resimle, EdgeCases) {
    struct Case {
        std::string file;
        std::vector<std::string> events;
    };
    const std::string white = "255,255,255", red = "255,15,15";
    for (const auto& c : std::vector<Case>{
             // All zero: no range, every level 0.
             {"1 2 0 0", {"clear", "scale:0,0,2,2", "box:0,0,1,1:" + white, "box:1,0,2,1:" + white}},
             // All positive: the largest gets level 15, a zero level 0.
             {"1 2 0 3", {"clear", "scale:0,0,2,2", "box:0,0,1,1:" + white, "box:1,0,2,1:" + red}},
             // A range too wide for a double.
             {"1 2 1.5e308 -1.5e308", {"clear", "scale:0,0,2,2", "box:0,0,1,1:255,127,127", "box:1,0,2,1:255,127,127"}},
             {"0 0", {"clear"}},
         }) {
        TestHost h;
        Session s(h);
        ASSERT_TRUE(s.loadFile(tempFile(c.file)));
        s.resimle();
        EXPECT_EQ(h.events, c.events) << c.file;
    }
    TestHost h;
    Session s(h);
    s.resimle();
    EXPECT_EQ(h.events, (std::vector<std::string>{"clear"}));
}

// A method that overflowed can leave infinities and NaNs in the matrix; the
// picture shows them in the deepest colour and scales the rest without them.
TEST(Resimle, CellsThatAreNotFinite) {
    TestHost h;
    Session s(h);
    ASSERT_TRUE(s.loadFile(tempFile("1 4 1 2 0 0")));
    s.workspace().A(1, 3) = std::numeric_limits<double>::infinity();
    s.workspace().A(1, 4) = std::numeric_limits<double>::quiet_NaN();
    s.resimle();
    EXPECT_EQ(h.events, (std::vector<std::string>{"clear", "scale:0,0,4,4", "box:0,0,1,1:255,127,127",
                                                  "box:1,0,2,1:255,15,15", "box:2,0,3,1:255,15,15",
                                                  "box:3,0,4,1:255,15,15"}));
}

}  // namespace
}  // namespace lineer::test
