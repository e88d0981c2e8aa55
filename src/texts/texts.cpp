#include "texts.h"

#include <atomic>

namespace lineer {

namespace {

std::atomic<Language> current{Language::Turkish};

std::string_view templateOf(Text key, Language in) {
    return kCatalogue[static_cast<std::size_t>(key)].in(in);
}

}  // namespace

void setLanguage(Language language) { current.store(language, std::memory_order_relaxed); }

Language language() { return current.load(std::memory_order_relaxed); }

std::string_view text(PlainText key) { return templateOf(key.key(), language()); }

std::string_view text(PlainText key, Language in) { return templateOf(key.key(), in); }

void detail::fill(std::string& out, Text key, Language in, std::initializer_list<std::string_view> values) {
    const std::string_view t = templateOf(key, in);
    std::size_t size = t.size();
    for (std::string_view v : values) size += v.size();
    out.reserve(out.size() + size);
    std::size_t from = 0;
    for (std::size_t at = t.find('{'); at != std::string_view::npos; at = t.find('{', at + 1)) {
        if (at + 2 >= t.size() || t[at + 1] < '0' || t[at + 1] > '9' || t[at + 2] != '}') continue;
        const auto place = static_cast<std::size_t>(t[at + 1] - '0');
        if (place >= values.size()) continue;
        out.append(t, from, at - from);
        out.append(values.begin()[place]);
        from = at + 3;
        at += 2;
    }
    out.append(t, from, std::string_view::npos);
}

}  // namespace lineer
