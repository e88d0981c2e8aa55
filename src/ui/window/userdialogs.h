#pragma once
// What the main window asks of the user, in one interface: its message
// boxes, the file dialogs, the question before a long print and the size
// of a saved picture. The window shows the modal ones; a test gives the
// window its own answers instead.

#include <QSize>
#include <QString>

#include <optional>

class QWidget;

namespace lineer::ui {

class MatrixEditor;

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Shows `text` over `window`, with the window's title and an OK button;
    // returns once the user has read it.
    virtual void message(QWidget* window, const QString& text) = 0;
    // A file dialog titled `title` that proposes `start` and lists `filter`'s
    // files; `save` asks for a file to write. An empty answer cancels.
    virtual QString path(QWidget* window, const QString& title, const QString& start, const QString& filter,
                         bool save) = 0;
    // Whether to print after `question` (how many pages it takes).
    virtual bool question(QWidget* window, const QString& question) = 0;
    // The size to save the picture at, given the box's own size and whether
    // the file is SVG (which has no size of the box as it is); none cancels.
    virtual std::optional<QSize> pictureSize(QWidget* window, QSize box, bool svg) = 0;
    // The window has opened `editor`, which asks its own questions.
    virtual void editorOpened(MatrixEditor& editor) = 0;
};

// The modal boxes and dialogs of the toolkit.
class ModalDialogs : public UserDialogs {
public:
    void message(QWidget* window, const QString& text) override;
    QString path(QWidget* window, const QString& title, const QString& start, const QString& filter,
                 bool save) override;
    bool question(QWidget* window, const QString& question) override;
    std::optional<QSize> pictureSize(QWidget* window, QSize box, bool svg) override;
    void editorOpened(MatrixEditor&) override {}
};

}  // namespace lineer::ui
