#include "writer.h"

#include <cmath>

#include "loader.h"
#include "numformat.h"
#include "platform_tochars.h"
#include "replacefile.h"
#include "texts.h"
#include "workspace.h"

namespace lineer {

std::string shortestText(double v) {
    char buf[32];
    const auto r = toChars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

SaveResult saveCoefficientFile(const std::string& path, int n, int m, const std::vector<double>& values) {
    SaveResult result;
    const auto failed = [&](std::string_view reason) { return format(Text::SaveFailed, shownPath(path), reason); };
    if (n < 0 || n > kMaxIndex || m < 0 || m > kMaxIndex || values.size() != static_cast<std::size_t>(n) * m) {
        result.message = failed(text(Text::WhySizeOutOfRange));
        return result;
    }
    std::string content = intText(n) + " " + intText(m) + "\n";
    content.reserve(content.size() + values.size() * 24);
    std::size_t k = 0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < m; ++j, ++k) {
            if (!std::isfinite(values[k])) {
                result.message = failed(text(Text::WhyNotFinite));
                return result;
            }
            if (j > 0) content.push_back(' ');
            content += shortestText(values[k]);
        }
        content.push_back('\n');
    }
    const std::string reason = replaceFileContents(path, content);
    if (!reason.empty()) {
        result.message = failed(reason);
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace lineer
