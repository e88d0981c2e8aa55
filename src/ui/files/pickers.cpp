#include "pickers.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <utility>

namespace lineer::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kLevelRole = Qt::UserRole + 1;

QStringList driveRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& d : QDir::drives()) roots << QDir::toNativeSeparators(d.absoluteFilePath());
#else
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady()) continue;
        const QString r = v.rootPath();
        if (!roots.contains(r)) roots << r;
    }
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        if (a == QLatin1String("/") || b == QLatin1String("/")) return a == QLatin1String("/") && b != a;
        return a < b;
    });
    if (!roots.contains(QStringLiteral("/"))) roots.prepend(QStringLiteral("/"));
#endif
    return roots;
}

// Indents the directory entries by their depth.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kStep = 8;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        o.rect.setLeft(o.rect.left() + kStep * index.data(kLevelRole).toInt());
        QStyledItemDelegate::paint(p, o, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.rwidth() += kStep * index.data(kLevelRole).toInt();
        return s;
    }
};

}  // namespace

FolderWatch::FolderWatch(QObject* parent, std::function<void()> changed) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(150);
    connect(&settle_, &QTimer::timeout, this, std::move(changed));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
}

void FolderWatch::watch(const QString& path) {
    if (watcher_.directories() == QStringList{path}) return;
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    watcher_.addPath(path);
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    for (const QString& r : driveRoots()) addItem(r, r);
    connect(this, &QComboBox::activated, this, [this](int) { emit driveChanged(drive()); });
}

QString DriveList::drive() const { return currentData().toString(); }

QString DriveList::driveOf(const QString& path) {
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath().left(3));
#else
    // The drive of a folder is the mount that holds it: the longest listed
    // root that is a prefix of it.
    const QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString best = QStringLiteral("/");
    for (const QString& r : driveRoots()) {
        const bool inside = p == r || p.startsWith(r.endsWith('/') ? r : r + '/');
        if (inside && r.size() > best.size()) best = r;
    }
    return best;
#endif
}

void DriveList::showDriveOf(const QString& path) {
    const int i = findData(driveOf(path));
    if (i >= 0) {
        QSignalBlocker b(this);
        setCurrentIndex(i);
    }
}

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent), watch_(this, [this] { refresh(); }) {
    setItemDelegate(new IndentDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { enter(item->data(kPathRole).toString()); });
}

void DirectoryList::enter(const QString& path) {
    if (setPath(path)) return;
    refresh();
    emit refused(path);
}

void DirectoryList::refresh() {
    if (held_) {
        waiting_ = true;
        return;
    }
    if (QFileInfo(path_).isDir()) {
        fill();
        return;
    }
    // The folder shown was removed: the nearest folder above it that can
    // still be opened.
    for (QString p = path_; !setPath(p);) {
        const QString up = QFileInfo(p).path();
        if (up == p) break;
        p = up;
    }
}

void DirectoryList::hold(bool held) {
    held_ = held;
    if (!held_ && std::exchange(waiting_, false)) refresh();
}

bool DirectoryList::setPath(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.isDir() || !fi.isReadable()) return false;
    const QString clean = QDir::cleanPath(fi.absoluteFilePath());
    const bool changed = clean != path_;
    path_ = clean;
    watch_.watch(path_);
    fill();
    if (changed) emit pathChanged(path_);
    return true;
}

void DirectoryList::fill() {
    clear();
    const QStyle* st = style();
    const QIcon open = st->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = st->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain from the root down to the current folder.
    QStringList chain;
    for (QDir d(path_);;) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    int level = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& p : chain) {
        const QString name = QDir(p).isRoot() ? QDir::toNativeSeparators(p) : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(open, name, this);
        item->setData(kPathRole, p);
        item->setData(kLevelRole, level++);
        current = item;
    }
    const QDir here(path_);
    const QStringList subs =
        here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& s : subs) {
        auto* item = new QListWidgetItem(closed, s, this);
        item->setData(kPathRole, here.absoluteFilePath(s));
        item->setData(kLevelRole, level);
    }
    if (current) {
        setCurrentItem(current);
        scrollToItem(current);
    }
}

FileList::FileList(QWidget* parent) : QListWidget(parent), watch_(this, [this] { refresh(); }) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem*) { emit fileChosen(); });
}

void FileList::setPath(const QString& path) {
    path_ = path;
    watch_.watch(path_);
    clear();
    refresh();
}

void FileList::refresh() {
    if (held_) {
        waiting_ = true;
        return;
    }
    const QString chosen = fileName();
    const int scrolled = verticalScrollBar()->value();
    clear();
    const QDir dir(path_);
    const QStringList names = dir.entryList({QStringLiteral("*.txt")}, QDir::Files,
                                            QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    addItems(names);
    choose(chosen);
    verticalScrollBar()->setValue(scrolled);
}

void FileList::hold(bool held) {
    held_ = held;
    if (!held_ && std::exchange(waiting_, false)) refresh();
}

void FileList::choose(const QString& name) {
    const auto items = name.isEmpty() ? QList<QListWidgetItem*>{} : findItems(name, Qt::MatchExactly);
    if (items.isEmpty()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentItem(items[0]);
    scrollToItem(items[0]);
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

QString FileList::filePath() const { return QDir(path_).filePath(fileName()); }

void FileList::keyPressEvent(QKeyEvent* e) {
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    const int after = currentRow();
    if (after < 0) return;
    const bool pick = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    if (after != before || pick) emit fileChosen();
}

}  // namespace lineer::ui
