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

    // Results list: the analysis of a result and of an iteration's
    // convergence, and the comparison of the methods.
    AccuracyHeading,
    ResidualLine,
    RelativeResidualLine,
    ConditionLine,
    WellConditioned,
    IllConditioned,
    SingularToPrecision,
    InverseCheckLine,
    SmallDeterminantNote,
    TridiagonalLine,
    NotTridiagonalLine,
    ConvergenceHeading,
    SplittingLine,
    DominanceStrict,
    DominanceWeak,
    DominanceFails,
    SpectralRadiusLine,
    SpectralRadiusUnknown,
    IterationMatrixUndefined,
    ConvergesLine,
    DoesNotConvergeLine,
    ObservedRateLine,
    ObservedRateAloneLine,
    SorRelaxesAfterSweep,
    SorOptimumLine,
    TextbookSorAtW,
    TextbookOptimumClassical,
    TextbookOptimumSearched,
    OptimumUnknown,
    CompareHeading,
    CompareMethod,
    CompareOutcome,
    CompareSweeps,
    CompareResidual,
    CompareDifference,
    CompareTime,
    CompareSolved,
    CompareZeroPivot,
    CompareOverflow,
    CompareUnderflow,
    CompareNotConverged,
    CompareStopped,
    CompareProgramSor,
    CompareTextbookSorAtW,
    CompareTextbookSorBest,
    CompareReference,
    CompareNoReference,
    CompareThomasSkipped,
    CompareNeedsSystem,

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
    ShowAnalysisItem,
    CompareItem,
    AboutItem,

    // The main window's file dialogs and printing.
    OpenTitle,
    SaveResultsTitle,
    SavePictureTitle,
    PrintTitle,
    TextFilesFilter,
    PngFilesFilter,
    ResultsFileName,
    ResultsFileNameOf,
    PictureFileName,
    PrintHeading,
    PrintPage,
    PrintFailed,

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

    // Results list: the analysis. Figures come formatted; {0} of a
    // spectral radius line is the iteration matrix in notation.
    {Text::AccuracyHeading, "Doğruluk analizi", "Accuracy analysis"},
    {Text::ResidualLine, "Artık r = b \u2212 A·x: en büyük |r(i)| = {0}", "Residual r = b \u2212 A·x: largest |r(i)| = {0}"},
    {Text::RelativeResidualLine, "Bağıl artık \u2016r\u2016\u221e / (\u2016A\u2016\u221e·\u2016x\u2016\u221e + \u2016b\u2016\u221e) = {0} (geriye doğru hata)",
     "Relative residual \u2016r\u2016\u221e / (\u2016A\u2016\u221e·\u2016x\u2016\u221e + \u2016b\u2016\u221e) = {0} (the backward error)"},
    {Text::ConditionLine, "Koşul sayısı \u03ba\u221e(A) = \u2016A\u2016\u221e·\u2016A\u207b\u00b9\u2016\u221e = {0}",
     "Condition number \u03ba\u221e(A) = \u2016A\u2016\u221e·\u2016A\u207b\u00b9\u2016\u221e = {0}"},
    {Text::WellConditioned, "Matris iyi koşullu: sonucun yaklaşık {0} ile {1} anlamlı basamağına güvenilebilir",
     "The matrix is well conditioned: about {0} to {1} significant digits of the result can be trusted"},
    {Text::IllConditioned, "Matris kötü koşullu: sonucun yalnızca yaklaşık {0} ile {1} anlamlı basamağına güvenilebilir",
     "The matrix is ill conditioned: only about {0} to {1} significant digits of the result can be trusted"},
    {Text::SingularToPrecision, "Matris çalışma duyarlığında tekil: sonucun hiçbir basamağına güvenilemez",
     "The matrix is singular to working precision: no digit of the result can be trusted"},
    {Text::InverseCheckLine, "Tersin sınaması: \u2016A·A\u207b\u00b9 \u2212 I\u2016\u221e = {0}",
     "Check of the inverse: \u2016A·A\u207b\u00b9 \u2212 I\u2016\u221e = {0}"},
    {Text::SmallDeterminantNote,
     "Küçük bir determinant matrisin tekile yakın olduğunu göstermez: 100 × 100 boyutlu I/10 matrisinin "
     "determinantı 1E-100, koşul sayısı ise 1'dir. Tekilliğe yakınlığı \u03ba\u221e ölçer.",
     "A small determinant does not mean that the matrix is nearly singular: the 100 × 100 matrix I/10 has the "
     "determinant 1E-100 and the condition number 1. Nearness to singularity is measured by \u03ba\u221e."},
    {Text::TridiagonalLine, "Matris üç köşegenli: Thomas yöntemi bütün katsayıları kullandı",
     "The matrix is tridiagonal: the Thomas method used every coefficient"},
    {Text::NotTridiagonalLine,
     "Matris üç köşegenli değil: üç köşegenin dışındaki sıfırdan farklı {0} katsayı hiç kullanılmadı; artık "
     "dosyadaki sisteme göredir",
     "The matrix is not tridiagonal: {0} non-zero coefficients outside the three diagonals were never used; the "
     "residual is that of the system in the file"},
    {Text::ConvergenceHeading, "Yakınsama analizi", "Convergence analysis"},
    {Text::SplittingLine, "A = L + D + U (L alt üçgen, D köşegen, U üst üçgen kısım)",
     "A = L + D + U (L the strictly lower, D the diagonal, U the strictly upper part)"},
    {Text::DominanceStrict, "Köşegen baskınlığı: her satırda kesin, |A(i,i)| > \u03a3 |A(i,j)| (j \u2260 i)",
     "Diagonal dominance: strict in every row, |A(i,i)| > \u03a3 |A(i,j)| (j \u2260 i)"},
    {Text::DominanceWeak, "Köşegen baskınlığı: zayıf; |A(i,i)| = \u03a3 |A(i,j)| olan satırlar: {0}",
     "Diagonal dominance: weak; rows where |A(i,i)| = \u03a3 |A(i,j)|: {0}"},
    {Text::DominanceFails, "Köşegen baskınlığı yok; |A(i,i)| < \u03a3 |A(i,j)| olan satırlar: {0}",
     "No diagonal dominance; rows where |A(i,i)| < \u03a3 |A(i,j)|: {0}"},
    {Text::SpectralRadiusLine, "İterasyon matrisi {0}: spektral yarıçap \u03c1 = {1}",
     "Iteration matrix {0}: spectral radius \u03c1 = {1}"},
    {Text::SpectralRadiusUnknown, "İterasyon matrisi {0}: spektral yarıçap hesaplanamadı",
     "Iteration matrix {0}: the spectral radius could not be computed"},
    {Text::IterationMatrixUndefined, "Köşegende sıfır var: iterasyon matrisi tanımlı değil",
     "A diagonal element is 0: the iteration matrix is not defined"},
    {Text::ConvergesLine,
     "\u03c1 < 1: iterasyon her başlangıç vektöründen yakınsar; hatayı 10\u207b\u2076 katına indirmek için yaklaşık {0} "
     "adım gerekir (\u22126 / log10 \u03c1)",
     "\u03c1 < 1: the iteration converges from every start; reducing the error by 10\u207b\u2076 takes about {0} "
     "sweeps (\u22126 / log10 \u03c1)"},
    {Text::DoesNotConvergeLine, "\u03c1 \u2265 1: iterasyon her başlangıç vektöründen yakınsamaz",
     "\u03c1 \u2265 1: the iteration does not converge from every start"},
    {Text::ObservedRateLine,
     "Gözlenen yakınsama hızı (son {0} adımda maksimum değişimin adım başına ortalama oranı) = {1}, "
     "\u03c1 = {2}",
     "Observed rate (the mean factor per sweep of the maximum change over the last {0} sweeps) = {1}, against "
     "\u03c1 = {2}"},
    {Text::ObservedRateAloneLine,
     "Gözlenen yakınsama hızı (son {0} adımda maksimum değişimin adım başına ortalama oranı) = {1}",
     "Observed rate (the mean factor per sweep of the maximum change over the last {0} sweeps) = {1}"},
    {Text::SorRelaxesAfterSweep,
     "Bu programın SOR'u gevşetmeyi süpürme bitince bütün vektöre uygular, x \u2190 \u03c9·x + (1 \u2212 \u03c9)·p: "
     "iterasyon matrisi \u03c9·T_GS + (1 \u2212 \u03c9)·I'dır, ders kitabındaki (D + \u03c9L)\u207b\u00b9((1 \u2212 \u03c9)D \u2212 \u03c9U) değil",
     "This program's SOR relaxes after the whole sweep, x \u2190 \u03c9·x + (1 \u2212 \u03c9)·p: its iteration "
     "matrix is \u03c9·T_GS + (1 \u2212 \u03c9)·I, not the textbook's (D + \u03c9L)\u207b\u00b9((1 \u2212 \u03c9)D \u2212 \u03c9U)"},
    {Text::SorOptimumLine, "Bu SOR için \u03c1'yu en küçük yapan \u03c9 = {0} (\u03c1 = {1})",
     "The \u03c9 that minimises \u03c1 for this SOR: {0} (\u03c1 = {1})"},
    {Text::TextbookSorAtW, "Ders kitabındaki SOR, \u03c9 = {0}: \u03c1 = {1}", "Textbook SOR at \u03c9 = {0}: \u03c1 = {1}"},
    {Text::TextbookOptimumClassical,
     "Ders kitabındaki SOR'un en iyi \u03c9 değeri {0} (\u03c1 = {1}), 2 / (1 + \u221a(1 \u2212 \u03c1_J\u00b2)) "
     "formülünden, \u03c1_J = {2}",
     "Textbook SOR's best \u03c9 is {0} (\u03c1 = {1}), from 2 / (1 + \u221a(1 \u2212 \u03c1_J\u00b2)) with "
     "\u03c1_J = {2}"},
    {Text::TextbookOptimumSearched, "Ders kitabındaki SOR'un en iyi \u03c9 değeri {0} (\u03c1 = {1}), (0, 2) aralığında aranarak",
     "Textbook SOR's best \u03c9 is {0} (\u03c1 = {1}), searched over (0, 2)"},
    {Text::OptimumUnknown, "En iyi \u03c9 hesaplanamadı", "The best \u03c9 could not be computed"},

    // Results list: the comparison of the methods. The column headings,
    // the outcomes, the rows of the SORs ({0} is ω), the line under the
    // table ({0} is the method whose solution the differences are from).
    {Text::CompareHeading, "Yöntemlerin karşılaştırılması", "Comparison of the methods"},
    {Text::CompareMethod, "Yöntem", "Method"},
    {Text::CompareOutcome, "Sonuç", "Outcome"},
    {Text::CompareSweeps, "Adım", "Sweeps"},
    {Text::CompareResidual, "Bağıl artık", "Rel. residual"},
    {Text::CompareDifference, "En büyük fark", "Largest diff."},
    {Text::CompareTime, "Süre (µs)", "Time (µs)"},
    {Text::CompareSolved, "çözüldü", "solved"},
    {Text::CompareZeroPivot, "sıfır pivot", "zero pivot"},
    {Text::CompareOverflow, "taşma", "overflow"},
    {Text::CompareUnderflow, "alttan taşma", "underflow"},
    {Text::CompareNotConverged, "sınırda yakınsamadı", "not converged"},
    {Text::CompareStopped, "durduruldu", "stopped"},
    {Text::CompareProgramSor, "SOR (bu program), \u03c9 = {0}", "SOR (this program), \u03c9 = {0}"},
    {Text::CompareTextbookSorAtW, "SOR (ders kitabı), \u03c9 = {0}", "SOR (textbook), \u03c9 = {0}"},
    {Text::CompareTextbookSorBest, "SOR (ders kitabı), en iyi \u03c9 = {0}", "SOR (textbook), best \u03c9 = {0}"},
    {Text::CompareReference, "En büyük fark: bağıl artığı en küçük olan çözümden ({0})",
     "Largest difference: from the solution with the smallest relative residual ({0})"},
    {Text::CompareNoReference, "Hiçbir yöntem bir çözüm bulamadı", "No method found a solution"},
    {Text::CompareThomasSkipped, "Thomas yöntemi denenmedi: matris üç köşegenli değil",
     "The Thomas method was not tried: the matrix is not tridiagonal"},
    {Text::CompareNeedsSystem, "Karşılaştırma bir denklem takımı ister: sütun sayısı satır sayısından bir fazla olmalı",
     "The comparison needs a system of equations: one column more than rows"},

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
     "                 [--analysis] [--compare] [--draw] [--picture ÇIKTI.png] DOSYA\n"
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
     "  --analysis        sonucun doğruluğunu ve iterasyonun yakınsamasını çözümler\n"
     "  --compare         sisteme uyan bütün yöntemleri çalıştırıp bir tabloda karşılaştırır\n"
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
    {Text::ShowAnalysisItem, "Analizi göster", "Show analysis"},
    {Text::CompareItem, "Yöntemleri karşılaştır", "Compare the methods"},
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
    {Text::PngFilesFilter, "PNG resimleri (*.png);;Tüm dosyalar (*)", nullptr},
    {Text::ResultsFileName, "sonuçlar", nullptr},
    {Text::ResultsFileNameOf, "{0}-sonuç", nullptr},
    {Text::PictureFileName, "resim", nullptr},
    {Text::PrintHeading, "{0} \u2014 {1}", nullptr},
    {Text::PrintPage, "Sayfa {0} / {1}", nullptr},
    {Text::PrintFailed, "Yazdırılamadı: yazıcı ya da dosya açılamadı.", nullptr},

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
