// Long iterations in the window: the progress window, "İptal", and the
// window that takes no input meanwhile, on a clock that moves on by one
// millisecond at every reading. bench/window_bench.cpp runs them on the
// real clock.

#include <QApplication>
#include <QProgressBar>

#include <chrono>
#include <memory>

#include "filechoice.h"
#include "session.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

using namespace std::chrono_literals;
using ui::ProgressDialog;
using ui::RunMonitor;

// A system on which every iterative method goes round for ever without
// growing: Jacobi repeats every 4 sweeps, Gauss-Seidel and SOR with w = 1
// every 2; each sweep changes some root by exactly 1.
const QByteArray kRoundAbout = "2 3\n1 1 3\n-1 1 0\n";

// A clock that moves on by one millisecond at every reading.
struct StepClock {
    std::shared_ptr<std::chrono::steady_clock::time_point> t =
        std::make_shared<std::chrono::steady_clock::time_point>();
    RunMonitor::Clock clock() const {
        auto p = t;
        return [p] { return *p += 1ms; };
    }
};

struct ProgressTest : WindowTest {
    int pumps = 0;
    std::function<void(int)> atPump;  // called with the pump's number, from 1

    void SetUp() override {
        WindowTest::SetUp();
        // One clock reading per sweep: the window appears after sweep 500
        // and events are handled at sweeps 500, 540, 580, ...
        w->runMonitor().setClock(StepClock{}.clock());
        w->runMonitor().setTiming({500ms, 40ms, 1});
        w->runMonitor().onPump = [this] {
            ++pumps;
            if (atPump) atPump(pumps);
        };
    }

    void load(const QByteArray& content) {
        goTo(writeFile("m.txt", content));
        clickFile("m.txt");
    }
    void run(Option o, const char* limit, const char* factor = "1") {
        select(o);
        child<QLineEdit>("Text_MaxIter")->setText(QString::fromUtf8(limit));
        child<QLineEdit>("Text_w")->setText(QString::fromUtf8(factor));
        press("Command_Hesapla");
    }
    ProgressDialog* dialog() const { return w->runMonitor().dialog(); }
};

// The same run with the count typed as the limit, in a window of its own.
std::vector<std::string> transcriptWithLimit(const QByteArray& content, Option o, const std::string& limit) {
    struct Plain : WindowTest {
        void TestBody() override {}
    } t;
    t.SetUp();
    t.goTo(t.writeFile("m.txt", content));
    t.clickFile("m.txt");
    t.select(o);
    t.w->findChild<QLineEdit*>("Text_MaxIter")->setText(QString::fromStdString(limit));
    t.press("Command_Hesapla");
    EXPECT_EQ(t.w->runMonitor().timesShown(), 0);
    EXPECT_TRUE(t.messages.empty());
    auto lines = t.lines();
    t.TearDown();
    return lines;
}

