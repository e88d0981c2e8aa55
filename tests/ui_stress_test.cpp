// The file controls when the file system changes under them: folders and
// files that go away while shown, folders that cannot be read, drives that
// are not ready. No crash, no hang, a message, and nothing lost.

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

// What a failed click must leave alone.
struct Snapshot {
    std::vector<std::string> lines;
    std::unique_ptr<Workspace> ws;
    QImage picture;
};

struct StressTest : WindowTest {
    Snapshot snap() const {
        return {lines(), std::make_unique<Workspace>(w->session().workspace()), w->pictureBox()->image()};
    }
    void expectUnchanged(const Snapshot& s) const {
        EXPECT_EQ(lines(), s.lines);
        const Workspace& ws = w->session().workspace();
        EXPECT_EQ(ws.n, s.ws->n);
        EXPECT_EQ(ws.m, s.ws->m);
        EXPECT_EQ(std::memcmp(&ws.A, &s.ws->A, sizeof ws.A), 0);
        EXPECT_EQ(std::memcmp(&ws.x, &s.ws->x, sizeof ws.x), 0);
        EXPECT_EQ(w->pictureBox()->image(), s.picture);
    }
    QStringList dirEntries() const {
        QStringList v;
        for (int i = 0; i < w->directoryList()->count(); ++i) v << w->directoryList()->item(i)->text();
        return v;
    }
    QStringList files() const {
        QStringList v;
        for (int i = 0; i < w->fileList()->count(); ++i) v << w->fileList()->item(i)->text();
        return v;
    }
    // Enter on the directory entry `name`, as a user does.
    void enterFolder(const QString& name) {
        const auto items = w->directoryList()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << str(name);
        w->directoryList()->setCurrentItem(items.back());
        w->directoryList()->setFocus();
        QTest::keyClick(w->directoryList(), Qt::Key_Return);
    }
    // Loads a file and draws it, so that there is something to lose.
    void loadAndDraw(const QString& folder) {
        goTo(folder);
        clickFile("uc.txt");
        ASSERT_TRUE(w->session().loaded());
        press("Command1");
    }
};

