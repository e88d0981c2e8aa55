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

    {Text::SaveFailed, "Dosya kaydedilemedi: {0} ({1})", "Could not save the file: {0} ({1})"},
    {Text::WhyNoPermission, "yazma izni yok", "no permission to write"},
    {Text::WhyNoFolder, "klasör bulunamadı", "folder not found"},
    {Text::WhyDiskFull, "diskte yer kalmadı", "no space left on the disk"},
    {Text::WhyQuotaFull, "disk kotası doldu", "disk quota exceeded"},
    {Text::WhyReadOnly, "dosya sistemi salt okunur", "read-only file system"},
    {Text::WhyFolderInTheWay, "bu adda bir klasör var", "a folder of that name exists"},
    {Text::WhyNameTooLong, "dosya adı çok uzun", "file name too long"},
    {Text::WhyDiskError, "disk okuma/yazma hatası", "disk input/output error"},
    {Text::WhyErrorCode, "hata kodu {0}", "error code {0}"},
    {Text::WhyCannotCreate, "bu klasörde dosya oluşturulamıyor", "no file can be created in this folder"},
    {Text::WhyInUse, "yazma izni yok ya da dosya başka bir programda açık",
     "no permission to write, or the file is open in another program"},
    {Text::WhyWriteProtected, "disk yazmaya karşı korumalı", "the disk is write-protected"},
    {Text::WhyNotEncoded, "yazma hatası", "write error"},
    {Text::WhySizeOutOfRange, "satır ve sütun sayıları 0 ile 100 arasında olmalıdır",
     "the numbers of rows and columns must lie between 0 and 100"},
    {Text::WhyNotFinite, "sonlu olmayan bir değer var", "one of the values is not finite"},

    {Text::CellEmpty, "Boş hücre", "Empty cell"},
    {Text::CellTooLarge, "Sayı çok büyük", "Number too large"},
    {Text::CellDecimalPoint, "Ondalık ayıracı olarak nokta yazınız", "Use a point as the decimal separator"},
    {Text::CellNotANumber, "Sayı değil", "Not a number"},
    {Text::CellChange, "Hücre", "Cell"},
    {Text::RightHandSide, "sağ taraf", "right-hand side"},

    {Text::ValueUsed, "Kullanılacak değer: {0}", "Value used: {0}"},
    {Text::Infinity, "sonsuz", "infinity"},
    {Text::MinusInfinity, "eksi sonsuz", "minus infinity"},

    {Text::ProgressTitle, "Hesaplanıyor", "Calculating"},
    {Text::ProgressSweeps, "İterasyon: {0}", "Iteration: {0}"},
    {Text::ProgressChange, "Maksimum hata: {0}", "Maximum error: {0}"},
    {Text::ProgressLimit, "İterasyon sınırı: {0}", "Iteration limit: {0}"},
    {Text::ProgressCancel, "İptal", "Cancel"},

    // Numbers out of range, a remark on a run, no display, an item too long.
    {Text::UnderflowMessage, "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)",
     "A number became too small to be represented (underflow)"},
    {Text::NotTridiagonal,
     "Matris üç köşegenli değil: üç köşegenin dışındaki {0} katsayı kullanılmadı, kökler dosyadaki sistemin kökleri olmayabilir",
     "The matrix is not tridiagonal: {0} coefficients outside the three diagonals were not used, so these may not be the roots of the system in the file"},
    {Text::NoDisplay,
     "Ekran bulunamadı: pencere açılamıyor. Komut satırı ekransız da çalışır; \"lineer --help\" kullanımı açıklar.",
     "No display was found, so the window cannot open. The command line works without one; \"lineer --help\" explains its use."},
    {Text::NumberTooLong, "Dosyada çok uzun bir değer var (bir sayı en çok {0} karakter olabilir): \"{1}\"",
     "The file holds an item that is too long (a number may have at most {0} characters): \"{1}\""},
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
