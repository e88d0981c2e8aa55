// The catalogue and the method table in both languages.

#include <gtest/gtest.h>

#include <string>

#include "methodtable.h"
#include "texts.h"
#include "transcripts.h"

namespace lineer::test {
namespace {

// That every row has both texts with the same places is checked as the
// catalogue compiles; what the compiler cannot see is the language a text
// is written in.
TEST(Texts, NoEnglishTextHasATurkishLetter) {
    for (const TextRow& row : kCatalogue) {
        const char* turkish = row.in(Language::Turkish);
        const char* english = row.in(Language::English);
        SCOPED_TRACE(turkish);
        // A language is named in itself in the menu.
        if (row.key != Text::TurkishItem) {
            EXPECT_FALSE(hasTurkishLetter(english));
        }
    }
    for (const MethodRow& row : kMethods) {
        EXPECT_FALSE(hasTurkishLetter(std::string(text(row.caption, Language::English)))) << row.cliName;
        EXPECT_FALSE(hasTurkishLetter(std::string(text(row.help, Language::English)))) << row.cliName;
    }
}

TEST(Texts, TheLanguageChoosesTheTemplateAndNotTheNumbers) {
    EXPECT_EQ(format(Text::FileTooFewNumbers, "12", "7"), "Dosyada yeterli sayı yok: 12 sayı gerekiyor, 7 sayı bulundu");
    setLanguage(Language::English);
    EXPECT_EQ(format(Text::FileTooFewNumbers, "12", "7"), "The file does not hold enough numbers: 12 needed, 7 found");
    EXPECT_EQ(text(methodRow(Option::LesGaussSidel).caption), "Gauss-Seidel iteration");
    EXPECT_EQ(text(Text::CalculateButton, Language::Turkish), "Hesapla");
    setLanguage(Language::Turkish);
    EXPECT_EQ(text(Text::CalculateButton), "Hesapla");
    EXPECT_EQ(text(methodRow(Option::LesGaussSidel).caption), "Gauss-Sidel iterasyon yöntemi");
}

}  // namespace
}  // namespace lineer::test
