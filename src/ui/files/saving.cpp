#include "saving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <string>
#include <string_view>

#include "languages.h"
#include "loader.h"
#include "picturerecord.h"
#include "replacefile.h"
#include "resultslist.h"
#include "texts.h"

namespace lineer::ui {

namespace {

QString failed(const QString& path, std::string_view reason) {
    return QString::fromStdString(format(Text::SaveFailed, shownFilePath(path), reason));
}

QString replace(const QString& path, std::string_view data) {
    const std::string reason = replaceFileContents(path.toStdString(), data);
    return reason.empty() ? QString() : failed(path, reason);
}

}  // namespace

QString saveResults(const ResultsModel& results, const QString& path) {
    std::size_t size = 0;
    for (std::size_t i = 0; i < results.lineCount(); ++i) size += results.line(i).size() + 1;
    std::string text;
    text.reserve(size);
    for (std::size_t i = 0; i < results.lineCount(); ++i) {
        text += results.line(i);
        text += '\n';
    }
    return replace(path, text);
}

bool looksLikeSavedResults(const QString& path) {
    // Only a plain file: opening a pipe would wait for a writer.
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray first = file.readLine(256);
    if (first.startsWith("\xEF\xBB\xBF")) first.remove(0, 3);
    while (first.endsWith('\n') || first.endsWith('\r')) first.chop(1);
    for (const LanguageRow& l : kLanguages)
        if (first == QByteArrayView(text(Text::CoefficientsHeading, l.language))) return true;
    return false;
}

QString savePicture(const QImage& image, const QString& path) { return saveFile(pngFile(image), path); }

QString saveFile(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty()) return failed(path, text(Text::WhyNotEncoded));
    return replace(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string shownFilePath(const QString& path) { return shownPath(QDir::toNativeSeparators(path).toStdString()); }

}  // namespace lineer::ui
