#include "iterationdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "textnum.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

const QString kStartKey = QStringLiteral("iterasyon/baslangicVektoru");
const QString kToleranceKey = QStringLiteral("iterasyon/tolerans");

QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }

}  // namespace

IterationTexts rememberedIterationTexts() {
    return {settings().value(kStartKey).toString(), settings().value(kToleranceKey).toString()};
}

void rememberIterationTexts(const IterationTexts& texts) {
    settings().setValue(kStartKey, texts.start);
    settings().setValue(kToleranceKey, texts.tolerance);
}

QString readIterationTexts(const IterationTexts& texts, const std::string& decimal, RunParameters& params) {
    std::vector<double> x0;
    std::optional<double> tolerance;
    const std::string start = texts.start.trimmed().toStdString();
    const std::string tol = texts.tolerance.trimmed().toStdString();
    if (!start.empty()) {
        const auto values = readNumberList(start, decimal);
        if (!values) return uiFormat(Text::WindowBadStartVector, start);
        x0 = *values;
    }
    if (!tol.empty()) {
        tolerance = readTolerance(tol, decimal);
        if (!tolerance) return uiFormat(Text::WindowBadTolerance, tol);
    }
    params.x0 = std::move(x0);
    params.tolerance = tolerance;
    return {};
}

IterationDialog::IterationDialog(std::string decimal, std::function<void(const QString&)> message, QWidget* parent)
    : QDialog(parent), decimal_(std::move(decimal)), message_(std::move(message)) {
    setObjectName(QStringLiteral("IterationDialog"));
    setWindowTitle(uiText(Text::IterationSettingsTitle));
    const IterationTexts texts = rememberedIterationTexts();
    start_ = new QLineEdit(texts.start, this);
    start_->setObjectName(QStringLiteral("Text_x0"));
    tolerance_ = new QLineEdit(texts.tolerance, this);
    tolerance_->setObjectName(QStringLiteral("Text_tol"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(uiText(Text::OkButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(uiText(Text::CancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &IterationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &IterationDialog::reject);
    auto* form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(uiText(Text::StartVectorLabel), start_);
    form->addRow(uiText(Text::ToleranceLabel), tolerance_);
    form->addRow(buttons);
}

void IterationDialog::accept() {
    const IterationTexts texts{start_->text().trimmed(), tolerance_->text().trimmed()};
    RunParameters check;
    const QString problem = readIterationTexts(texts, decimal_, check);
    if (!problem.isEmpty()) {
        message_(problem);
        return;
    }
    rememberIterationTexts(texts);
    QDialog::accept();
}

}  // namespace lineer::ui
