// The window at the largest size the workspace holds: the whole transcript
// in the list, and the memory it holds. The times are figures of
// bench/window_bench.cpp.

#include <QCoreApplication>

#include "cli_runner.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

// The memory bound. AddressSanitizer keeps freed blocks in quarantine
// (256 MB) and adds shadow memory and red zones around every block; each
// of the list's lines keeps its cells in a block of its own.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kMaxMb = 1536;
#else
constexpr double kMaxMb = 400;
#endif

struct LargestWindow : WindowTest {
    void loadExample(const char* name) {
        goTo(QStringLiteral(LINEER_EXAMPLES));
        clickFile(QString::fromLatin1(name));
        ASSERT_TRUE(w->session().loaded());
    }
};

TEST_F(LargestWindow, GaussJordanOnTheHundredByHundredFile) {
    loadExample("buyuk-100.txt");
    select(Option::LesGaussJordan);
    press("Command_Hesapla");
    w->results()->scrollToBottom();
    w->results()->viewport()->repaint();
    QCoreApplication::processEvents();

    // The whole transcript is in the list, each line as the command line
    // writes it, and the view knows every row.
    const auto want = test::runLineer({"--method", "gauss-jordan", LINEER_EXAMPLES "/buyuk-100.txt"}).lines();
    ASSERT_GT(want.size(), 20000u);
    EXPECT_EQ(lines(), want);
    EXPECT_EQ(w->results()->model()->rowCount(), static_cast<int>(want.size()));
    EXPECT_TRUE(messages.empty());
    EXPECT_LT(residentMb(), kMaxMb);
}

TEST_F(LargestWindow, AHundredListingsOfTheHundredByHundredMatrix) {
    loadExample("buyuk-100.txt");
    const std::size_t loaded = lines().size();
    for (int i = 0; i < 100; ++i) {
        press("Command3");
        w->results()->scrollToBottom();
        QCoreApplication::processEvents();
    }
    // Each press adds " " and the hundred rows, the same every time.
    ASSERT_EQ(lines().size(), loaded + 100 * 101);
    const auto v = lines();
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(std::equal(v.begin() + 1, v.begin() + loaded, v.begin() + static_cast<long>(loaded + 101 * i)))
            << i;
    EXPECT_EQ(w->results()->model()->rowCount(), static_cast<int>(v.size()));
    EXPECT_LT(residentMb(), kMaxMb);
}

}  // namespace
}  // namespace lineer::uitest
