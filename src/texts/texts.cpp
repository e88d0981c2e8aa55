#include "texts.h"

#include <atomic>
#include <iterator>

namespace lineer {

namespace {

struct Entry {
    Text key;
    const char* turkish;
    const char* english;  // nullptr: not translated yet
};

// clang-format off
constexpr Entry kCatalogue[] = {
    {Text::ZeroDiagonal, " sıfır diyagonal elemanı", nullptr},
    {Text::RootsHeading, "Lineer denklem takımının kökleri", nullptr},
    {Text::SortedRootsHeading, "Lineer denklem takımının sıralanmış kökleri", nullptr},
    {Text::OverflowMessage, "Hesaplamada sayı taşması oluştu", nullptr},
    // Numbers out of range, remarks on a run, starting without a display.
    {Text::UnderflowMessage, "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)",
     "A number became too small to be represented (underflow)"},
    {Text::NotTridiagonal,
     "Matris üç köşegenli değil: üç köşegenin dışındaki {0} katsayı kullanılmadı, kökler dosyadaki sistemin kökleri olmayabilir",
     "The matrix is not tridiagonal: {0} coefficients outside the three diagonals were not used, so these may not be the roots of the system in the file"},
    {Text::NoDisplay,
     "Ekran bulunamadı: pencere açılamıyor. Komut satırı ekransız da çalışır; \"lineer --help\" kullanımı açıklar.",
     "No display was found, so the window cannot open. The command line works without one; \"lineer --help\" explains its use."},
};
// clang-format on

constexpr bool inKeyOrder() {
    if (std::size(kCatalogue) != static_cast<std::size_t>(Text::Count_)) return false;
    for (std::size_t k = 0; k < std::size(kCatalogue); ++k)
        if (static_cast<std::size_t>(kCatalogue[k].key) != k) return false;
    return true;
}
static_assert(inKeyOrder(), "the catalogue has one row per key, in the order of the keys");

std::atomic<Language> current{Language::Turkish};

}  // namespace

void setLanguage(Language language) { current.store(language, std::memory_order_relaxed); }

Language language() { return current.load(std::memory_order_relaxed); }

std::string_view text(Text key) { return text(key, language()); }

std::string_view text(Text key, Language in) {
    const Entry& e = kCatalogue[static_cast<std::size_t>(key)];
    return in == Language::English && e.english ? e.english : e.turkish;
}

std::string format(Text key, std::initializer_list<std::string_view> args) {
    return format(key, language(), args);
}

std::string format(Text key, Language in, std::initializer_list<std::string_view> args) {
    const std::string_view t = text(key, in);
    std::string out;
    out.reserve(t.size() + 16);
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '{' && i + 2 < t.size() && t[i + 1] >= '0' && t[i + 1] <= '9' && t[i + 2] == '}') {
            const auto place = static_cast<std::size_t>(t[i + 1] - '0');
            if (place < args.size()) {
                out.append(*(args.begin() + place));
                i += 2;
                continue;
            }
        }
        out.push_back(t[i]);
    }
    return out;
}

}  // namespace lineer
