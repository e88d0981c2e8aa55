#pragma once
// The file choice as one: the drive, folder and file lists kept in step.
// Each drive remembers the last folder visited on it, and while a run
// holds the lists, what the disk or the user would change waits until the
// run has ended.

#include <QMap>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace lineer::ui {

class DirectoryList;
class DriveList;
class FileList;

class FileChoice : public QObject {
    Q_OBJECT
public:
    // `message` shows a failure; `moved` runs after the drive or the folder
    // changed.
    FileChoice(DriveList* drive, DirectoryList* dir, FileList* file, std::function<void(const std::string&)> message,
               std::function<void()> moved, QObject* parent = nullptr);

    // The lists start in the process's current folder.
    void startInCurrentFolder();
    // A drive chosen in the drive list goes to the folder last visited on
    // it, else its root; a drive that is not ready is refused.
    void onDriveChanged();
    // A folder chosen in the folder list lists its files and shows its
    // drive.
    void onDirectoryChanged();
    // Moves the lists to the folder of `path` and chooses its file there
    // (only a listed file is chosen).
    void showFile(const QString& path);
    // While held (a run), changes of drive and folder wait; releasing
    // applies them.
    void hold(bool held);

private:
    DriveList* drive_;
    DirectoryList* dir_;
    FileList* file_;
    std::function<void(const std::string&)> message_;
    std::function<void()> moved_;
    QMap<QString, QString> dirOfDrive_;  // the last folder visited on each drive
    bool held_ = false;
    bool driveWaits_ = false, folderWaits_ = false;  // changes seen while held
};

}  // namespace lineer::ui
