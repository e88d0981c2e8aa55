#include "uitext.h"

namespace lineer::ui {

QString uiText(PlainText key) {
    const std::string_view t = text(key);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QString detail::fill(Text key, std::initializer_list<std::string_view> values) {
    std::string out;
    lineer::detail::fill(out, key, language(), values);
    return QString::fromStdString(out);
}

}  // namespace lineer::ui
