#pragma once
// The catalogue: every text the user sees, one row each, grouped by where
// it is shown. A new text is a new key and its row, in the same place of
// both lists. Read the texts through texts.h.
//
// A row holds the key, the Turkish text and its English twin (nullptr until
// it is translated). A text that takes values has numbered places, {0} to
// {9}; a place may stand more than once. Mathematical notation ("x(3) =
// 2.0000", the formulas of the explained steps) is not language: the code
// that lays it out writes it. Method captions and their command-line help
// are in the method table (methodtable.h).

namespace lineer {

enum class Text : int {
    // Results list: headings and result lines of the methods.
    CoefficientsHeading,
    UpperTriangularHeading,
    PivotedHeading,
    LowerFactorHeading,
    UpperFactorHeading,
    ThomasTableHeading,
    InverseHeading,
    RootsHeading,
    SortedRootsHeading,
    DeterminantLine,
    IterationCountLine,
    MaxErrorLine,
    StoppedLine,

    // Results list: explained steps.
    StepRowOperation,
    StepRowDivision,
    StepRowExchange,
    StepColumnExchange,
    StepRootExchange,
    StepLargestElement,
    StepNoLargestElement,
    StepDiagonalProduct,
    StepLuFactors,
    StepThomasSweep,
    StepBorderingRow,
    StepNewRow,
    StepNewColumn,
    StepTableSweep,
    StepTableMaxChange,
    StepTableLeftOut,
    StepOverflow,

    // Messages of the methods and of "Hesapla".
    NoFileMessage,
    NoMethodMessage,
    ZeroDiagonal,
    OverflowMessage,
    UnderflowMessage,
    DivergesMessage,
    ThomasTooLarge,
    NotTridiagonal,
    TooFewColumns,

    // Reading coefficient files.
    FileNotOpened,
    FileInvalidValue,
    FileItemTooLong,
    FileBadSizes,
    FileTooFewNumbers,

    // Saving a file: one template, and the reasons it gives.
    SaveFailed,
    WhyNoPermission,
    WhyNoFolder,
    WhyDiskFull,
    WhyQuotaFull,
    WhyReadOnly,
    WhyFolderInTheWay,
    WhyNameTooLong,
    WhyDiskError,
    WhyErrorCode,
    WhyCannotCreate,
    WhyInUse,
    WhyWriteProtected,
    WhyNotEncoded,
    WhySizeOutOfRange,
    WhyNotFinite,

    // The command line.
    CliHelp,
    CliUsageError,
    CliMethodNeedsName,
    CliOptionNeedsText,
    CliPictureNeedsName,
    CliUnknownMethod,
    CliUnknownOption,
    CliOneFileOnly,
    CliNoFile,
    CliOutputFailed,
    CliPictureNotSaved,
    NoDisplay,

    // The main window.
    WindowCaption,
    CalculateButton,
    ListButton,
    ShowButton,
    MaxIterLabel,
    RelaxationLabel,
    DeterminantGroup,
    InverseGroup,
    LinearSystemGroup,
    FolderNotOpened,
    DriveNotReady,

    // The parameter boxes' reading.
    ValueUsed,
    Infinity,
    MinusInfinity,

    // The main window's menus.
    FileMenu,
    NewMatrixItem,
    EditMatrixItem,
    OpenItem,
    SaveResultsItem,
    SavePictureItem,
    PrintItem,
    QuitItem,
    ViewMenu,
    ShowStepsItem,
    AboutItem,

    // The main window's file dialogs and printing.
    OpenTitle,
    SaveResultsTitle,
    SavePictureTitle,
    PrintTitle,
    TextFilesFilter,
    ResultsFileName,
    ResultsFileNameOf,
    PictureFileName,
    PrintHeading,
    PrintPage,
    PrintFailed,

    // Handouts: the printed pages, the export, the picture window and the
    // command line's options for them.
    PrintDate,
    PrintColumns,
    PrintManyPages,
    PrintManyPagesButton,
    ExportItem,
    ExportTitle,
    ExportFilter,
    ExportUnknownType,
    ExportFailed,
    ExportBodyBegin,
    ExportBodyEnd,
    ExportPictureAlt,
    PictureWindowItem,
    PictureWindowTitle,
    PictureFilesFilter,
    PictureSizeQuestion,
    PictureSizeChoice,
    PlotIterationAxis,
    PlotChangeAxis,
    CliHandoutHelp,
    CliOutputNeedsName,
    CliBadPictureSize,
    CliExportNotSaved,

