#include "mainform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>
#include <vector>

#include "fontfit.h"
#include "formbuild.h"
#include "optionlayout.h"
#include "pickers.h"
#include "picturebox.h"
#include "resultslist.h"
#include "toolkit.h"
#include "twips.h"
#include "windowgeometry.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

const QColor kRed(255, 0, 0);

}  // namespace

void MainForm::build(QMainWindow* window) {
    auto* growing = new GrowingForm(QSize(twips(8760), twips(8595)), window);
    form = growing;
    window->setCentralWidget(form);

    picture = placed<PictureBox>(form, "Picture1", 120, 2760, 3495, 3255);
    list = placed<ResultsView>(form, "List1", 120, 6120, 8175, 2205);
    growing->setStretching(list);
    hesapla = placed<QPushButton>(form, "Command_Hesapla", 3840, 4680, 1215, 375);
    buildMethodFrame(window);
    listele = placed<QPushButton>(form, "Command3", 3840, 3000, 1215, 375);
    buildFileFrame();
    goster = placed<QPushButton>(form, "Command1", 3840, 3840, 1215, 375);
    setKeyboardOrder(window);
}

void MainForm::buildMethodFrame(QWidget* window) {
    frame2 = placed<QGroupBox>(form, "Frame2", 5160, 240, 3375, 5775);
    auto* fitting = new FittingIndicator(twips(195) - 1);
    fitting->setParent(window);
    for (const OptionLayout& row : kOptionLayout) {
        auto* b = new QRadioButton(frame2);
        b->setObjectName(QLatin1String(row.objectName));
        b->setStyle(fitting);
        place(b, row.place.left, row.place.top, row.place.width, row.place.height);
        if (row.colour) setTextColour(b, QColor(row.colour->r, row.colour->g, row.colour->b));
        options[static_cast<std::size_t>(row.option)] = b;
    }
    maxIter = new QLineEdit(QStringLiteral("100"), frame2);
    maxIter->setObjectName(QStringLiteral("Text_MaxIter"));
    place(maxIter, 2400, 5040, 495, 285);
    w = new QLineEdit(QStringLiteral("1"), frame2);
    w->setObjectName(QStringLiteral("Text_w"));
    place(w, 2400, 5400, 495, 285);
    label2 = placedLabel(frame2, "Label2", 240, 5040, 1935, 255);
    label1 = placedLabel(frame2, "Label1", 240, 5400, 1695, 255);
    headings[2] = placedLabel(frame2, "Label5", 240, 1560, 2775, 255);
    headings[1] = placedLabel(frame2, "Label4", 240, 840, 2535, 255);
    headings[0] = placedLabel(frame2, "Label3", 240, 120, 2655, 255);
    for (QLabel* h : headings) setTextColour(h, kRed);
}

void MainForm::buildFileFrame() {
    frame1 = placed<QGroupBox>(form, "Frame1", 120, 120, 4815, 2535);
    dir = placed<DirectoryList>(frame1, "Dir1", 120, 600, 1935, 1665);
    file = placed<FileList>(frame1, "File1", 2040, 240, 2655, 2040);
    drive = placed<DriveList>(frame1, "Drive1", 120, 240, 1935, 315);
}

void MainForm::setKeyboardOrder(QWidget* window) {
    // The keyboard order of the controls that take the focus: the options
    // and the two boxes in the order of their keys come between "Hesapla"
    // and the results list.
    QList<QWidget*> order{goster, drive, file, dir, listele, hesapla};
    std::vector<std::pair<int, QWidget*>> keyed{{kTabKeyW, w}, {kTabKeyMaxIter, maxIter}};
    for (const OptionLayout& row : kOptionLayout) keyed.emplace_back(row.tabKey, option(row.option));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& k : keyed) order << k.second;
    order << list;
    for (qsizetype i = 1; i < order.size(); ++i) window->setTabOrder(order[i - 1], order[i]);
}

void MainForm::setTexts() {
    hesapla->setText(uiText(Text::CalculateButton));
    listele->setText(uiText(Text::ListButton));
    goster->setText(uiText(Text::ShowButton));
    label2->setText(uiText(Text::MaxIterLabel));
    label1->setText(uiText(Text::RelaxationLabel));
    headings[0]->setText(uiText(Text::DeterminantGroup));
    headings[1]->setText(uiText(Text::InverseGroup));
    headings[2]->setText(uiText(Text::LinearSystemGroup));
    for (const OptionLayout& row : kOptionLayout) option(row.option)->setText(uiText(methodRow(row.option).caption));
    chooseFormFont(form, headings);
    widenBoxes({maxIter, w}, frame2);
    list->setFont(monospaceFont(12));
    list->results()->setFont(list->font());
}

void MainForm::setParameterRows(bool maxIterShown, bool wShown) {
    label2->setVisible(maxIterShown);
    maxIter->setVisible(maxIterShown);
    label1->setVisible(wShown);
    w->setVisible(wShown);
}

}  // namespace lineer::ui
