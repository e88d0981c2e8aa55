#pragma once
// "Görünüm" > "Ders kitabı": the methods beside the form's option buttons,
// chosen as an option button is (choosing one clears the other), then the
// iterations' settings and the exercises. The form itself stays as it is.

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "methodtable.h"

class QAction;
class QMenu;

namespace lineer::ui {

class Menus;

class TextbookMenu {
public:
    struct Calls {
        std::function<void()> chosen;    // a method was chosen
        std::function<void()> settings;  // "İterasyon ayarları..."
        std::function<void()> exercise;  // "Alıştırma oluştur..."
    };
    // Adds the submenu at the end of `view`: one checkable entry per
    // method of the table's textbook list, in its order.
    void build(Menus& menus, QMenu* view, Calls calls);

    // The method chosen, if one is.
    std::optional<Option> selected() const;
    // Clears the choice (an option button was chosen).
    void clear();
    QAction* action(Option option) const;
    // The entries' captions, numbered, in the language spoken now.
    void setTexts() const;

private:
    std::vector<std::pair<Option, QAction*>> methods_;
};

}  // namespace lineer::ui
