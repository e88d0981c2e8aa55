#include "filechoice.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

#include "pickers.h"
#include "texts.h"

namespace lineer::ui {

FileChoice::FileChoice(DriveList* drive, DirectoryList* dir, FileList* file,
                       std::function<void(const std::string&)> message, std::function<void()> moved, QObject* parent)
    : QObject(parent), drive_(drive), dir_(dir), file_(file), message_(std::move(message)), moved_(std::move(moved)) {
    connect(drive_, &DriveList::driveChanged, this, &FileChoice::onDriveChanged);
    connect(dir_, &DirectoryList::pathChanged, this, &FileChoice::onDirectoryChanged);
    connect(dir_, &DirectoryList::refused, this, [this](const QString& path) {
        message_(format(Text::FolderNotOpened, QDir::toNativeSeparators(path).toStdString()));
    });
}

void FileChoice::startInCurrentFolder() {
    const QString start = QDir::currentPath();
    drive_->showDriveOf(start);
    dir_->setPath(start);
    file_->setPath(dir_->path());
    dirOfDrive_[DriveList::driveOf(start)] = dir_->path();
}

void FileChoice::onDriveChanged() {
    if (held_) {
        driveWaits_ = true;
        return;
    }
    const QString root = drive_->drive();
    QString target = dirOfDrive_.value(root, root);
    if (!dir_->setPath(target) && !dir_->setPath(root)) {
        // The drive is not ready: the list goes back to the folder's drive.
        drive_->showDriveOf(dir_->path());
        message_(format(Text::DriveNotReady, QDir::toNativeSeparators(root).toStdString()));
    }
    moved_();
}

void FileChoice::onDirectoryChanged() {
    if (held_) {
        folderWaits_ = true;
        return;
    }
    file_->setPath(dir_->path());
    // A folder on another file system shows that one in the drive list.
    drive_->showDriveOf(dir_->path());
    dirOfDrive_[DriveList::driveOf(dir_->path())] = dir_->path();
    moved_();
}

void FileChoice::showFile(const QString& path) {
    const QFileInfo file(path);
    // Moving the folder list brings the drive and the file list along.
    if (!dir_->setPath(file.absolutePath())) return;
    file_->refresh();
    // A file not named *.txt is loaded but not listed: nothing is chosen.
    file_->choose(file.fileName());
}

void FileChoice::hold(bool held) {
    held_ = held;
    dir_->hold(held);
    file_->hold(held);
    if (held) return;
    if (std::exchange(driveWaits_, false)) onDriveChanged();
    if (std::exchange(folderWaits_, false)) onDirectoryChanged();
}

}  // namespace lineer::ui
