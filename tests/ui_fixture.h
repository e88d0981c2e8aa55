#pragma once
// A shown main window whose message boxes are recorded instead of shown,
// and a folder of coefficient files.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pickers.h"
#include "mainwindow.h"
#include "picturebox.h"
#include "matrixeditor.h"
#include "resultslist.h"
#include "userdialogs.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace lineer::uitest {

inline std::string str(const QString& s) { return s.toStdString(); }

// The window's dialogs, answered by whichever hook a test has set; the
// modal ones where none is.
struct TestDialogs : ui::ModalDialogs {
    // Message texts, instead of the box.
    std::function<void(const QString&)> messageHook;
    // The file dialogs' answer, given the title and the proposed path (an
    // empty answer cancels); a picture is then saved at the box's size,
    // SVG at twice that.
    std::function<QString(const QString& title, const QString& start)> pathHook;
    // The question before a long print (true prints).
    std::function<bool(const QString&)> questionHook;

    void message(QWidget* window, const QString& text) override {
        if (messageHook) return messageHook(text);
        ModalDialogs::message(window, text);
    }
    QString path(QWidget* window, const QString& title, const QString& start, const QString& filter,
                 bool save) override {
        return pathHook ? pathHook(title, start) : ModalDialogs::path(window, title, start, filter, save);
    }
    bool question(QWidget* window, const QString& q) override {
        return questionHook ? questionHook(q) : ModalDialogs::question(window, q);
    }
    std::optional<QSize> pictureSize(QWidget* window, QSize box, bool svg) override {
        if (pathHook) return svg ? box * 2 : box;
        return ModalDialogs::pictureSize(window, box, svg);
    }
    // The editor's messages go where the window's go.
    void editorOpened(ui::MatrixEditor& editor) override { editor.messageHook = messageHook; }
};

struct WindowTest : ::testing::Test {
    QTemporaryDir dir;
    TestDialogs dialogs;  // outlives the window
    std::unique_ptr<ui::MainWindow> w;
    std::vector<std::string> messages;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dialogs.messageHook = [this](const QString& t) { messages.push_back(str(t)); };
        w = std::make_unique<ui::MainWindow>(&dialogs);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    void TearDown() override { w.reset(); }

    template <class T>
    T* child(const char* name) const {
        T* c = w->findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    QString writeFile(const QString& name, const QByteArray& content, const QString& sub = {}) {
        QDir d(dir.path());
        if (!sub.isEmpty()) {
            d.mkpath(sub);
            d.cd(sub);
        }
        QFile f(d.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return d.path();
    }

    std::vector<std::string> lines() const {
        auto* m = w->results()->results();
        std::vector<std::string> v;
        for (std::size_t i = 0; i < m->lineCount(); ++i) v.push_back(m->line(i));
        return v;
    }

    // Moves the directory list to `path` as a user does: Enter on its entry
    // after stepping into the parent.
    void goTo(const QString& path) { ASSERT_TRUE(w->directoryList()->setPath(path)); }

    // Clicks the file `name` in the file list.
    void clickFile(const QString& name) {
        ui::FileList* f = w->fileList();
        const auto items = f->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << str(name);
        const QRect r = f->visualItemRect(items[0]);
        QTest::mouseClick(f->viewport(), Qt::LeftButton, {}, r.center());
    }

    void select(Option o) { QTest::mouseClick(w->option(o), Qt::LeftButton, {}, QPoint(6, w->option(o)->height() / 2)); }
    void press(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    // Clicks the file `name`, selects `o` and presses "Hesapla"; the results
    // list after the run.
    std::vector<std::string> calculate(const QString& name, Option o) {
        clickFile(name);
        select(o);
        press("Command_Hesapla");
        return lines();
    }

    QColor pixel(int x, int y) const { return w->pictureBox()->image().pixelColor(x, y); }
};

// Colour k of the picture's ramp.
inline QColor level(int k) { return QColor(255, 255 - 16 * k, 255 - 16 * k); }

// Resident memory of this process in MB.
inline double residentMb() {
    std::ifstream f("/proc/self/statm");
    long pages = 0, resident = 0;
    f >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The separator the progress window puts between groups of digits: the
// locale's, unless it is the decimal symbol.
inline std::string groupSeparator() {
    const QString g = QLocale().groupSeparator();
    return g == QLocale::system().decimalPoint() ? std::string() : g.toStdString();
}

inline const QByteArray kThreeEquations = "3 4\n2 1 -1 8\n-3 -1 2 -11\n-2 1 2 -3\n";
inline const QByteArray kTwoByThree = "2 3\n1 0 2\n-4 0 0\n";

}  // namespace lineer::uitest
