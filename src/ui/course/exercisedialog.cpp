#include "exercisedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "replacefile.h"
#include "uitext.h"

namespace lineer::ui {

namespace {

struct KindRow {
    exercises::Kind kind;
    PlainText caption;
};
constexpr KindRow kKinds[] = {
    {exercises::Kind::Integer, Text::ExerciseKindInteger},
    {exercises::Kind::Dominant, Text::ExerciseKindDominant},
    {exercises::Kind::Spd, Text::ExerciseKindSpd},
    {exercises::Kind::Tridiagonal, Text::ExerciseKindTridiagonal},
    {exercises::Kind::Hilbert, Text::ExerciseKindHilbert},
};

}  // namespace

ExerciseDialog::ExerciseDialog(QString folder, std::string decimal, std::function<bool(const QString&)> ask,
                               std::function<void(const QString&)> message, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), decimal_(std::move(decimal)), ask_(std::move(ask)),
      message_(std::move(message)) {
    setObjectName(QStringLiteral("ExerciseDialog"));
    setWindowTitle(uiText(Text::ExerciseTitle));
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("Combo_Kind"));
    for (const KindRow& k : kKinds) kind_->addItem(uiText(k.caption));
    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("Spin_Size"));
    size_->setRange(1, exercises::kMaxEquations);
    size_->setValue(3);
    seed_ = new QSpinBox(this);
    seed_->setObjectName(QStringLiteral("Spin_Seed"));
    seed_->setRange(0, 2147483647);
    seed_->setValue(1);
    answers_ = new QCheckBox(uiText(Text::ExerciseAnswersCheck), this);
    answers_->setObjectName(QStringLiteral("Check_Answers"));
    answers_->setChecked(true);
    file_ = new QLabel(this);
    file_->setObjectName(QStringLiteral("Label_File"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(uiText(Text::ExerciseWriteButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(uiText(Text::CancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &ExerciseDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExerciseDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(uiText(Text::ExerciseKindLabel), kind_);
    form->addRow(uiText(Text::ExerciseSizeLabel), size_);
    form->addRow(uiText(Text::ExerciseSeedLabel), seed_);
    form->addRow(answers_);
    form->addRow(file_);
    form->addRow(buttons);
    connect(kind_, &QComboBox::currentIndexChanged, this, &ExerciseDialog::showFileName);
    connect(size_, &QSpinBox::valueChanged, this, &ExerciseDialog::showFileName);
    connect(seed_, &QSpinBox::valueChanged, this, &ExerciseDialog::showFileName);
    showFileName();
}

exercises::Exercise ExerciseDialog::exercise() const {
    return exercises::generate(kKinds[kind_->currentIndex()].kind, size_->value(),
                               static_cast<std::uint64_t>(seed_->value()));
}

QString ExerciseDialog::exercisePath() const {
    const std::string_view kind = exercises::kindName(kKinds[kind_->currentIndex()].kind);
    return QDir(folder_).filePath(uiFormat(Text::ExerciseFileName, kind, size_->value(), seed_->value()));
}

QString ExerciseDialog::answersPath() const {
    const std::string_view kind = exercises::kindName(kKinds[kind_->currentIndex()].kind);
    return QDir(folder_).filePath(uiFormat(Text::AnswersFileName, kind, size_->value(), seed_->value()));
}

void ExerciseDialog::showFileName() {
    file_->setText(uiFormat(Text::ExerciseFileLine, QFileInfo(exercisePath()).fileName()));
}

bool ExerciseDialog::written(const QString& path, const std::string& contents) {
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path) && !ask_(uiFormat(Text::OverwriteQuestion, shown))) return false;
    const std::string why = replaceFileContents(path.toStdString(), contents);
    if (why.empty()) return true;
    message_(uiFormat(Text::SaveFailed, shown, why));
    return false;
}

void ExerciseDialog::accept() {
    const exercises::Exercise e = exercise();
    // The key first: a sheet is not written without the key it was asked with.
    if (answers_->isChecked() && !written(answersPath(), exercises::answersText(e, decimal_))) return;
    if (!written(exercisePath(), exercises::coefficientText(e))) return;
    QDialog::accept();
}

}  // namespace lineer::ui
