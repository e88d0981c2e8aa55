#pragma once
// The main window Form1: the file choice, the method options, the three
// buttons, the picture box and the results list. It is the host of the
// session that holds the workspace and does what the buttons ask.

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <array>
#include <string>

#include "aboutwindow.h"
#include "handout.h"
#include "menus.h"
#include "runprogress.h"
#include "session.h"
#include "textbookmenu.h"
#include "userdialogs.h"
#include "viewmenu.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace lineer::ui {

class DirectoryList;
class ExerciseDialog;
class IterationDialog;
class DriveList;
class FileList;
class MatrixEditor;
class PictureBox;
class PictureWindow;
class ResultsView;

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    // Every box, file dialog and question goes to `dialogs`, which must
    // outlive the window; none: the modal ones.
    explicit MainWindow(UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    PictureBox* pictureBox() const { return picture_; }
    ResultsView* results() const { return list_; }
    DirectoryList* directoryList() const { return dir_; }
    DriveList* driveList() const { return drive_; }
    FileList* fileList() const { return file_; }
    QRadioButton* option(Option o) const { return options_[static_cast<std::size_t>(o)]; }
    // The About window while it is open.
    AboutWindow* aboutWindow() const;
    // What watches a method run and shows the progress window.
    RunMonitor& runMonitor() { return monitor_; }

    // The handlers.
    void onDriveChanged();
    void onDirectoryChanged();
    void onFileChosen();
    void onOptionSelected();
    void onListele();
    void onGoster();
    void onHesapla();
    // "Yöntemleri karşılaştır".
    void onKarsilastir();
    // A method of "Ders kitabı" was chosen: no option button stays chosen.
    void onTextbookChosen();
    // "İterasyon ayarları..." and "Alıştırma oluştur...": the dialog, open
    // over the window until it is closed (then deleted). An exercise
    // written is loaded.
    IterationDialog* iterationDialog();
    ExerciseDialog* exerciseDialog();
    TextbookMenu& textbookMenu() { return textbook_; }
    void showAbout();

    // The two text boxes and the option buttons.
    std::string textMaxIter() const;
    std::string textW() const;
    bool optionSelected(Option option) const;
    // What "Hesapla" runs: the first selected option and the boxes' texts.
    RunRequest request() const;

    // "Yeni matris..." (an empty 3 x 4 system) and "Matrisi düzenle..."
    // (the last loaded file as it was read): opens the matrix editor.
    MatrixEditor* editMatrix(bool fromLoaded);
    // Loads `path` as a click on it in the file list does, with the pickers
    // moved to its folder and the file selected: "Aç...", a dropped file
    // and "--open FILE".
    void openFile(const QString& path);

    // "Yeniden yükle ve hesapla" (F9): loads the file chosen in the file
    // list (or else the last file loaded) as a click on it does and, when
    // the load succeeds, presses "Hesapla".
    void reloadAndRun();

    // The rest of the "Dosya" menu.
    void openDialog();
    void saveResultsDialog();
    // "Resmi kaydet...": the size is asked of the dialogs.
    void savePictureDialog();
    // The picture window, opened or brought to the front.
    PictureWindow* showPictureWindow();
    void printDialog();
    // Prints on a printer already set up, asking first above 50 pages.
    void printTo(QPrinter& printer);
    // "Dışa aktar...": LaTeX, HTML or PDF by the extension.
    void exportDialog();
    void exportTo(const QString& path);
    // The printed pages' heading: the loaded file and the method run on it.
    QString printHeading() const;
    // What the pages and the export show: the results list, the heading,
    // the picture when one is shown.
    Handout handout() const;

    // Sets every text the window shows from the catalogue: the caption,
    // the buttons, the labels, the option captions and the menus; the font
    // is chosen again so that every caption fits.
    void retranslate();

    // Host
    void listAppend(ResultLine line) override;
    void listClear() override;
    PictureSurface& picture() override;
    void message(const std::string& text) override;
    void remark(const std::string& text) override;
    bool keepIterating(std::int64_t sweeps, double maxChange) override;

protected:
    void changeEvent(QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // The controls, in the order the form creates them.
    void build();
    void buildMenus();
    void buildMethodFrame();
    void buildFileFrame();
    void setKeyboardOrder();
    // The file controls start in the process's current folder.
    void startInCurrentFolder();
    void connectControls();
    QString askSavePath(const QString& title, const QString& start, const QString& filter);
    QString loadedPath() const;
    void setParameterRows(bool maxIter, bool w);
    // The caption, with the method of "Ders kitabı" when one is chosen.
    void showTitle();
    void showInPickers(const QString& path);
    void loadPath(const QString& path);
    // A run holds back what the file system and the drive and folder lists
    // would change, and applies it when it has ended.
    void runBegins();
    void runEnded();
    struct RunScope;  // runBegins() to runEnded()

    ModalDialogs modal_;
    UserDialogs& dialogs_;
    Session session_;
    RunMonitor monitor_{this};
    QWidget* form_ = nullptr;
    PictureBox* picture_ = nullptr;
    ResultsView* list_ = nullptr;
    QPushButton* hesapla_ = nullptr;
    QPushButton* listele_ = nullptr;
    QPushButton* goster_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    DriveList* drive_ = nullptr;
    DirectoryList* dir_ = nullptr;
    FileList* file_ = nullptr;
    QLineEdit* maxIter_ = nullptr;
    ViewActions view_;  // "Adımları göster", "Analizi göster"
    QLineEdit* w_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QLabel*, 3> headings_{};
    std::array<QRadioButton*, kOptionCount> options_{};
    Menus menus_;
    TextbookMenu textbook_;
    QMap<QString, QString> dirOfDrive_;  // the last folder visited on each drive
    QPointer<AboutWindow> about_;
    QPointer<PictureWindow> pictureWindow_;
    QString loading_;  // the file being loaded, while its load runs
    bool driveWaits_ = false, folderWaits_ = false;  // changes seen during a run
};

}  // namespace lineer::ui
