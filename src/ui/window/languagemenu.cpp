#include "languagemenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QWidget>

#include "languages.h"
#include "menus.h"
#include "toolkit.h"

namespace lineer::ui {

namespace {

const QString kLanguageKey = QStringLiteral("gorunum/dil");

QSettings settings() { return QSettings(QStringLiteral("lineer"), QStringLiteral("lineer")); }

}  // namespace

// Remembered by its code, the same as the command line's.
Language rememberedLanguage() {
    return languageOfCode(settings().value(kLanguageKey).toString().toStdString()).value_or(Language::Turkish);
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
    for (const LanguageRow& e : kLanguages) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QLatin1String(e.menuName));
        menus.add(a, e.menuEntry);
        a->setCheckable(true);
        a->setChecked(language() == e.language);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, a, [language = e.language] {
            settings().setValue(kLanguageKey, QString::fromLatin1(languageRow(language).code));
            if (language != lineer::language()) applyLanguage(language);
        });
    }
}

}  // namespace lineer::ui
