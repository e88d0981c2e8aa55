#include "saving.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include "resultslist.h"

namespace lineer::ui {

namespace {

// QSaveFile's own error texts are English; the user is told in Turkish
// what stands in the way.
QString reason(const QString& path, bool opened) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    QString why;
    if (target.isDir())
        why = QStringLiteral("Bu adda bir klasör var.");
    else if (!folder.isDir())
        why = QStringLiteral("Klasör bulunamadı.");
    else if (!opened && !folder.isWritable())
        why = QStringLiteral("Klasöre yazma izni yok.");
    else if (!opened && target.exists() && !target.isWritable())
        why = QStringLiteral("Dosyaya yazma izni yok.");
    else if (opened)
        why = QStringLiteral("Yazma tamamlanamadı; disk dolu olabilir.");
    else
        why = QStringLiteral("Dosya açılamadı.");
    return QStringLiteral("Kaydedilemedi: %1\n%2").arg(QDir::toNativeSeparators(path), why);
}

template <class Write>
QString saveThrough(const QString& path, Write&& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return reason(path, false);
    if (!write(file) || !file.commit()) {
        file.cancelWriting();
        return reason(path, true);
    }
    return {};
}

}  // namespace

QString saveResults(const ResultsModel& results, const QString& path) {
    return saveThrough(path, [&](QSaveFile& file) {
        std::string block;
        for (std::size_t i = 0; i < results.lineCount(); ++i) {
            block += results.line(i);
            block += '\n';
            if (block.size() >= (1u << 20) || i + 1 == results.lineCount()) {
                if (file.write(block.data(), static_cast<qint64>(block.size())) != static_cast<qint64>(block.size()))
                    return false;
                block.clear();
            }
        }
        return true;
    });
}

QString savePicture(const QImage& image, const QString& path) {
    return saveThrough(path, [&](QSaveFile& file) { return image.save(&file, "PNG"); });
}

}  // namespace lineer::ui
