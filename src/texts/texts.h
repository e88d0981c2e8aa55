#pragma once
// Every text the user sees, in one catalogue: one key per text, its Turkish
// and its English form, and the language the program speaks.
//
// A text that takes values is one template with numbered places
// ("İterasyon {0}. adımda durduruldu"); the caller formats the values
// (numbers through the number formatter) and fills the places, so every
// language orders its words its own way.

#include <initializer_list>
#include <string>
#include <string_view>

namespace lineer {

enum class Language : unsigned char { Turkish, English };

// The language of every text from now on; Turkish until set. One language
// for the whole process: the command line sets it once, the window when
// the user chooses another. Lines already written stay as they were.
void setLanguage(Language language);
Language language();

// The keys, in the order of the catalogue's table (texts.cpp).
enum class Text : int {
    ZeroDiagonal,        // " sıfır diyagonal elemanı"
    RootsHeading,        // "Lineer denklem takımının kökleri"
    SortedRootsHeading,  // "Lineer denklem takımının sıralanmış kökleri"
    OverflowMessage,     // "Hesaplamada sayı taşması oluştu"

    // Saving a file: one template, and the reasons it gives.
    SaveFailed,             // "Dosya kaydedilemedi: {0} ({1})": the path, the reason
    WhyNoPermission,        // "yazma izni yok"
    WhyNoFolder,            // "klasör bulunamadı"
    WhyDiskFull,            // "diskte yer kalmadı"
    WhyQuotaFull,           // "disk kotası doldu"
    WhyReadOnly,            // "dosya sistemi salt okunur"
    WhyFolderInTheWay,      // "bu adda bir klasör var"
    WhyNameTooLong,         // "dosya adı çok uzun"
    WhyDiskError,           // "disk okuma/yazma hatası"
    WhyErrorCode,           // "hata kodu {0}": the system's number
    WhyCannotCreate,        // "bu klasörde dosya oluşturulamıyor"
    WhyInUse,               // "yazma izni yok ya da dosya başka bir programda açık"
    WhyWriteProtected,      // "disk yazmaya karşı korumalı"
    WhyNotEncoded,          // "yazma hatası": the picture could not be made into PNG
    WhySizeOutOfRange,      // "satır ve sütun sayıları 0 ile 100 arasında olmalıdır"
    WhyNotFinite,           // "sonlu olmayan bir değer var"

    // The matrix editor's cells.
    CellEmpty,              // "Boş hücre"
    CellTooLarge,           // "Sayı çok büyük"
    CellDecimalPoint,       // "Ondalık ayıracı olarak nokta yazınız"
    CellNotANumber,         // "Sayı değil"
    CellChange,             // "Hücre": the undo entry of a typed cell
    RightHandSide,          // "sağ taraf": the heading of the last column

    // The parameter boxes' reading.
    ValueUsed,              // "Kullanılacak değer: {0}"
    Infinity,               // "sonsuz"
    MinusInfinity,          // "eksi sonsuz"

    // The progress window of a long iteration.
    ProgressTitle,          // "Hesaplanıyor"
    ProgressSweeps,         // "İterasyon: {0}"
    ProgressChange,         // "Maksimum hata: {0}"
    ProgressLimit,          // "İterasyon sınırı: {0}"
    ProgressCancel,         // "İptal"

    // Numbers out of range, a remark on a run, no display, an item too long.
    UnderflowMessage,    // "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)"
    NotTridiagonal,      // "Matris üç köşegenli değil: ... {0} katsayı kullanılmadı"
    NoDisplay,           // "Ekran bulunamadı ..."
    NumberTooLong,       // "Dosyada çok uzun bir değer var ...": the limit, the item

    Count_               // not a text: the number of keys
};

// The text of `key` in the current language, or in `in`. A key without an
// English text yet gives the Turkish one.
std::string_view text(Text key);
std::string_view text(Text key, Language in);

// The template of `key` with "{0}", "{1}", ... replaced by args[0],
// args[1], ...; a place without a value stays as it is.
std::string format(Text key, std::initializer_list<std::string_view> args);
std::string format(Text key, Language in, std::initializer_list<std::string_view> args);

}  // namespace lineer
