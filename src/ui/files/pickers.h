#pragma once
// The drive, directory and file lists of the file choice.

#include <QComboBox>
#include <QFileSystemWatcher>
#include <QListWidget>
#include <QString>
#include <QTimer>

#include <functional>

namespace lineer::ui {

// The drives: on Windows the drive letters, elsewhere the mounted file
// systems with the root first.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);
    // The root path of the chosen drive.
    QString drive() const;
    // Chooses the drive that holds `path` (without a change notification).
    void showDriveOf(const QString& path);
    // The root of the drive that holds `path`.
    static QString driveOf(const QString& path);

signals:
    void driveChanged(const QString& root);
};

// Follows a folder on disk: `changed` runs shortly after something in it
// appears, vanishes or is renamed (changes close together run it once).
class FolderWatch : public QObject {
    Q_OBJECT
public:
    FolderWatch(QObject* parent, std::function<void()> changed);
    void watch(const QString& path);

private:
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

// The directory list: the folders from the root down to the current one,
// then the current folder's sub-folders. A double click or Enter on an
// entry goes there. It follows the disk; a shown folder that vanishes
// gives way to the nearest folder above it.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    // Moves to `path`; emits pathChanged when the path changes. A path that
    // is not a readable folder is refused (returns false).
    bool setPath(const QString& path);
    // What a double click or Enter on an entry does: moves there, or, when
    // that folder cannot be opened, shows the folders as they are now
    // (climbing out of a shown folder that is gone) and emits refused.
    void enter(const QString& path);
    // Shows the folders as they are on disk now.
    void refresh();
    // While held, a refresh (the disk's or the user's) waits; releasing
    // does the one that waited.
    void hold(bool held);

signals:
    void pathChanged(const QString& path);
    void refused(const QString& path);

private:
    void fill();
    QString path_;
    FolderWatch watch_;
    bool held_ = false, waiting_ = false;
};

// The file list: the "*.txt" files of one folder, following the disk. A
// file chosen by mouse (a click, also on the chosen one) or keyboard
// (moving onto it, Enter or Space) emits fileChosen; a chosen file that
// vanishes is no longer chosen, and nothing is loaded by that.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    void setPath(const QString& path);
    // Shows the folder's files again, the chosen one still chosen.
    void refresh();
    // As DirectoryList::hold.
    void hold(bool held);
    // Chooses `name` when it is listed (without fileChosen); else none.
    void choose(const QString& name);
    QString fileName() const;
    QString filePath() const;

signals:
    void fileChosen();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QString path_;
    FolderWatch watch_;
    bool held_ = false, waiting_ = false;
};

}  // namespace lineer::ui
