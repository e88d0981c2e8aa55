#include "handout.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimeZone>

#include <cstdlib>

#include "uitext.h"

namespace lineer::ui {

QString handoutDate() {
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    bool ok = false;
    const qlonglong seconds = epoch.toLongLong(&ok);
    if (ok && seconds >= 0 && seconds < 253402300800LL)  // before the year 10000
        return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()).date().toString(Qt::ISODate);
    return QDate::currentDate().toString(Qt::ISODate);
}

QString handoutHeading(const QString& path, const QString& method) {
    if (path.isEmpty()) return uiText(Text::WindowCaption);
    const QString name = QFileInfo(path).fileName();
    return method.isEmpty() ? name : uiFormat(Text::PrintHeading, name, method);
}

}  // namespace lineer::ui
