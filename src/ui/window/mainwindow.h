#pragma once
// The main window Form1: the file choice, the method options, the three
// buttons, the picture box and the results list. It is the host of the
// session that holds the workspace and does what the buttons ask.

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>

#include "aboutwindow.h"
#include "handoutcommands.h"
#include "mainform.h"
#include "menus.h"
#include "runprogress.h"
#include "session.h"
#include "textbookmenu.h"
#include "userdialogs.h"
#include "viewmenu.h"

class QPrinter;
class QRadioButton;

namespace lineer::ui {

class ExerciseDialog;
class FileChoice;
class IterationDialog;
class MatrixEditor;
class PictureWindow;

class MainWindow : public QMainWindow, public Host {
    Q_OBJECT
public:
    // Every box, file dialog and question goes to `dialogs`, which must
    // outlive the window; none: the modal ones.
    explicit MainWindow(UserDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return session_; }
    PictureBox* pictureBox() const { return f_.picture; }
    ResultsView* results() const { return f_.list; }
    DirectoryList* directoryList() const { return f_.dir; }
    DriveList* driveList() const { return f_.drive; }
    FileList* fileList() const { return f_.file; }
    QRadioButton* option(Option o) const { return f_.option(o); }
    // The About window while it is open.
    AboutWindow* aboutWindow() const;
    // What watches a method run and shows the progress window.
    RunMonitor& runMonitor() { return monitor_; }

    // The handlers.
    // The drive, folder and file lists together.
    FileChoice& fileChoice() { return *files_; }
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
    // "Yazdır..." and "Dışa aktar...".
    HandoutCommands& handouts() { return *handouts_; }

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
    void connectControls();
    QString askSavePath(const QString& title, const QString& start, const QString& filter);
    QString loadedPath() const;
    // The caption, with the method of "Ders kitabı" when one is chosen.
    void showTitle();
    void loadPath(const QString& path);
    // A run holds the file choice until it has ended.
    void runBegins();
    void runEnded();
    struct RunScope;  // runBegins() to runEnded()

    ModalDialogs modal_;
    UserDialogs& dialogs_;
    Session session_;
    RunMonitor monitor_{this};
    MainForm f_;
    FileChoice* files_ = nullptr;
    std::unique_ptr<HandoutCommands> handouts_;
    ViewActions view_;  // "Adımları göster", "Analizi göster"
    Menus menus_;
    TextbookMenu textbook_;
    QPointer<AboutWindow> about_;
    QPointer<PictureWindow> pictureWindow_;
    QString loading_;  // the file being loaded, while its load runs
};

}  // namespace lineer::ui