TEST_F(ProgressTest, EveryWayOfCancellingEndsTheRunWithTheReportAndWhereItStopped) {
    struct Case {
        Option option;
        const char* how;
        int atPump;
        const char* count;
    };
    const Case cases[] = {
        {Option::LesJacobi, "button", 1, "500"},
        {Option::LesJacobi, "close box", 3, "580"},
        {Option::LesGaussSidel, "escape", 2, "540"},
        {Option::LesSOR, "button", 4, "620"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " at pump " + std::to_string(c.atPump));
        w->runMonitor().setClock(StepClock{}.clock());
        pumps = 0;
        load(kRoundAbout);
        std::string shownCount, shownChange, shownLimit;
        int bar = -1;
        atPump = [&](int k) {
            if (k != c.atPump) return;
            ProgressDialog* d = dialog();
            ASSERT_NE(d, nullptr);
            ASSERT_TRUE(d->isVisible());
            shownCount = str(d->sweepsText());
            shownChange = str(d->changeText());
            shownLimit = str(d->limitLabel()->text());
            bar = d->bar()->isVisible() ? d->bar()->value() : -1;
            if (std::string(c.how) == "button") QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
            if (std::string(c.how) == "escape") QTest::keyClick(d, Qt::Key_Escape);
            if (std::string(c.how) == "close box") d->close();
        };
        run(c.option, "1000000000");
        EXPECT_EQ(pumps, c.atPump);
        EXPECT_EQ(shownCount, std::string("İterasyon: ") + c.count);
        EXPECT_EQ(shownChange, "Maksimum hata: 1");
        // Digits in groups of three, with the locale's separator.
        const std::string g = groupSeparator();
        EXPECT_EQ(shownLimit, "İterasyon sınırı: 1" + g + "000" + g + "000" + g + "000");
        EXPECT_EQ(bar, 0);  // a few hundred sweeps of a billion
        // The report is the one a typed limit of that count gives, then the
        // line saying where the run was stopped.
        auto want = transcriptWithLimit(kRoundAbout, c.option, c.count);
        want.push_back(std::string("İterasyon ") + c.count + ". adımda durduruldu");
        EXPECT_EQ(lines(), want);
        EXPECT_EQ(lines().at(5), std::string(c.count) + " iterasyon adımı sonucunda");
        EXPECT_TRUE(messages.empty());
        EXPECT_FALSE(dialog()->isVisible());
        EXPECT_FALSE(w->session().loaded());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(w->runMonitor().timesShown(), 4);
}

TEST_F(ProgressTest, OnlyRunsLongerThanHalfASecondShowTheWindow) {
    struct Case {
        const char* limit;
        int shown;
        int pumps;
    };
    // Sweep k ends at k milliseconds.
    const Case cases[] = {{"0", 0, 0}, {"1", 0, 0}, {"499", 0, 0}, {"500", 1, 1}, {"539", 1, 1}, {"540", 1, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        w->runMonitor().setClock(StepClock{}.clock());
        const int before = w->runMonitor().timesShown();
        pumps = 0;
        load(kRoundAbout);
        run(Option::LesJacobi, c.limit);
        EXPECT_EQ(w->runMonitor().timesShown() - before, c.shown);
        EXPECT_EQ(pumps, c.pumps);
        EXPECT_EQ(lines().at(5), std::string(c.limit) + " iterasyon adımı sonucunda");
        if (dialog()) {
            EXPECT_FALSE(dialog()->isVisible());
        }
    }
    // A run that converges early never shows it, whatever its limit.
    w->runMonitor().setClock(StepClock{}.clock());
    load("2 3\n10 1 12\n2 10 22\n");
    run(Option::LesGaussSidel, "1000000000");
    EXPECT_EQ(lines().at(5), "5 iterasyon adımı sonucunda");
    EXPECT_EQ(w->runMonitor().timesShown(), 3);
}

TEST_F(ProgressTest, TheWindowTakesNoInputWhileTheProgressWindowIsUp) {
    load(kRoundAbout);
    const std::vector<std::string> loaded = lines();
    select(Option::LesJacobi);
    // Input as the window system delivers it, so that modality applies.
    auto click = [this](const char* name) {
        QWidget* c = child<QWidget>(name);
        const QPoint at = c->mapTo(w.get(), QPoint(6, c->height() / 2));
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, at);
    };
    std::vector<std::string> during;
    bool modal = false;
    atPump = [&](int k) {
        if (k == 1) {
            modal = QApplication::activeModalWidget() == dialog() && dialog()->isModal() &&
                    dialog()->windowModality() == Qt::WindowModal && dialog()->parentWidget() == w.get();
            for (const char* name : {"Command3", "Command_Hesapla", "Command1", "Option_LesGauss"}) click(name);
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
            during = lines();
        }
        // Nothing can start a second run inside this one either.
        w->onHesapla();
        w->onListele();
        w->onFileChosen();
        if (k == 2) QTest::mouseClick(dialog()->cancelButton(), Qt::LeftButton);
    };
    child<QLineEdit>("Text_MaxIter")->setText("1e9");
    press("Command_Hesapla");
    EXPECT_TRUE(modal);
    EXPECT_EQ(during, loaded);
    EXPECT_TRUE(w->option(Option::LesJacobi)->isChecked());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(lines().at(5), "540 iterasyon adımı sonucunda");
    // Afterwards the same clicks reach the window again.
    const std::size_t before = lines().size();
    click("Command3");
    ASSERT_EQ(lines().size(), before + 3);
    EXPECT_EQ(lines().back(), loaded.back());
    click("Option_LesGauss");
    EXPECT_TRUE(w->option(Option::LesGauss)->isChecked());
}

// What the disk and the drive and folder lists would change during a run
// waits for its end: the lists, the picture and the loaded matrix stay.
TEST_F(ProgressTest, ChangesOnDiskDuringARunApplyAfterIt) {
    load(kRoundAbout);
    const QString shown = QDir(dir.path()).filePath(QStringLiteral("alt"));
    QDir(dir.path()).mkdir(QStringLiteral("alt"));
    goTo(shown);
    press("Command1");
    const QImage drawn = w->pictureBox()->image();
    const std::vector<std::string> loaded = lines();
    const int files = w->fileList()->count();
    atPump = [&](int k) {
        if (k != 1) return;
        // The shown folder vanishes, a file appears; then what the folder
        // watchers and the drive and folder lists do on that.
        QDir(shown).removeRecursively();
        writeFile("yeni.txt", kThreeEquations);
        w->directoryList()->refresh();
        w->fileList()->refresh();
        w->fileChoice().onDirectoryChanged();
        w->fileChoice().onDriveChanged();
        EXPECT_EQ(w->directoryList()->path(), shown);
        EXPECT_EQ(w->fileList()->count(), files);
        EXPECT_EQ(w->pictureBox()->image(), drawn);
        EXPECT_EQ(lines(), loaded);
        QTest::mouseClick(dialog()->cancelButton(), Qt::LeftButton);
    };
    run(Option::LesJacobi, "1e9");
    EXPECT_EQ(pumps, 1);
    EXPECT_EQ(lines().at(5), "500 iterasyon adımı sonucunda");
    // Afterwards: the folder above, its files, and the picture cleared.
    EXPECT_EQ(w->directoryList()->path(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(w->fileList()->findItems(QStringLiteral("yeni.txt"), Qt::MatchExactly).size(), 1);
    EXPECT_NE(w->pictureBox()->image(), drawn);
    EXPECT_TRUE(messages.empty());
}

// A host that draws into a canvas of its own and stops after a given
// sweep: the picture the window must show after a cancel there.
class CanvasHost : public Host {
public:
    ui::PictureCanvas canvas;
    std::string limit, factor;
    std::int64_t stopAt = 0;
    void listAppend(ResultLine) override {}
    void listClear() override {}
    PictureSurface& picture() override { return canvas; }
    void message(const std::string&) override {}
    bool keepIterating(std::int64_t k, double) override { return k < stopAt; }
};

TEST_F(ProgressTest, TheSorPlotKeepsDrawingAndKeepsItsCircles) {
    load(kRoundAbout);
    std::vector<QImage> onScreen, drawn;
    atPump = [&](int k) {
        w->pictureBox()->repaint();
        onScreen.push_back(w->pictureBox()->grab().toImage().convertToFormat(QImage::Format_RGB32));
        drawn.push_back(w->pictureBox()->image());
        if (k == 3) QTest::mouseClick(dialog()->cancelButton(), Qt::LeftButton);
    };
    run(Option::LesSOR, "2000");
    ASSERT_EQ(onScreen.size(), 3u);
    EXPECT_EQ(lines().at(5), "580 iterasyon adımı sonucunda");
    CanvasHost ref;
    ref.limit = "2000";
    ref.factor = "1";
    ref.stopAt = 580;
    Session s(ref);
    ASSERT_TRUE(s.loadFile(QFile::encodeName(QDir(dir.path()).filePath("m.txt")).toStdString()));
    s.hesapla({Option::LesSOR, {ref.limit, ref.factor}});
    EXPECT_EQ(w->pictureBox()->image(), ref.canvas.image());
    // While it ran, the box on the screen showed the picture as it grew.
    for (std::size_t i = 0; i < onScreen.size(); ++i) {
        SCOPED_TRACE(i);
        const QImage& g = onScreen[i];
        for (int y = 1; y < g.height() - 1; ++y)
            for (int x = 1; x < g.width() - 1; ++x)
                ASSERT_EQ(g.pixel(x, y), drawn[i].pixel(x, y)) << x << "," << y;
    }
    EXPECT_NE(drawn.front(), drawn.back());
}

}  // namespace
}  // namespace lineer::uitest