TEST_F(StressTest, FilesThatChangedAfterTheListShowedThem) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> change;
    };
    const Case cases[] = {
        {"deleted", [](const QString& p) { ASSERT_TRUE(QFile::remove(p)); }},
        {"renamed", [](const QString& p) { ASSERT_TRUE(QFile::rename(p, p + ".eski")); }},
        {"now a folder",
         [](const QString& p) {
             ASSERT_TRUE(QFile::remove(p));
             ASSERT_TRUE(QDir().mkdir(p));
         }},
        {"now a pipe",  // opening it must not wait for a writer
         [](const QString& p) {
             ASSERT_TRUE(QFile::remove(p));
             ASSERT_EQ(::mkfifo(QFile::encodeName(p).constData(), 0600), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir d;
        const QString folder = d.path();
        {
            QFile f(folder + "/uc.txt");
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(kThreeEquations);
            QFile g(folder + "/iki.txt");
            ASSERT_TRUE(g.open(QIODevice::WriteOnly));
            g.write(kTwoByThree);
        }
        loadAndDraw(folder);
        const Snapshot before = snap();
        const QStringList shown = files();
        c.change(folder + "/iki.txt");
        messages.clear();
        clickFile("iki.txt");
        EXPECT_EQ(messages, std::vector<std::string>{"Dosya açılamadı: " + str(folder) + "/iki.txt"});
        expectUnchanged(before);
        // A load that did not reach its end leaves no file loaded.
        EXPECT_FALSE(w->session().loaded());
        EXPECT_EQ(files(), shown);
        EXPECT_EQ(w->directoryList()->path(), folder);
    }
}

TEST_F(StressTest, FoldersThatDisappearWhileShown) {
    const QString top = writeFile("uc.txt", kThreeEquations);
    writeFile("x.txt", "1 1 2\n", "alt");
    writeFile("y.txt", "1 1 3\n", "ic/derin");
    loadAndDraw(top);
    const Snapshot before = snap();

    // A sub-folder removed after the list showed it: a message, and the
    // list shows the folders as they are now.
    ASSERT_TRUE(QDir(top + "/alt").removeRecursively());
    enterFolder("alt");
    EXPECT_EQ(messages, std::vector<std::string>{"Klasör açılamadı: " + str(top) + "/alt"});
    EXPECT_EQ(w->directoryList()->path(), top);
    EXPECT_FALSE(dirEntries().contains("alt"));
    EXPECT_TRUE(dirEntries().contains("ic"));
    expectUnchanged(before);
    EXPECT_TRUE(w->session().loaded());

    // The folder shown is itself removed, with its parent: a click on its
    // files, then on its entries, climbs to the nearest folder still there.
    goTo(top + "/ic/derin");
    const Snapshot inside = snap();
    ASSERT_TRUE(QDir(top + "/ic").removeRecursively());
    messages.clear();
    clickFile("y.txt");
    EXPECT_EQ(messages, std::vector<std::string>{"Dosya açılamadı: " + str(top) + "/ic/derin/y.txt"});
    expectUnchanged(inside);
    enterFolder("derin");
    EXPECT_EQ(messages.back(), "Klasör açılamadı: " + str(top) + "/ic/derin");
    EXPECT_EQ(w->directoryList()->path(), top);
    EXPECT_EQ(w->fileList()->path(), top);
    EXPECT_EQ(files(), QStringList{"uc.txt"});
    EXPECT_EQ(lines(), before.lines);

    // Everything removed, the temporary folder too.
    const QString parent = QFileInfo(top).path();
    ASSERT_TRUE(dir.remove());
    enterFolder(QFileInfo(top).fileName());
    EXPECT_EQ(w->directoryList()->path(), parent);
    EXPECT_TRUE(files().isEmpty() || !files().contains("uc.txt"));
    EXPECT_EQ(lines(), before.lines);
}

TEST_F(StressTest, FoldersThatCannotBeRead) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder";
    const QString top = writeFile("uc.txt", kThreeEquations);
    writeFile("a.txt", "1 1 2\n", "kapali");
    writeFile("b.txt", "1 1 3\n", "gizli");
    writeFile("c.txt", "1 1 4\n", "adsiz");
    auto mode = [&](const char* sub, mode_t m) { ASSERT_EQ(::chmod(QFile::encodeName(top + "/" + sub).constData(), m), 0); };
    mode("kapali", 0);      // nothing allowed
    mode("gizli", 0300);    // can pass through, cannot list
    mode("adsiz", 0400);    // can list the names, cannot reach the files
    loadAndDraw(top);
    const Snapshot before = snap();
    for (const char* sub : {"kapali", "gizli"}) {
        SCOPED_TRACE(sub);
        messages.clear();
        enterFolder(sub);
        EXPECT_EQ(messages, std::vector<std::string>{"Klasör açılamadı: " + str(top) + "/" + sub});
        EXPECT_EQ(w->directoryList()->path(), top);
        expectUnchanged(before);
        EXPECT_TRUE(w->session().loaded());
    }
    messages.clear();
    enterFolder("adsiz");
    EXPECT_TRUE(messages.empty());
    if (files().contains("c.txt")) {
        clickFile("c.txt");
        EXPECT_EQ(messages, std::vector<std::string>{"Dosya açılamadı: " + str(top) + "/adsiz/c.txt"});
        EXPECT_EQ(lines(), before.lines);
    }
    for (const char* sub : {"kapali", "gizli", "adsiz"}) mode(sub, 0700);
}

TEST_F(StressTest, ADriveThatIsNotReady) {
    const QString top = writeFile("uc.txt", kThreeEquations);
    loadAndDraw(top);
    const Snapshot before = snap();
    ui::DriveList* drive = w->driveList();
    const QString current = drive->drive();
    const QString gone = dir.path() + "/surucu";  // a drive that went away after the list showed it
    drive->addItem(gone, gone);
    drive->setCurrentIndex(drive->count() - 1);
    emit drive->activated(drive->count() - 1);
    EXPECT_EQ(messages, std::vector<std::string>{"Sürücü hazır değil: " + str(gone)});
    EXPECT_EQ(drive->drive(), current);
    EXPECT_EQ(w->directoryList()->path(), top);
    EXPECT_EQ(files(), QStringList{"uc.txt"});
    EXPECT_EQ(lines(), before.lines);
    EXPECT_TRUE(w->session().loaded());
    // The picture is cleared as for any change of drive.
    QImage blank(before.picture.size(), QImage::Format_RGB32);
    blank.fill(ui::PictureCanvas::kBackground);
    EXPECT_EQ(w->pictureBox()->image(), blank);
}

}  // namespace
}  // namespace lineer::uitest
