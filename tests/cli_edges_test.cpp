// The command line at its edges: numbers beyond a double's range, a remark
// that is not a stop, texts that must not reach the terminal raw, a name as
// long as it may be and a number longer than one may be, and no display for
// the window.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"

namespace lineer::test {
namespace {

struct EdgeCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::vector<std::string> err;
    std::vector<std::string> outTail;  // the last lines of stdout
    std::string env = "LC_ALL=C.UTF-8";
};

TEST(CliEdges, StreamsAndExitStatus) {
    const auto dir = std::filesystem::temp_directory_path() / ("lineer-edges-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto file = [&](const std::string& name, const std::string& content) {
        std::ofstream((dir / name).string(), std::ios::binary) << content;
        return (dir / name).string();
    };
    const std::string uc = examplePath("uc-denklem.txt");
    const std::string smallUnits =
        file("t.txt", "3 4\n4e-200 1e-200 0 6e-200\n1e-200 4e-200 1e-200 1.2e-199\n0 1e-200 4e-200 1.4e-199\n");
    const std::string lTooSmall = file("d.txt", "2 3\n1e200 1e200 2e200\n1e-200 2e-200 3e-200\n");
    // 5002 characters: "1." and 5000 zeros.
    const std::string longNumber = file("n.txt", "1 2\n1." + std::string(5000, '0') + " 2\n");
    const std::string longName = (dir / (std::string(250, 'p') + ".png")).string();
    const std::string hugeNumber = file("h.txt", "1 2\n" + std::string(400, '9') + " 2\n");
    std::filesystem::create_symlink(dir / "loop", dir / "loop");
    const std::vector<std::string> roots = {" x(1) = 1.0000", " x(2) = 2.0000", " x(3) = 3.0000"};
    const std::vector<std::string> ucRoots = {" x(1) = 2.0000", " x(2) = 3.0000", " x(3) = -1.0000"};
    const std::string help = "\"lineer --help\" kullanımı açıklar.";
    const std::string noDisplay =
        "Ekran bulunamadı: pencere açılamıyor. Komut satırı ekransız da çalışır; \"lineer --help\" kullanımı açıklar.";
    const std::string withoutPlatform = "-u QT_QPA_PLATFORM LC_ALL=C.UTF-8";

    for (const auto& c : std::vector<EdgeCase>{
             {"thomas_in_units_of_1e-200", {"--method", "thomas", smallUnits}, 0, {}, roots},
             {"doolittle_l_below_range",
              {"--method", "doolittle", lTooSmall},
              1,
              {"Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)"},
              {"0.0000   0.0000   0.0000   "}},
             {"thomas_not_tridiagonal",
              {"--method", "thomas", uc},
              0,
              {"Matris üç köşegenli değil: üç köşegenin dışındaki 2 katsayı kullanılmadı, kökler dosyadaki "
               "sistemin kökleri olmayabilir"},
              {" x(1) = 8.0000", " x(2) = -8.0000", " x(3) = 2.5000"}},
             {"method_with_control_characters", {"--method", "x\x1b[2J", uc}, 2, {"lineer: bilinmeyen yöntem: x?[2J", help}, {}},
             {"option_with_control_characters", {"--x\x1b[2J\n", uc}, 2, {"lineer: bilinmeyen seçenek: --x?[2J?", help}, {}},
             {"number_of_5002_characters",
              {"--method", "gauss", longNumber},
              2,
              {"Dosyada çok uzun bir değer var (bir sayı en çok 4096 karakter olabilir): \"1." + std::string(38, '0') +
               "\""},
              {}},
             {"number_of_400_nines",
              {"--method", "gauss", hugeNumber},
              2,
              {"Dosyada çok büyük bir değer var (bir sayı en çok 1.7976931348623157E+308 olabilir): \"" +
               std::string(40, '9') + "\""},
              {}},
             {"picture_through_a_link_loop",
              {"--picture", (dir / "loop" / "r.png").string(), uc},
              2,
              {"Resim kaydedilemedi: " + (dir / "loop" / "r.png").string() +
               ": sembolik bağlantılar bir döngü oluşturuyor"},
              {"-2.0000   1.0000   2.0000   -3.0000   "}},
             {"picture_name_of_254_characters", {"--method", "gauss", "--draw", "--picture", longName, uc}, 0, {}, ucRoots},
             {"picture_smaller_than_twice_the_box",
              {"--picture", "r.png", "--picture-size", "465x434", uc},
              2,
              {"lineer: --picture-size GENİŞLİKxYÜKSEKLİK ister, en az 466x434, en çok 20000x20000", help},
              {}},
             {"export_of_an_unknown_kind",
              {"--export", "r.doc", uc},
              2,
              {"lineer: Dışa aktarmanın türü dosya adının uzantısından anlaşılır: .tex, .html ya da .pdf", help},
              {}},
             {"pdf_into_a_missing_folder",
              {"--method", "gauss", "--pdf", (dir / "yok" / "r.pdf").string(), uc},
              2,
              {"Dışa aktarılamadı: " + (dir / "yok" / "r.pdf").string() + ": klasör bulunamadı"},
              ucRoots},
             {"no_display_for_the_window", {}, 2, {noDisplay}, {}, withoutPlatform},
             {"no_display_to_open_a_file", {"--open", uc}, 2, {noDisplay}, {}, withoutPlatform},
         }) {
        CliResult r = runLineer(c.args, c.env);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_EQ(r.errLines(), c.err) << c.name;
        const auto out = r.lines();
        ASSERT_GE(out.size(), c.outTail.size()) << c.name;
        EXPECT_EQ(std::vector<std::string>(out.end() - static_cast<long>(c.outTail.size()), out.end()), c.outTail)
            << c.name;
    }
    EXPECT_EQ(slurpFile(longName).substr(0, 4), "\x89PNG");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lineer::test
