#pragma once
// "İterasyon ayarları": where the iterations start and when they stop,
// remembered in the settings like the window's other choices.

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

#include "context.h"

class QLineEdit;

namespace lineer::ui {

// The two texts as the user left them; empty for the defaults (ones, and
// the fixed 0.00001).
struct IterationTexts {
    QString start;
    QString tolerance;
};
IterationTexts rememberedIterationTexts();
void rememberIterationTexts(const IterationTexts& texts);

// Reads the texts into the run's start vector and tolerance. The message
// that says what is wrong with the first text that is not what it takes
// (params then unchanged), or an empty string.
QString readIterationTexts(const IterationTexts& texts, const std::string& decimal, RunParameters& params);

class IterationDialog : public QDialog {
public:
    // Starts with the remembered texts. "Tamam" checks them: a wrong one
    // goes to `message` and the dialog stays open; right ones are
    // remembered and the dialog closes.
    IterationDialog(std::string decimal, std::function<void(const QString&)> message, QWidget* parent = nullptr);

    QLineEdit* startBox() const { return start_; }
    QLineEdit* toleranceBox() const { return tolerance_; }
    void accept() override;

private:
    std::string decimal_;
    std::function<void(const QString&)> message_;
    QLineEdit* start_ = nullptr;
    QLineEdit* tolerance_ = nullptr;
};

}  // namespace lineer::ui
