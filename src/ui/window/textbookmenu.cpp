#include "textbookmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "menus.h"
#include "uitext.h"

namespace lineer::ui {

void TextbookMenu::build(Menus& menus, QMenu* view, Calls calls) {
    view->addSeparator();
    QMenu* menu = view->addMenu(QString());
    menu->setObjectName(QStringLiteral("Mn_DersKitabi"));
    menus.add(menu->menuAction(), Text::TextbookMenu);
    auto* group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const MethodRow& row : kMethods) {
        if (row.place != Place::TextbookList) continue;
        QAction* a = menu->addAction(QString());
        a->setObjectName(QStringLiteral("Mn_") + QLatin1String(row.cliName));
        a->setCheckable(true);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [chosen = calls.chosen] { chosen(); });
        methods_.emplace_back(optionOf(row), a);
    }
    menu->addSeparator();
    const auto entry = [&](const char* name, PlainText caption, std::function<void()> run) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(name));
        menus.add(a, caption);
        QObject::connect(a, &QAction::triggered, menu, [run = std::move(run)] { run(); });
    };
    entry("Mn_IterasyonAyarlari", Text::IterationSettingsItem, std::move(calls.settings));
    entry("Mn_Alistirma", Text::ExerciseItem, std::move(calls.exercise));
    setTexts();
}

std::optional<Option> TextbookMenu::selected() const {
    for (const auto& [option, a] : methods_)
        if (a->isChecked()) return option;
    return std::nullopt;
}

void TextbookMenu::clear() {
    for (const auto& [option, a] : methods_) a->setChecked(false);
}

QAction* TextbookMenu::action(Option option) const {
    for (const auto& [o, a] : methods_)
        if (o == option) return a;
    return nullptr;
}

void TextbookMenu::setTexts() const {
    // The captions are the handouts' too, so the entries' letters are
    // their numbers.
    int k = 0;
    for (const auto& [option, a] : methods_)
        a->setText(QStringLiteral("&%1 ").arg(++k) + uiText(methodRow(option).caption));
}

}  // namespace lineer::ui