    // The results list's context menu.
    CopyLineItem,
    CopyAllItem,

    // The matrix editor.
    NewMatrixTitle,
    EditMatrixTitle,
    RowsLabel,
    ColumnsLabel,
    EditorKeysHint,
    SaveButton,
    CancelButton,
    UndoAction,
    RedoAction,
    UndoResize,
    UndoPaste,
    UndoClear,
    CellProblem,
    CellProblems,
    PasteTooLarge,
    SaveMatrixTitle,
    CoefficientFilesFilter,
    OverwriteQuestion,
    OverwriteButton,
    CloseUnsavedQuestion,
    CloseButton,

    // The matrix editor's cells.
    CellEmpty,
    CellTooLarge,
    CellDecimalPoint,
    CellNotANumber,
    CellChange,
    RightHandSide,

    // The progress window of a long iteration.
    ProgressTitle,
    ProgressSweeps,
    ProgressChange,
    ProgressLimit,
    ProgressCancel,

    Count_  // not a text: the number of keys
};

struct TextRow {
    Text key;
    const char* turkish;
    const char* english;  // nullptr: not translated yet
};

// clang-format off
inline constexpr TextRow kCatalogue[] = {
    // Results list: headings and result lines of the methods.
    {Text::CoefficientsHeading, "Katsayılar matrisi", nullptr},
    {Text::UpperTriangularHeading, "Üst-üçgenselleştirilmiş matris", nullptr},
    {Text::PivotedHeading, "Pivotlanmış matris", nullptr},
    {Text::LowerFactorHeading, "Alt-üçgensel matris", nullptr},
    {Text::UpperFactorHeading, "Üst-üçgensel matris", nullptr},
    {Text::ThomasTableHeading, "Dikdörgenselleştirilmiş katsayılar matrisi", nullptr},
    {Text::InverseHeading, "Ters matris", nullptr},
    {Text::RootsHeading, "Lineer denklem takımının kökleri", nullptr},
    {Text::SortedRootsHeading, "Lineer denklem takımının sıralanmış kökleri", nullptr},
    {Text::DeterminantLine, "Matrisin determinantı = {0}", nullptr},
    {Text::IterationCountLine, "{0} iterasyon adımı sonucunda", nullptr},
    {Text::MaxErrorLine, "Maksimum hata = {0}", nullptr},
    {Text::StoppedLine, "İterasyon {0}. adımda durduruldu", nullptr},

    // Results list: explained steps. {1} of a row operation is the
    // multiplier, {2} the row it takes.
    {Text::StepRowOperation, "{0}. satır \u2190 {0}. satır \u2212 {1} \u00d7 {2}. satır", nullptr},
    {Text::StepRowDivision, "{0}. satır \u2190 {0}. satır / {1}", nullptr},
    {Text::StepRowExchange, "{0}. ve {1}. satırlar yer değiştirdi", nullptr},
    {Text::StepColumnExchange, "{0}. ve {1}. sütunlar yer değiştirdi", nullptr},
    {Text::StepRootExchange, "x({0}) ile x({1}) yer değiştirdi", nullptr},
    {Text::StepLargestElement, "{0}. adım: en büyük eleman {1} ({2}. satır, {3}. sütun)", nullptr},
    {Text::StepNoLargestElement, "{0}. adım: kalan blokta sıfırdan farklı eleman yok", nullptr},
    {Text::StepDiagonalProduct, "Köşegen elemanlarının çarpımı: {0}", nullptr},
    {Text::StepLuFactors, "{0}. adım: U({0},{0}..{1}) ve L({0}..{1},{0}) hesaplandı, köşegen elemanı {2}", nullptr},
    {Text::StepThomasSweep, "İleri süpürme: \u03b2(i) ve \u03b3(i)", nullptr},
    {Text::StepBorderingRow, "{0}. adım: c = r·B", nullptr},
    {Text::StepNewRow, "yeni {0}. satır", nullptr},
    {Text::StepNewColumn, "yeni {0}. sütun", nullptr},
    {Text::StepTableSweep, "Adım", nullptr},
    {Text::StepTableMaxChange, "Maksimum değişim", nullptr},
    {Text::StepTableLeftOut, "({0} adım gösterilmedi)", nullptr},
    {Text::StepOverflow, "taşma", nullptr},

    // Messages of the methods and of "Hesapla".
    {Text::NoFileMessage, "Katsayılar matrisi için bir dosya seçiniz", nullptr},
    {Text::NoMethodMessage, "Bir yöntem seçiniz", nullptr},
    {Text::ZeroDiagonal, " sıfır diyagonal elemanı", nullptr},
    {Text::OverflowMessage, "Hesaplamada sayı taşması oluştu", nullptr},
    {Text::UnderflowMessage, "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)",
     "A number became too small to be represented (underflow)"},
    {Text::DivergesMessage, "İterasyon ıraksıyor", nullptr},
    {Text::ThomasTooLarge, "Thomas yöntemi en çok 99 denklem çözebilir", nullptr},
    {Text::NotTridiagonal,
     "Matris üç köşegenli değil: üç köşegenin dışındaki {0} katsayı kullanılmadı, kökler dosyadaki sistemin "
     "kökleri olmayabilir",
     "The matrix is not tridiagonal: {0} coefficients outside the three diagonals were not used, so these may "
     "not be the roots of the system in the file"},
    {Text::TooFewColumns, "Sütun sayısı satır sayısından az", nullptr},

    // Reading coefficient files. {0} of a file not opened is its path.
    {Text::FileNotOpened, "Dosya açılamadı: {0}", nullptr},
    {Text::FileInvalidValue, "Dosyada geçersiz bir değer var: \"{0}\"", nullptr},
    {Text::FileItemTooLong, "Dosyada çok uzun bir değer var (bir sayı en çok {0} karakter olabilir): \"{1}\"",
     "The file holds an item that is too long (a number may have at most {0} characters): \"{1}\""},
    {Text::FileBadSizes, "Satır ve sütun sayıları 0 ile 100 arasında tam sayı olmalıdır", nullptr},
    {Text::FileTooFewNumbers, "Dosyada yeterli sayı yok: {0} sayı gerekiyor, {1} sayı bulundu", nullptr},

    // Saving a file: {0} is the path, {1} the reason; {0} of an error code
    // is the system's number.
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

    // The command line. {0} of the help is the list of the methods, one
    // line each; a usage error is {0} of CliUsageError.
    {Text::CliHelp,
     "Kullanım: lineer [--method YÖNTEM] [--max-iter METİN] [--w METİN] [--steps]\n"
     "                 [--draw] [--picture ÇIKTI.png] DOSYA\n"
     "       lineer --open DOSYA\n"
     "\n"
     "Katsayılar dosyasını (DOSYA) yükler ve listeler; --method ile seçilen yöntemi\n"
     "pencerede \"Hesapla\" düğmesine basılmış gibi çalıştırır. Parametresiz\n"
     "çalıştırıldığında program penceresini açar; --open DOSYA ile pencereyi açıp\n"
     "DOSYA'yı yükler.\n"
     "\n"
     "Yöntemler:\n"
     "{0}"
     "\n"
     "Seçenekler:\n"
     "  --max-iter METİN  \"Maksimum iterasyon sayısı\" kutusunun metni (varsayılan 100)\n"
     "  --w METİN         \"Gevşetme faktörü\" kutusunun metni (varsayılan 1)\n"
     "  --steps           yöntemin adımlarını açıklayan satırları da yazar\n"
     "  --draw            hesaptan sonra \"Matrisi göster\" düğmesine basar\n"
     "  --picture ÇIKTI   en sonda resim kutusunu PNG dosyası olarak kaydeder\n"
     "  --help            bu açıklamayı gösterir\n"
     "  --version         sürümü gösterir\n"
     "\n"
     "Standart çıktı: sonuç listesinin bütün satırları, sırasıyla (UTF-8).\n"
     "Standart hata: gösterilen her mesaj kutusunun ve resim kutusuna yazılan her\n"
     "satırın metni, oluş sırasıyla.\n"
     "Çıkış durumu: 0 yöntem sonuna kadar çalıştı; 1 yöntem bir mesajla durdu;\n"
     "2 kullanım hatası, dosya yüklenemedi ya da çıktı yazılamadı.\n"
     "Ctrl+C bir iterasyonu o adımda bitirir: rapor yazılır, çıkış durumu 1 olur.\n"
     "Ondalık ayıracı yerel ayarlardan (LC_ALL, LC_NUMERIC, LANG) gelir; virgülse\n"
     "--max-iter ve --w metinlerindeki virgül de ondalık ayıracı olarak okunur.\n",
     nullptr},
    {Text::CliUsageError, "lineer: {0}\n\"lineer --help\" kullanımı açıklar.", nullptr},
    {Text::CliMethodNeedsName, "--method bir yöntem adı ister", nullptr},
    {Text::CliOptionNeedsText, "{0} bir metin ister", nullptr},
    {Text::CliPictureNeedsName, "--picture bir dosya adı ister", nullptr},
    {Text::CliUnknownMethod, "bilinmeyen yöntem: {0}", nullptr},
    {Text::CliUnknownOption, "bilinmeyen seçenek: {0}", nullptr},
    {Text::CliOneFileOnly, "yalnızca bir dosya verilebilir", nullptr},
    {Text::CliNoFile, "katsayılar dosyası verilmedi", nullptr},
    {Text::CliOutputFailed, "Standart çıktıya yazılamadı", nullptr},
    {Text::CliPictureNotSaved, "Resim kaydedilemedi: {0}: {1}", nullptr},
    {Text::NoDisplay,
     "Ekran bulunamadı: pencere açılamıyor. Komut satırı ekransız da çalışır; \"lineer --help\" kullanımı açıklar.",
     "No display was found, so the window cannot open. The command line works without one; \"lineer --help\" "
     "explains its use."},

    // The main window. The group headings are padded with spaces, which
    // their underline runs through.
    {Text::WindowCaption, "Lineer Denklem Takımı Çözüm Yöntemleri", nullptr},
    {Text::CalculateButton, "Hesapla", nullptr},
    {Text::ListButton, "Matrisi listele", nullptr},
    {Text::ShowButton, "Matrisi göster", nullptr},
    {Text::MaxIterLabel, "Maksimum iterasyon sayısı", nullptr},
    {Text::RelaxationLabel, "Gevşetme faktörü", nullptr},
    {Text::DeterminantGroup, "Matrisin determinantının hesabı    ", nullptr},
    {Text::InverseGroup, "Matrisin tersinin hesabı                  ", nullptr},
    {Text::LinearSystemGroup, "Lineer denklem takımı çözümü       ", nullptr},
    {Text::FolderNotOpened, "Klasör açılamadı: {0}", nullptr},
    {Text::DriveNotReady, "Sürücü hazır değil: {0}", nullptr},

    // The parameter boxes' reading: {0} is the value the method will use.
    {Text::ValueUsed, "Kullanılacak değer: {0}", "Value used: {0}"},
    {Text::Infinity, "sonsuz", "infinity"},
    {Text::MinusInfinity, "eksi sonsuz", "minus infinity"},

    // The main window's menus.
    {Text::FileMenu, "Dosya", nullptr},
    {Text::NewMatrixItem, "Yeni matris...", nullptr},
    {Text::EditMatrixItem, "Matrisi düzenle...", nullptr},
    {Text::OpenItem, "Aç...", nullptr},
    {Text::SaveResultsItem, "Sonuçları kaydet...", nullptr},
    {Text::SavePictureItem, "Resmi kaydet...", nullptr},
    {Text::PrintItem, "Yazdır...", nullptr},
    {Text::QuitItem, "Çıkış", nullptr},
    {Text::ViewMenu, "Görünüm", nullptr},
    {Text::ShowStepsItem, "Adımları göster", nullptr},
    {Text::AboutItem, "About", nullptr},

    // The main window's file dialogs and printing. A filter is the dialog's
    // list of kinds, ";;" between two. {0} of a file name is the loaded
    // file's name without its extension; {0} of a printed heading is the
    // file's name, {1} the method.
    {Text::OpenTitle, "Aç", nullptr},
    {Text::SaveResultsTitle, "Sonuçları kaydet", nullptr},
    {Text::SavePictureTitle, "Resmi kaydet", nullptr},
    {Text::PrintTitle, "Yazdır", nullptr},
    {Text::TextFilesFilter, "Metin dosyaları (*.txt);;Tüm dosyalar (*)", nullptr},
    {Text::ResultsFileName, "sonuçlar", nullptr},
    {Text::ResultsFileNameOf, "{0}-sonuç", nullptr},
    {Text::PictureFileName, "resim", nullptr},
    {Text::PrintHeading, "{0} \u2014 {1}", nullptr},
    {Text::PrintPage, "Sayfa {0} / {1}", nullptr},
    {Text::PrintFailed, "Yazdırılamadı: yazıcı ya da dosya açılamadı.", nullptr},

    // Handouts. {0} of PrintColumns and PrintManyPages are whole numbers;
    // ExportFailed and CliExportNotSaved name the file and the reason.
    {Text::PrintDate, "Tarih: {0}", "Date: {0}"},
    {Text::PrintColumns, "Sütun {0}\u2013{1}", "Columns {0}\u2013{1}"},
    {Text::PrintManyPages, "Sonuçlar {0} sayfa tutuyor. Hepsi yazdırılsın mı?",
     "The results take {0} pages. Print them all?"},
    {Text::PrintManyPagesButton, "Yazdır", "Print"},
    {Text::ExportItem, "Dışa aktar...", "Export..."},
    {Text::ExportTitle, "Dışa aktar", "Export"},
    {Text::ExportFilter, "LaTeX belgeleri (*.tex);;HTML sayfaları (*.html);;PDF belgeleri (*.pdf)",
     "LaTeX documents (*.tex);;HTML pages (*.html);;PDF documents (*.pdf)"},
    {Text::ExportUnknownType, "Dışa aktarmanın türü dosya adının uzantısından anlaşılır: .tex, .html ya da .pdf",
     "The kind of export is taken from the file name's extension: .tex, .html or .pdf"},
    {Text::ExportFailed, "Dışa aktarılamadı: {0} ({1})", "Could not export: {0} ({1})"},
    {Text::ExportBodyBegin, "Kendi belgenize yapıştırılacak kısım burada başlar (amsmath paketini ister).",
     "The part to paste into your own document starts here (it needs the amsmath package)."},
    {Text::ExportBodyEnd, "Yapıştırılacak kısım burada biter.", "The part to paste ends here."},
    {Text::ExportPictureAlt, "Resim kutusunun çizimi", "The drawing of the picture box"},
    {Text::PictureWindowItem, "Resmi büyüt...", "Enlarge the picture..."},
    {Text::PictureWindowTitle, "Resim", "Picture"},
    {Text::PictureFilesFilter, "PNG resimleri (*.png);;SVG çizimleri (*.svg);;Tüm dosyalar (*)",
     "PNG images (*.png);;SVG drawings (*.svg);;All files (*)"},
    {Text::PictureSizeQuestion, "Resmin boyu:", "Size of the picture:"},
    {Text::PictureSizeChoice, "{0} × {1} piksel", "{0} × {1} pixels"},
    {Text::PlotIterationAxis, "İterasyon", "Iteration"},
    {Text::PlotChangeAxis, "Maksimum değişim", "Maximum change"},
    {Text::CliHandoutHelp,
     "\nSayfalar ve dışa aktarma:\n"
     "  --pdf ÇIKTI.pdf        pencerenin \"Yazdır...\" ile yazdığı sayfaları PDF olarak yazar\n"
     "  --export ÇIKTI         sonuçları uzantıya göre LaTeX (.tex) ya da HTML (.html)\n"
     "                         belgesi olarak yazar\n"
     "  --export-body          LaTeX'te yalnızca kendi belgenize yapıştırılacak kısmı yazar\n"
     "  --picture ÇIKTI.svg    resmi SVG çizimi olarak kaydeder (.png için PNG)\n"
     "  --picture-size GxY     resmi G × Y piksel, ölçeği ve eksenleriyle çizer (en az {0})\n"
     "Sayfa başlığındaki tarih SOURCE_DATE_EPOCH ortam değişkeninden de verilebilir.\n",
     "\nPages and export:\n"
     "  --pdf OUT.pdf          writes the pages the window's \"Print...\" prints, as PDF\n"
     "  --export OUT           writes the results as a LaTeX (.tex) or HTML (.html)\n"
     "                         document, by the extension\n"
     "  --export-body          LaTeX: writes only the part to paste into your own document\n"
     "  --picture OUT.svg      saves the picture as an SVG drawing (PNG for .png)\n"
     "  --picture-size WxH     draws the picture W × H pixels, with its scale and axes (at least {0})\n"
     "The date in the page heading may also be given by the SOURCE_DATE_EPOCH environment variable.\n"},
    {Text::CliOutputNeedsName, "{0} bir dosya adı ister", "{0} needs a file name"},
    {Text::CliBadPictureSize, "--picture-size GENİŞLİKxYÜKSEKLİK ister, en az {0}",
     "--picture-size needs WIDTHxHEIGHT, at least {0}"},
    {Text::CliExportNotSaved, "Dışa aktarılamadı: {0}: {1}", "Could not export: {0}: {1}"},

    // The results list's context menu.
    {Text::CopyLineItem, "Kopyala", nullptr},
    {Text::CopyAllItem, "Tümünü kopyala", nullptr},

    // The matrix editor. The undo steps are named for the undo history.
    {Text::NewMatrixTitle, "Yeni matris", nullptr},
    {Text::EditMatrixTitle, "Matrisi düzenle", nullptr},
    {Text::RowsLabel, "Satır sayısı (n):", nullptr},
    {Text::ColumnsLabel, "Sütun sayısı (m):", nullptr},
    {Text::EditorKeysHint, "Ctrl+V: blok yapıştır   Ctrl+C: kopyala   Delete: 0 yap   Ctrl+Z / Ctrl+Y: geri al / yinele", nullptr},
    {Text::SaveButton, "Kaydet", nullptr},
    {Text::CancelButton, "Vazgeç", nullptr},
    {Text::UndoAction, "Geri al", nullptr},
    {Text::RedoAction, "Yinele", nullptr},
    {Text::UndoResize, "Boyut", nullptr},
    {Text::UndoPaste, "Yapıştır", nullptr},
    {Text::UndoClear, "Sil", nullptr},
    {Text::CellProblem, "Satır {0}, sütun {1}: {2}", nullptr},
    {Text::CellProblems, "Satır {0}, sütun {1}: {2} ({3} hücre geçersiz)", nullptr},
    {Text::PasteTooLarge, "Yapıştırılan {0} x {1} blok {2}. satır, {3}. sütundan başlayınca sığmıyor: "
                          "matris en çok 100 satır ve 100 sütun olabilir", nullptr},
    {Text::SaveMatrixTitle, "Matrisi kaydet", nullptr},
    {Text::CoefficientFilesFilter, "Katsayılar dosyası (*.txt)", nullptr},
    {Text::OverwriteQuestion, "{0} zaten var. Üzerine yazılsın mı?", nullptr},
    {Text::OverwriteButton, "Üzerine yaz", nullptr},
    {Text::CloseUnsavedQuestion, "Matris kaydedilmedi. Pencere kapatılsın mı?", nullptr},
    {Text::CloseButton, "Kapat", nullptr},

    // The matrix editor's cells: why a text is not a number, the undo entry
    // of a typed cell, the heading of the last column.
    {Text::CellEmpty, "Boş hücre", "Empty cell"},
    {Text::CellTooLarge, "Sayı çok büyük", "Number too large"},
    {Text::CellDecimalPoint, "Ondalık ayıracı olarak nokta yazınız", "Use a point as the decimal separator"},
    {Text::CellNotANumber, "Sayı değil", "Not a number"},
    {Text::CellChange, "Hücre", "Cell"},
    {Text::RightHandSide, "sağ taraf", "right-hand side"},

    // The progress window of a long iteration.
    {Text::ProgressTitle, "Hesaplanıyor", "Calculating"},
    {Text::ProgressSweeps, "İterasyon: {0}", "Iteration: {0}"},
    {Text::ProgressChange, "Maksimum hata: {0}", "Maximum error: {0}"},
    {Text::ProgressLimit, "İterasyon sınırı: {0}", "Iteration limit: {0}"},
    {Text::ProgressCancel, "İptal", "Cancel"},
};
// clang-format on

}  // namespace lineer
