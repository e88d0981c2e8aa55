#pragma once
// "Alıştırma oluştur": an exercise of a chosen kind, size and seed written
// into the folder the file list shows, with its answer key beside it when
// asked; the window then loads it.

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

#include "exercise.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace lineer::ui {

class ExerciseDialog : public QDialog {
public:
    // `ask` puts a question (true: go on), `message` says why a file could
    // not be written; `decimal` writes the key's figures.
    ExerciseDialog(QString folder, std::string decimal, std::function<bool(const QString&)> ask,
                   std::function<void(const QString&)> message, QWidget* parent = nullptr);

    QComboBox* kindBox() const { return kind_; }
    QSpinBox* sizeBox() const { return size_; }
    QSpinBox* seedBox() const { return seed_; }
    QCheckBox* answersBox() const { return answers_; }

    exercises::Exercise exercise() const;
    // The files the choices write.
    QString exercisePath() const;
    QString answersPath() const;

    // Writes the key (when asked) and then the exercise, asking first
    // before a file that is there is replaced; closes once both are
    // written, else stays open.
    void accept() override;

private:
    void showFileName();
    bool written(const QString& path, const std::string& contents);

    QString folder_;
    std::string decimal_;
    std::function<bool(const QString&)> ask_;
    std::function<void(const QString&)> message_;
    QComboBox* kind_ = nullptr;
    QSpinBox* size_ = nullptr;
    QSpinBox* seed_ = nullptr;
    QCheckBox* answers_ = nullptr;
    QLabel* file_ = nullptr;
};

}  // namespace lineer::ui
