#include "languagemenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QWidget>

#include "menus.h"
#include "toolkit.h"

namespace lineer::ui {

namespace {

const QString kLanguageKey = QStringLiteral("gorunum/dil");

QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }

// The code a language is remembered by, the same as the command line's.
QString code(Language language) { return language == Language::English ? QStringLiteral("en") : QStringLiteral("tr"); }

}  // namespace

Language rememberedLanguage() {
    return settings().value(kLanguageKey).toString() == code(Language::English) ? Language::English
                                                                                 : Language::Turkish;
}

void applyLanguage(Language language) {
    setLanguage(language);
    useToolkitTexts(language);
    // Sent, not posted: every window shows the new texts before this
    // returns, whether or not the toolkit's translation changed.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(w, &change);
    }
}

void addLanguageMenu(Menus& menus, QMenuBar* bar) {
    QMenu* menu = menus.addMenu(bar, "Mn_Dil", Text::LanguageMenu, {});
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    struct Entry {
        const char* name;
        PlainText text;
        Language language;
    };
    for (const Entry& e : {Entry{"Mn_Turkce", Text::TurkishItem, Language::Turkish},
                           Entry{"Mn_English", Text::EnglishItem, Language::English}}) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(e.name));
        menus.add(a, e.text);
        a->setCheckable(true);
        a->setChecked(language() == e.language);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, a, [language = e.language] {
            settings().setValue(kLanguageKey, code(language));
            if (language != lineer::language()) applyLanguage(language);
        });
    }
}

}  // namespace lineer::ui
