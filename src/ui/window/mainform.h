#pragma once
// The main window's form: its controls, placed in twips where the form
// has them, in the order it creates them, and their captions.

#include <array>

#include "methodtable.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lineer::ui {

class DirectoryList;
class DriveList;
class FileList;
class PictureBox;
class ResultsView;

struct MainForm {
    // Makes the controls on a new central widget of `window` and sets
    // their keyboard order.
    void build(QMainWindow* window);
    // Every caption from the catalogue, and the font that lets each fit.
    void setTexts();
    void setParameterRows(bool maxIterShown, bool wShown);
    QRadioButton* option(Option o) const { return options[static_cast<std::size_t>(o)]; }

    QWidget* form = nullptr;
    PictureBox* picture = nullptr;
    ResultsView* list = nullptr;
    QPushButton* hesapla = nullptr;
    QPushButton* listele = nullptr;
    QPushButton* goster = nullptr;
    QGroupBox* frame1 = nullptr;
    QGroupBox* frame2 = nullptr;
    DriveList* drive = nullptr;
    DirectoryList* dir = nullptr;
    FileList* file = nullptr;
    QLineEdit* maxIter = nullptr;
    QLineEdit* w = nullptr;
    QLabel* label1 = nullptr;
    QLabel* label2 = nullptr;
    std::array<QLabel*, 3> headings{};
    std::array<QRadioButton*, kOptionCount> options{};

private:
    void buildMethodFrame(QWidget* window);
    void buildFileFrame();
    void setKeyboardOrder(QWidget* window);
};

}  // namespace lineer::ui
