#pragma once
// The catalogue: every text the user sees, one row each, grouped by where
// it is shown. A new text is a new key and its row, in the same place of
// both lists. Read the texts through texts.h.
//
// A row holds the key and one text for each language, in the order of
// Language (language.h): the Turkish text, then its English twin; a row
// without one of them does not compile. A text that takes values has numbered places, {0} to
// {9}; a place may stand more than once. Mathematical notation ("x(3) =
// 2.0000", the formulas of the explained steps) is not language: the code
// that lays it out writes it.

#include <cstddef>

#include "language.h"

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
    PartialPivotingHeading,
    CompletePivotingHeading,
    PartialPivotLine,
    ZeroColumnLine,
    ColumnVariablesLine,
    PermutationLine,
    PermutationMatrixHeading,
    ForwardSubstitutionHeading,
    CholeskyFactorHeading,
    ExchangeCountLine,
    StartVectorEvery,
    StartVectorLine,
    ToleranceLine,

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
    StepNewRow,
    StepNewColumn,
    StepTableSweep,
    StepTableMaxChange,
    StepTableLeftOut,
    StepOverflow,
    StepsHeading,
    StepRowsUnchanged,
    StepThomasSymbols,
    StepBorderingStep,
    StepBlockDefined,
    StepBorderRowDefined,
    StepBorderColumnDefined,
    StepCornerDefined,
    StepEnlargedInverse,
    StepIterationLimit,
    StepIterationLimitW,
    StepExchangedRoots,
    StepPivotsChosenBefore,

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
    SkeelConditionLine,
    ComponentwiseBackwardLine,
    ForwardBoundLine,
    NoTrustedDigits,
    UnstableSolver,
    UnstableGaussJordan,
    NilpotentLine,
    SingularIterationLine,
    TextbookOptimumImaginary,
    YoungNotTridiagonal,
    YoungComplexEigenvalues,
    YoungRhoJAtLeastOne,
    NoOmegaConverges,
    OptimumAtEdge,
    ErrorBoundLine,

    // Remarks: what is true of a run whatever its lines show. Shown apart
    // from the results (after the transcript, in the window's remarks).
    RemarkNoSolution,
    RemarkInfiniteSolutions,
    RemarkSingularSquare,
    RemarkNoSolutionEnded,
    RemarkInfiniteSolutionsEnded,
    RemarkSingularSquareEnded,
    RemarkSingularDeterminant,
    RemarkSingularInverse,
    RemarkSingularNoInverse,
    RemarkZeroPivotRegular,
    RemarkZeroPivotRegularMatrix,
    RemarkMaxPivotZeroPivot,
    RemarkDeterminantInFull,
    RemarkNotConverged,
    RemarkDivergesGrowing,
    RemarkDivergesRadius,
    RemarkNoSweep,
    RemarkOmegaZero,
    // The zero pivot of the bordered inverse on a regular matrix.
    RemarkZeroPivotRegularInverse,
    CompareHeading,
    CompareMethod,
    CompareOutcome,
    CompareSweeps,
    CompareResidual,
    CompareDifference,
    CompareOperations,
    CompareSolved,
    CompareSingular,
    CompareZeroPivot,
    CompareOverflow,
    CompareUnderflow,
    CompareNotConverged,
    CompareStopped,
    CompareRefused,
    CompareProgramSor,
    CompareTextbookSorAtW,
    CompareTextbookSorBest,
    CompareReference,
    CompareNoReference,
    CompareThomasSkipped,
    CompareNeedsSystem,
    CompareCourseHeading,

    // The methods: each one's caption and its line of "--help".
    CaptionDetGauss,
    HelpDetGauss,
    CaptionInvScrobanski,
    HelpInvScrobanski,
    CaptionLesGauss,
    HelpLesGauss,
    CaptionLesMPGauss,
    HelpLesMPGauss,
    CaptionLesGaussJordan,
    HelpLesGaussJordan,
    CaptionLesDoolittle,
    HelpLesDoolittle,
    CaptionLesCrout,
    HelpLesCrout,
    CaptionLesThomas,
    HelpLesThomas,
    CaptionLesJacobi,
    HelpLesJacobi,
    CaptionLesGaussSidel,
    HelpLesGaussSidel,
    CaptionLesSOR,
    HelpLesSOR,
    CaptionLesSORTextbook,
    HelpLesSORTextbook,
    CaptionLesGaussPivot,
    HelpLesGaussPivot,
    CaptionLesCompletePivot,
    HelpLesCompletePivot,
    CaptionLesLUPivot,
    HelpLesLUPivot,
    CaptionLesCholesky,
    HelpLesCholesky,
    CaptionDetPivot,
    HelpDetPivot,
    // Exact fractions: the mark of a fraction rounded for the screen, the
    // cases of a singular system and its general solution, the methods that
    // cannot run exactly.
    ExactRoundedNote,
    ExactNoSolution,
    ExactInfinitelyMany,
    ExactGeneralSolution,
    ExactRefusedHere,
    ExactNotYet,

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
    SystemNeeded,
    SingularColumn,
    SingularBlock,
    NotSymmetric,
    NotPositiveDefinite,
    NotSymmetricReason,
    NotPositiveDefiniteReason,
    StartVectorSize,
    StartVectorWrongSize,

    // Reading coefficient files.
    FileNotOpened,
    FileInvalidValue,
    FileItemTooLong,
    FileValueTooLarge,
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
    WhyLinkLoop,
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
    CliCourseHelp,
    CliBadStartVector,
    CliBadTolerance,
    CliGenerateNeeds,
    CliUnknownKind,
    CliBadSize,
    CliBadSeed,
    CliGenerateOnly,
    CliAnswersNotSaved,
    AnswersHeading,
    AnswersRhoLine,
    AnswersRhoUnknown,
    AnswersHilbertNote,

    // The language: the command line's choice, the window's menu.
    CliLanguageNeedsName,
    CliUnknownLanguage,
    LanguageMenu,
    TurkishItem,
    EnglishItem,
    AboutTitle,

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
    NoSweepNote,
    Infinity,
    MinusInfinity,

    // The main window's menus.
    FileMenu,
    NewMatrixItem,
    EditMatrixItem,
    OpenItem,
    ReloadRunItem,
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
    ResultsFileName,
    ResultsFileNameOf,
    PictureFileName,
    PrintHeading,
    PrintPage,
    PrintFailed,
    ResultsFilesFilter,
    LooksLikeResultsNote,

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
    // Plots: convergence, ω, the geometry of a 2 × 2 system, SOR's title.
    PlotConvergenceTitle,
    PlotConvergenceTitleW,
    PlotCompareTitle,
    PlotChangeErrorAxis,
    PlotChangeSeries,
    PlotErrorSeries,
    PlotRhoSeries,
    PlotChangeKey,
    PlotErrorKey,
    PlotRhoKey,
    PlotToleranceLine,
    PlotZeroChangesLeftOut,
    PlotNoError,
    PlotRunMessage,
    PlotNeedsSystem,
    PlotNeedsIteration,
    PlotOmegaTitle,
    PlotSweepsAxis,
    PlotRhoAxis,
    PlotRhoOf,
    PlotYoungSeries,
    PlotFewestSweepsMark,
    PlotLeastRhoMark,
    PlotOmegaNotConverged,
    PlotNoYoung,
    PlotGeometryTitle,
    PlotEquationSeries,
    PlotPathSeries,
    PlotSolutionMark,
    PlotStartMark,
    PlotParallelLines,
    PlotSameLines,
    PlotNoLine,
    PlotPathLeaves,
    PlotGeometryNeedsTwo,
    PlotMenu,
    PlotConvergenceItem,
    PlotOmegaItem,
    PlotGeometryItem,
    PlotChoicePicture,
    PlotChoiceConvergence,
    PlotChoiceOmega,
    PlotChoiceGeometry,
    PlotLogScale,
    PlotNoFile,
    CliUnknownPlot,
    CliPlotNeedsPicture,
    CliPlotHelp,

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

    // The textbook methods in the window, the iterations' settings, the
    // exercises.
    TextbookMenu,
    IterationSettingsItem,
    ExerciseItem,
    IterationSettingsTitle,
    StartVectorLabel,
    ToleranceLabel,
    WindowBadStartVector,
    WindowBadTolerance,
    OkButton,
    ExerciseTitle,
    ExerciseKindLabel,
    ExerciseKindInteger,
    ExerciseKindDominant,
    ExerciseKindSpd,
    ExerciseKindTridiagonal,
    ExerciseKindHilbert,
    ExerciseSizeLabel,
    ExerciseSeedLabel,
    ExerciseAnswersCheck,
    ExerciseFileLine,
    ExerciseWriteButton,
    ExerciseFileName,
    AnswersFileName,
    WindowCaptionWithMethod,

    // The step-by-step view: its window, the titles of its grids, and the
    // explanation of each step.
    StepViewItem,
    StepViewTitle,
    StepViewFirst,
    StepViewBack,
    StepViewNext,
    StepViewLast,
    StepViewCount,
    StepViewEmpty,
    StepViewLeftOut,
    StepViewMultiplier,
    StepViewSystem,
    StepViewMatrix,
    StepViewSweepTitle,
    StepViewStart,
    StepViewElimination,
    StepViewJordan,
    StepViewDivision,
    StepViewRowExchange,
    StepViewColumnExchange,
    StepViewLuStep,
    StepViewCholeskyStep,
    StepViewThomasRow,
    StepViewThomasBack,
    StepViewDeterminant,
    StepViewInverse,
    StepViewSweep,
    // The browser edition: its command line under node, and the page.
    CliNoFilesHere,
    PageExamples,
    PageOpenFile,
    PageDropHint,
    PageMatrixText,
    PageMethod,
    PageNoMethod,
    PageShowPicture,
    PageSaveResults,
    PageExportLatex,
    PageExportHtml,
    PagePrint,
    PageRunning,
    PageLines,
    PageCopied,

    Count_  // not a text: the number of keys
};

struct TextRow {
    Text key;
    const char* texts[kLanguageCount];
    // The text in `language`.
    constexpr const char* in(Language language) const { return texts[static_cast<std::size_t>(language)]; }
};

// clang-format off
inline constexpr TextRow kCatalogue[] = {
    // Results list: headings and result lines of the methods.
    {Text::CoefficientsHeading, "Katsayılar matrisi", "Coefficient matrix"},
    {Text::UpperTriangularHeading, "Üst-üçgenselleştirilmiş matris", "Upper triangular matrix"},
    {Text::PivotedHeading, "Pivotlanmış matris", "Pivoted matrix"},
    {Text::LowerFactorHeading, "Alt-üçgensel matris", "Lower triangular matrix"},
    {Text::UpperFactorHeading, "Üst-üçgensel matris", "Upper triangular matrix"},
    {Text::ThomasTableHeading, "Dikdörgenselleştirilmiş katsayılar matrisi", "Coefficient matrix in band form"},
    {Text::InverseHeading, "Ters matris", "Inverse matrix"},
    {Text::RootsHeading, "Lineer denklem takımının kökleri", "Roots of the linear system"},
    {Text::SortedRootsHeading, "Lineer denklem takımının sıralanmış kökleri", "Roots of the linear system in order"},
    {Text::DeterminantLine, "Matrisin determinantı = {0}", "Determinant of the matrix = {0}"},
    {Text::IterationCountLine, "{0} iterasyon adımı sonucunda", "Number of iterations: {0}"},
    {Text::MaxErrorLine, "Maksimum hata = {0}", "Maximum error = {0}"},
    {Text::StoppedLine, "İterasyon {0}. adımda durduruldu", "Iteration stopped at step {0}"},
    // The pivoting methods and the factorisations beside them. {0} of a
    // step is its number, {1} the pivot, {2} its row; {0} of the column
    // variables is their list ("x(2), x(1)"), of the permutation the row
    // numbers ("2, 3, 1"); {0} of the exchange count is the count, {1} the
    // sign factor ("-1").
    {Text::PartialPivotingHeading, "Kısmi pivotlama", "Partial pivoting"},
    {Text::CompletePivotingHeading, "Tam pivotlama", "Complete pivoting"},
    {Text::PartialPivotLine, "{0}. adım: {0}. sütunun {0}. satır ve altındaki en büyük elemanı {1} ({2}. satır)",
     "step {0}: the largest element of column {0} from row {0} down is {1} (row {2})"},
    {Text::ZeroColumnLine, "{0}. adım: {0}. sütun {0}. satır ve altında sıfır; eleme gerekmez, determinant 0",
     "step {0}: column {0} is zero from row {0} down; nothing to eliminate, the determinant is 0"},
    {Text::ColumnVariablesLine, "Sütunlardaki değişkenler: {0}", "Variables of the columns: {0}"},
    {Text::PermutationLine, "Permütasyon: p = ({0}); P·A'nın i. satırı A'nın p(i). satırıdır",
     "Permutation: p = ({0}); row i of P·A is row p(i) of A"},
    {Text::PermutationMatrixHeading, "Permütasyon matrisi P", "Permutation matrix P"},
    {Text::ForwardSubstitutionHeading, "İleri yerine koyma: L·y = P·b", "Forward substitution: L·y = P·b"},
    {Text::CholeskyFactorHeading, "Cholesky çarpanı L (A = L·L\u1d40)", "Cholesky factor L (A = L·L\u1d40)"},
    {Text::ExchangeCountLine, "Satır değişimi sayısı: {0}; işaret çarpanı (\u22121)^{0} = {1}",
     "Number of row exchanges: {0}; sign factor (\u22121)^{0} = {1}"},
    // What an iteration started from and stopped at, after its report
    // when the user set them: {0} is a number, or the numbers ("0; 1; 2").
    {Text::StartVectorEvery, "Başlangıç vektörü: her bileşen {0}", "Start vector: every component {0}"},
    {Text::StartVectorLine, "Başlangıç vektörü: ({0})", "Start vector: ({0})"},
    {Text::ToleranceLine, "Durdurma ölçütü: maksimum değişim < {0}", "Stopping test: maximum change < {0}"},

    // Results list: explained steps. {1} of a row operation is the
    // multiplier, {2} the row it takes.
    {Text::StepRowOperation, "{0}. satır \u2190 {0}. satır \u2212 {1} \u00d7 {2}. satır",
     "row {0} \u2190 row {0} \u2212 {1} \u00d7 row {2}"},
    {Text::StepRowDivision, "{0}. satır \u2190 {0}. satır / {1}", "row {0} \u2190 row {0} / {1}"},
    {Text::StepRowExchange, "{0}. ve {1}. satırlar yer değiştirdi", "rows {0} and {1} exchanged"},
    {Text::StepColumnExchange, "{0}. ve {1}. sütunlar yer değiştirdi", "columns {0} and {1} exchanged"},
    {Text::StepRootExchange, "x({0}) ile x({1}) yer değiştirdi", "x({0}) and x({1}) exchanged"},
    {Text::StepLargestElement, "{0}. adım: en büyük eleman {1} ({2}. satır, {3}. sütun)",
     "step {0}: largest element {1} (row {2}, column {3})"},
    {Text::StepNoLargestElement, "{0}. adım: kalan blokta sıfırdan farklı eleman yok",
     "step {0}: no non-zero element left in the remaining block"},
    {Text::StepDiagonalProduct, "Köşegen elemanlarının çarpımı: {0}", "Product of the diagonal elements: {0}"},
    {Text::StepLuFactors, "{0}. adım: U({0},{0}..{1}) ve L({0}..{1},{0}) hesaplandı, köşegen elemanı {2}",
     "step {0}: U({0},{0}..{1}) and L({0}..{1},{0}) computed, diagonal element {2}"},
    {Text::StepThomasSweep, "İleri süpürme: \u03b2(i) ve \u03b3(i)", "Forward sweep: \u03b2(i) and \u03b3(i)"},
    {Text::StepNewRow, "yeni {0}. satır", "new row {0}"},
    {Text::StepNewColumn, "yeni {0}. sütun", "new column {0}"},
    {Text::StepTableSweep, "Adım", "Step"},
    {Text::StepTableMaxChange, "Maksimum değişim", "Maximum change"},
    {Text::StepTableLeftOut, "({0} adım gösterilmedi)", "({0} step(s) not shown)"},
    {Text::StepOverflow, "taşma", "overflow"},
    // Set apart the explanations from the lines above them, and name what
    // the formulas use. {0} of the unchanged rows is their list ("3, 5");
    // of the bordering, {0} is the step and {1} the row and column added;
    // {2} of r and u is their vector.
    {Text::StepsHeading, "Adımlar", "Steps"},
    {Text::StepRowsUnchanged, "Çarpanı 0 olan satırlar değişmedi: {0}", "Rows whose multiplier is 0 were not changed: {0}"},
    {Text::StepThomasSymbols, "a: alt köşegen, b: köşegen, c: üst köşegen, d: sağ taraf",
     "a: sub-diagonal, b: diagonal, c: super-diagonal, d: right-hand side"},
    {Text::StepBorderingStep, "{0}. adım: {1}. satır ve sütun eklenir", "step {0}: row and column {1} are added"},
    {Text::StepBlockDefined, "B: ilk {0} satır ve sütunun bloğu; B⁻¹ onun tersi, A(1..{0},1..{0}) içinde",
     "B: the block of the first {0} rows and columns; B⁻¹ is its inverse, held in A(1..{0},1..{0})"},
    {Text::StepBorderRowDefined, "r: {0}. satırın ilk {1} elemanı = {2}", "r: the first {1} entries of row {0} = {2}"},
    {Text::StepBorderColumnDefined, "u: {0}. sütunun ilk {1} elemanı = {2}",
     "u: the first {1} entries of column {0} = {2}"},
    {Text::StepCornerDefined, "a: köşe elemanı A({0},{0}) = {1}", "a: the corner element A({0},{0}) = {1}"},
    {Text::StepEnlargedInverse, "İlk {0} satır ve sütunun bloğunun tersi:",
     "The inverse of the block of the first {0} rows and columns:"},
    {Text::StepIterationLimit, "Maksimum iterasyon sayısı: {0}", "Maximum number of iterations: {0}"},
    {Text::StepIterationLimitW, "Maksimum iterasyon sayısı: {0}, gevşetme faktörü: {1}",
     "Maximum number of iterations: {0}, relaxation factor: {1}"},
    {Text::StepExchangedRoots, "Bu kökler sütun değişimlerinden sonraki sırada; sıralanmış kökler aşağıda",
     "These roots are in the order after the column exchanges; the sorted roots follow"},
    {Text::StepPivotsChosenBefore,
     "Pivotlar eliminasyondan önce, yüklenen matristen seçildi: eliminasyonun köşegende bıraktığı sıfır önceden "
     "görülemezdi",
     "The pivots were chosen from the loaded matrix before elimination: a zero that elimination leaves on the "
     "diagonal could not be foreseen"},

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
    {Text::SkeelConditionLine,
     "Skeel koşul sayısı cond(A) = \u2016|A\u207b\u00b9|·|A|\u2016\u221e = {0} (denklemlerin ölçeğinden bağımsız)",
     "Skeel's condition number cond(A) = \u2016|A\u207b\u00b9|·|A|\u2016\u221e = {0} (independent of the equations' scaling)"},
    {Text::ComponentwiseBackwardLine,
     "Bileşen bazında geriye doğru hata max |r(i)| / (|A|·|x| + |b|)(i) = {0}",
     "Componentwise backward error max |r(i)| / (|A|·|x| + |b|)(i) = {0}"},
    {Text::ForwardBoundLine, "İleri hata sınırı cond(A)·(geriye doğru hata) = {0}",
     "Forward error bound cond(A)·(backward error) = {0}"},
    {Text::NoTrustedDigits, "İleri hata sınırı 1'den küçük değil: sonucun hiçbir basamağına güvenilemez",
     "The forward error bound is not below 1: no digit of the result can be trusted"},
    {Text::UnstableSolver,
     "Geriye doğru hata çalışma duyarlığının (\u03b5) çok üstünde: yöntem bu sistemde kararsız kaldı; satır değiştiren "
     "Gauss-Jordan yöntemi (kısmi pivotlama) bu sistemi kararlı çözer",
     "The backward error is far above the working precision \u03b5: the method was unstable on this system; Gauss-Jordan "
     "elimination, which exchanges rows (partial pivoting), solves it stably"},
    {Text::UnstableGaussJordan,
     "Geriye doğru hata çalışma duyarlığının (\u03b5) çok üstünde: kısmi pivotlamada bile elemanlar büyüdü; pivotu her adımda "
     "kalan bütün bloktan seçen tam pivotlama kararlıdır",
     "The backward error is far above the working precision \u03b5: the elements grew even under partial pivoting; complete "
     "pivoting, which takes each pivot from the whole remaining block, is stable"},
    {Text::NilpotentLine,
     "T^{0} = 0 (sıfırkuvvetli matris): \u03c1 = 0; iterasyon, yuvarlama hataları dışında, {0} adımda tam çözüme "
     "ulaşır",
     "T^{0} = 0 (a nilpotent matrix): \u03c1 = 0; apart from rounding, the iteration reaches the exact solution in "
     "{0} sweeps"},
    {Text::SingularIterationLine,
     "Katsayılar matrisi tekil: I \u2212 T de tekildir, 1 iterasyon matrisinin bir özdeğeridir (\u03c1 \u2265 1)",
     "The coefficient matrix is singular: so is I \u2212 T, and 1 is an eigenvalue of the iteration matrix "
     "(\u03c1 \u2265 1)"},
    {Text::TextbookOptimumImaginary,
     "Ders kitabındaki SOR'un en iyi \u03c9 değeri {0} (\u03c1 = {1}), Jacobi özdeğerleri sanal olduğundan "
     "2 / (1 + \u221a(1 + \u03c1_J\u00b2)) formülünden, \u03c1_J = {2}",
     "Textbook SOR's best \u03c9 is {0} (\u03c1 = {1}), from 2 / (1 + \u221a(1 + \u03c1_J\u00b2)) since Jacobi's "
     "eigenvalues are imaginary, with \u03c1_J = {2}"},
    {Text::YoungNotTridiagonal,
     "Matris üç köşegenli değil: Young'ın formülü 2 / (1 + \u221a(1 \u2212 \u03c1_J\u00b2)) geçerli değil, \u03c9 aranır",
     "The matrix is not tridiagonal: Young's formula 2 / (1 + \u221a(1 \u2212 \u03c1_J\u00b2)) does not hold, \u03c9 "
     "is searched"},
    {Text::YoungComplexEigenvalues,
     "Jacobi özdeğerleri ne hep gerçel ne hep sanal: Young'ın formülü geçerli değil, \u03c9 aranır",
     "Jacobi's eigenvalues are neither all real nor all imaginary: Young's formula does not hold, \u03c9 is "
     "searched"},
    {Text::YoungRhoJAtLeastOne, "\u03c1_J = {0} \u2265 1: Young'ın formülü geçerli değil, \u03c9 aranır",
     "\u03c1_J = {0} \u2265 1: Young's formula does not hold, \u03c9 is searched"},
    {Text::NoOmegaConverges,
     "Hiçbir \u03c9 için \u03c1 < 1 değil: (0, 2) aralığındaki en küçük \u03c1 = {0} (\u03c9 = {1}), aralığın "
     "dışında \u03c1 \u2265 |\u03c9 \u2212 1| \u2265 1",
     "No \u03c9 gives \u03c1 < 1: the least \u03c1 in (0, 2) is {0} (\u03c9 = {1}), and outside it "
     "\u03c1 \u2265 |\u03c9 \u2212 1| \u2265 1"},
    {Text::OptimumAtEdge,
     "En küçük \u03c1 = {0}, (0, 2) aralığının ucunda (\u03c9 = {1}): \u03c1 \u2265 |\u03c9 \u2212 1| olduğundan "
     "hiçbir \u03c9 iyi yakınsatmaz",
     "The least \u03c1 = {0} lies at an end of (0, 2) (\u03c9 = {1}): since \u03c1 \u2265 |\u03c9 \u2212 1|, no "
     "\u03c9 converges well"},
    {Text::ErrorBoundLine, "Hata sınırı \u03c1 / (1 \u2212 \u03c1)·(son değişim) = {0}, \u03c1 = {1}",
     "Error bound \u03c1 / (1 \u2212 \u03c1)·(last change) = {0}, \u03c1 = {1}"},

    // Remarks. {0} and {1} of the singular ones are ranks, or the rank
    // and the order of the matrix.
    {Text::RemarkNoSolution,
     "Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı {0}, [A | b]'nin rankı {1}); "
     "gösterilen köklere güvenilemez",
     "The coefficient matrix is singular: the system has no solution (the rank of A is {0}, that of [A | b] {1}); "
     "the roots shown cannot be trusted"},
    {Text::RemarkInfiniteSolutions,
     "Katsayılar matrisi tekil: sonsuz çözüm var, {1} serbest değişken (A'nın ve [A | b]'nin rankı {0}); "
     "gösterilen köklere güvenilemez",
     "The coefficient matrix is singular: there are infinitely many solutions (free variables: {1}; the rank of A "
     "and of [A | b] is {0}); the roots shown cannot be trusted"},
    {Text::RemarkSingularSquare,
     "Katsayılar matrisi tekil ya da çalışma duyarlığında tekil (rankı {0}, boyutu {1}): gösterilen köklere "
     "güvenilemez",
     "The coefficient matrix is singular or singular to working precision (rank {0}, order {1}): the roots shown "
     "cannot be trusted"},
    // The same, for a run that ended with its message before the roots.
    {Text::RemarkNoSolutionEnded,
     "Katsayılar matrisi tekil: denklem takımının çözümü yok (A'nın rankı {0}, [A | b]'nin rankı {1})",
     "The coefficient matrix is singular: the system has no solution (the rank of A is {0}, that of [A | b] {1})"},
    {Text::RemarkInfiniteSolutionsEnded,
     "Katsayılar matrisi tekil: sonsuz çözüm var, {1} serbest değişken (A'nın ve [A | b]'nin rankı {0})",
     "The coefficient matrix is singular: there are infinitely many solutions (free variables: {1}; the rank of A "
     "and of [A | b] is {0})"},
    {Text::RemarkSingularSquareEnded,
     "Katsayılar matrisi tekil ya da çalışma duyarlığında tekil (rankı {0}, boyutu {1})",
     "The coefficient matrix is singular or singular to working precision (rank {0}, order {1})"},
    {Text::RemarkSingularDeterminant,
     "Matris tekil ya da çalışma duyarlığında tekil (rankı {0}, boyutu {1}): determinantı 0'dır ya da 0'a "
     "yuvarlama hatası kadar yakındır",
     "The matrix is singular or singular to working precision (rank {0}, order {1}): its determinant is 0, or "
     "as near 0 as rounding errors are"},
    {Text::RemarkSingularInverse,
     "Matris tekil ya da çalışma duyarlığında tekil (rankı {0}, boyutu {1}): tersi yoktur; gösterilen matris "
     "bir ters değildir",
     "The matrix is singular or singular to working precision (rank {0}, order {1}): it has no inverse; the "
     "matrix shown is not one"},
    {Text::RemarkSingularNoInverse,
     "Matris tekil ya da çalışma duyarlığında tekil (rankı {0}, boyutu {1}): tersi yoktur",
     "The matrix is singular or singular to working precision (rank {0}, order {1}): it has no inverse"},
    {Text::RemarkZeroPivotRegular,
     "Köşegende sıfır çıktı, ama katsayılar matrisi tekil değil: pivotunu her adımda kalan satırlardan seçen "
     "yöntemler (Gauss-Jordan, kısmi ya da tam pivotlamalı Gauss, PA = LU) bu sistemi çözer",
     "A diagonal element came out 0, but the coefficient matrix is regular: the methods that choose each pivot "
     "from the remaining rows (Gauss-Jordan, Gauss elimination with partial or complete pivoting, PA = LU) solve "
     "this system"},
    {Text::RemarkZeroPivotRegularMatrix,
     "Köşegende sıfır çıktı, ama matris tekil değil: bu yöntem satır değiştirmez; determinantı satır değişimli "
     "Gauss eliminasyonu (komut satırında det-pivot) bulur",
     "A diagonal element came out 0, but the matrix is regular: this method exchanges no rows; Gauss elimination "
     "with row exchanges (det-pivot on the command line) finds its determinant"},
    {Text::RemarkMaxPivotZeroPivot,
     "Katsayılar matrisi tekil değil: bu programın maksimum pivotlaması her pivotu eliminasyondan önce, yüklenen "
     "matristen seçer ve eliminasyonun ortaya çıkardığı sıfırı göremez; pivotu her adımda kalan bloktan seçen tam "
     "pivotlama ya da Gauss-Jordan bu sistemi çözer",
     "The coefficient matrix is regular: this program's maximum pivoting chooses every pivot from the loaded "
     "matrix before elimination and cannot see a zero that elimination brings about; complete pivoting, which "
     "takes each pivot from the remaining block, or Gauss-Jordan solves this system"},
    {Text::RemarkDeterminantInFull,
     "Determinantın tam değeri {0}: dört ondalığa yuvarlanınca görünmüyor; küçük bir determinant tekillik "
     "göstermez",
     "The determinant in full is {0}: rounded to four decimals it does not show; a small determinant is no sign "
     "of singularity"},
    {Text::RemarkNotConverged,
     "İterasyon {0} adımda yakınsamadı: son değişim {1}, {2} sınırının üstünde; gösterilen kökler çözüm değildir",
     "The iteration has not converged: after sweep {0} the last change {1} is still above {2}; the roots shown are not "
     "the solution"},
    {Text::RemarkDivergesGrowing,
     "İterasyon ıraksıyor: değişimler adım adım büyüyor (son değişim {0}); gösterilen kökler çözüm değildir",
     "The iteration diverges: the changes grow from sweep to sweep (the last one is {0}); the roots shown are "
     "not the solution"},
    {Text::RemarkDivergesRadius,
     "İterasyon ıraksıyor: iterasyon matrisinin spektral yarıçapı \u03c1 = {0} \u2265 1; gösterilen kökler çözüm "
     "değildir",
     "The iteration diverges: the spectral radius of its matrix is \u03c1 = {0} \u2265 1; the roots shown are "
     "not the solution"},
    {Text::RemarkNoSweep,
     "Maksimum iterasyon sayısı 1'den küçük: hiç adım atılmadı, gösterilen kökler başlangıç vektörüdür",
     "The maximum number of iterations is below 1: no sweep ran, the roots shown are the start vector"},
    {Text::RemarkOmegaZero,
     "\u03c9 = 0 ile her adım önceki vektörü geri getirir: gösterilen kökler başlangıç vektörüdür",
     "With \u03c9 = 0 every sweep restores the previous vector: the roots shown are the start vector"},
    // The zero pivot of the bordered inverse on a regular matrix.
    {Text::RemarkZeroPivotRegularInverse,
     "Köşegende sıfır çıktı, ama matris tekil değil ve tersi var: bu yöntem satır değiştirmez; satır değişimli "
     "Gauss eliminasyonu (komut satırında det-pivot) determinantın 0 olmadığını gösterir",
     "A diagonal element came out 0, but the matrix is regular and has an inverse: this method exchanges no rows; "
     "Gauss elimination with row exchanges (det-pivot on the command line) shows that its determinant is not 0"},

    // Results list: the comparison of the methods. The column headings,
    // the outcomes, the rows of the SORs ({0} is ω), the line under the
    // table ({0} is the method whose solution the differences are from).
    {Text::CompareHeading, "Yöntemlerin karşılaştırılması", "Comparison of the methods"},
    {Text::CompareMethod, "Yöntem", "Method"},
    {Text::CompareOutcome, "Sonuç", "Outcome"},
    {Text::CompareSweeps, "Adım", "Sweeps"},
    {Text::CompareResidual, "Bağıl artık", "Rel. residual"},
    {Text::CompareDifference, "En büyük fark", "Largest diff."},
    {Text::CompareOperations, "Çarpma ve bölme", "Multiplications and divisions"},
    {Text::CompareSolved, "çözüldü", "solved"},
    {Text::CompareSingular, "tekil matris", "singular matrix"},
    {Text::CompareZeroPivot, "sıfır pivot", "zero pivot"},
    {Text::CompareOverflow, "taşma", "overflow"},
    {Text::CompareUnderflow, "alttan taşma", "underflow"},
    {Text::CompareNotConverged, "sınırda yakınsamadı", "not converged"},
    {Text::CompareStopped, "durduruldu", "stopped"},
    {Text::CompareRefused, "uygulanamadı", "not applicable"},
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
    // The textbook methods' table, below the program's and with its
    // reference.
    {Text::CompareCourseHeading, "Ders kitaplarındaki yöntemler", "Methods as textbooks teach them"},

    // The methods. A caption is the option button's text (and the method
    // in a printed heading); a help line follows the method's name in
    // "--help" and names it in the comparison.
    {Text::CaptionDetGauss, "Gauss-eliminasyon yöntemi", "Gauss elimination"},
    {Text::HelpDetGauss, "Gauss eliminasyonu ile determinant", "determinant by Gauss elimination"},
    {Text::CaptionInvScrobanski, "Scrobanski yöntemi", "Scrobanski method"},
    {Text::HelpInvScrobanski, "Scrobanski yöntemi ile ters matris", "inverse by the Scrobanski (bordering) method"},
    {Text::CaptionLesGauss, "Gauss Eliminasyon yöntemi", "Gauss elimination"},
    {Text::HelpLesGauss, "Gauss eliminasyon yöntemi", "Gauss elimination"},
    {Text::CaptionLesMPGauss, "Maks. Pivotlu Gauss- Eliminasyon", "Max. pivot Gauss elimination"},
    {Text::HelpLesMPGauss, "Maksimum pivotlu Gauss eliminasyonu", "Gauss elimination with maximum pivoting"},
    {Text::CaptionLesGaussJordan, "Gauss-Jordan eliminasyon yöntemi", "Gauss-Jordan elimination"},
    {Text::HelpLesGaussJordan, "Gauss-Jordan eliminasyon yöntemi", "Gauss-Jordan elimination"},
    {Text::CaptionLesDoolittle, "Doolittle LU ayrıştırma yöntemi", "Doolittle LU factorisation"},
    {Text::HelpLesDoolittle, "Doolittle LU ayrıştırma yöntemi", "Doolittle LU factorisation"},
    {Text::CaptionLesCrout, "Crout LU Ayrıştırma yöntemi", "Crout LU factorisation"},
    {Text::HelpLesCrout, "Crout LU ayrıştırma yöntemi", "Crout LU factorisation"},
    {Text::CaptionLesThomas, "Thomas yöntemi", "Thomas algorithm"},
    {Text::HelpLesThomas, "Thomas yöntemi", "Thomas algorithm for tridiagonal systems"},
    {Text::CaptionLesJacobi, "Jacobi basit iterasyon yöntemi", "Jacobi iteration"},
    {Text::HelpLesJacobi, "Jacobi basit iterasyon yöntemi", "Jacobi iteration"},
    {Text::CaptionLesGaussSidel, "Gauss-Sidel iterasyon yöntemi", "Gauss-Seidel iteration"},
    {Text::HelpLesGaussSidel, "Gauss-Seidel iterasyon yöntemi", "Gauss-Seidel iteration"},
    {Text::CaptionLesSOR, "SOR iterasyon yöntemi", "SOR iteration"},
    {Text::HelpLesSOR, "SOR iterasyon yöntemi", "SOR iteration (successive over-relaxation)"},
    {Text::CaptionLesSORTextbook, "SOR (ders kitabı)", "SOR (textbook)"},
    {Text::HelpLesSORTextbook, "SOR, ders kitabındaki gibi: her bileşen hesaplanınca gevşetilir",
     "SOR as textbooks write it: each component relaxed as soon as it is computed"},
    // The methods a first course teaches beside the form's.
    {Text::CaptionLesGaussPivot, "Kısmi pivotlamalı Gauss eliminasyonu", "Gauss elimination with partial pivoting"},
    {Text::HelpLesGaussPivot, "Kısmi pivotlamalı Gauss eliminasyonu (satır değişimleri)",
     "Gauss elimination with partial pivoting (row exchanges)"},
    {Text::CaptionLesCompletePivot, "Tam pivotlamalı Gauss eliminasyonu", "Gauss elimination with complete pivoting"},
    {Text::HelpLesCompletePivot, "Tam pivotlamalı Gauss eliminasyonu (satır ve sütun değişimleri)",
     "Gauss elimination with complete pivoting (rows and columns)"},
    {Text::CaptionLesLUPivot, "Kısmi pivotlamalı LU ayrıştırması (PA = LU)",
     "LU factorisation with partial pivoting (PA = LU)"},
    {Text::HelpLesLUPivot, "Kısmi pivotlamalı LU ayrıştırması, PA = LU", "LU factorisation with partial pivoting, PA = LU"},
    {Text::CaptionLesCholesky, "Cholesky ayrıştırması", "Cholesky factorisation"},
    {Text::HelpLesCholesky, "Cholesky ayrıştırması, simetrik pozitif tanımlı matrisler için",
     "Cholesky factorisation, for symmetric positive definite matrices"},
    {Text::CaptionDetPivot, "Satır değişimli Gauss eliminasyonu (determinant)",
     "Gauss elimination with row exchanges (determinant)"},
    {Text::HelpDetPivot, "Satır değişimli Gauss eliminasyonu ile determinant",
     "determinant by Gauss elimination with row exchanges"},
    // Exact fractions.
    {Text::ExactRoundedNote,
     "\u2248 ile başlayan sayılar ekrana sığmayacak uzunlukta kesirlerdir: sayı biçiminde yuvarlanarak gösterildi.",
     "Numbers marked \u2248 are fractions too long for the screen: they are shown rounded, in the number format."},
    {Text::ExactNoSolution, "Denklem takımının çözümü yoktur: katsayılar matrisinin rankı {0}, genişletilmiş matrisin rankı {1}.",
     "The system has no solution: the coefficient matrix has rank {0}, the augmented matrix rank {1}."},
    {Text::ExactInfinitelyMany, "Denklem takımının sonsuz çözümü vardır: rank {0}, {1} serbest değişken.",
     "The system has infinitely many solutions: rank {0}, {1} free variables."},
    {Text::ExactGeneralSolution, "Genel çözüm (serbest değişkenler parametre olarak)",
     "General solution (the free variables as parameters)"},
    {Text::ExactRefusedHere,
     "--exact ile {0} çalıştırılamaz: karekök alır ya da yalnızca limitte yakınsar.",
     "--exact cannot run {0}: it takes square roots or converges only in the limit."},
    {Text::ExactNotYet, "--exact ile {0} henüz çalışmıyor: tam kesirlerle şimdilik det, gauss ve gauss-jordan çalışır.",
     "--exact does not run {0} yet: det, gauss and gauss-jordan run in exact fractions for now."},

    // Messages of the methods and of "Hesapla".
    {Text::NoFileMessage, "Katsayılar matrisi için bir dosya seçiniz", "Choose a file for the coefficient matrix"},
    {Text::NoMethodMessage, "Bir yöntem seçiniz", "Choose a method"},
    {Text::ZeroDiagonal, " sıfır diyagonal elemanı", " zero diagonal element"},
    {Text::OverflowMessage, "Hesaplamada sayı taşması oluştu",
     "A number became too large to be represented (overflow)"},
    {Text::UnderflowMessage, "Hesaplamada bir sayı gösterilemeyecek kadar küçüldü (alttan taşma)",
     "A number became too small to be represented (underflow)"},
    {Text::DivergesMessage, "İterasyon ıraksıyor", "The iteration diverges"},
    {Text::ThomasTooLarge, "Thomas yöntemi en çok 99 denklem çözebilir",
     "The Thomas algorithm can solve at most 99 equations"},
    {Text::NotTridiagonal,
     "Matris üç köşegenli değil: üç köşegenin dışındaki {0} katsayı kullanılmadı, kökler dosyadaki sistemin "
     "kökleri olmayabilir",
     "The matrix is not tridiagonal: {0} coefficient(s) outside the three diagonals were not used, so these may "
     "not be the roots of the system in the file"},
    {Text::TooFewColumns, "Sütun sayısı satır sayısından az", "The matrix has fewer columns than rows"},
    // {0} of a singular step is the step; {0} and {1} of an asymmetry are
    // the row and the column, {2} and {3} the two values; {0} of a value
    // that is not positive is the step, {1} the value.
    {Text::SystemNeeded, "Bu yöntem bir denklem takımı ister: en az bir denklem ve satır sayısından fazla sütun",
     "This method needs a system of equations: at least one equation and more columns than rows"},
    {Text::SingularColumn, "Matris tekil: {0}. adımda {0}. sütun {0}. satır ve altında sıfır",
     "The matrix is singular: at step {0}, column {0} is zero from row {0} down"},
    {Text::SingularBlock, "Matris tekil: {0}. adımda kalan blokta sıfırdan farklı eleman yok",
     "The matrix is singular: at step {0} the remaining block holds no non-zero element"},
    {Text::NotSymmetric, "Matris simetrik değil: A({0},{1}) = {2}, ama A({1},{0}) = {3}",
     "The matrix is not symmetric: A({0},{1}) = {2} but A({1},{0}) = {3}"},
    {Text::NotPositiveDefinite,
     "Matris pozitif tanımlı değil: {0}. adımda karekökün altındaki A({0},{0}) \u2212 \u03a3 L({0},j)\u00b2 = {1} \u2264 0",
     "The matrix is not positive definite: at step {0} the value under the root, A({0},{0}) \u2212 \u03a3 "
     "L({0},j)\u00b2 = {1}, is \u2264 0"},
    {Text::NotSymmetricReason, "Matris simetrik değil", "The matrix is not symmetric"},
    {Text::NotPositiveDefiniteReason, "Matris pozitif tanımlı değil", "The matrix is not positive definite"},
    // {0} of a start vector's size is its count, {1} the number of
    // equations.
    {Text::StartVectorSize, "Başlangıç vektörünün {0} bileşeni var: {1} denklem için 1 ya da {1} olmalı",
     "The start vector has {0} components: {1} equations need 1 or {1}"},
    {Text::StartVectorWrongSize, "Başlangıç vektörünün boyutu denklem sayısına uymuyor",
     "The size of the start vector does not fit the number of equations"},

    // Reading coefficient files. {0} of a file not opened is its path.
    {Text::FileNotOpened, "Dosya açılamadı: {0}", "Could not open the file: {0}"},
    {Text::FileInvalidValue, "Dosyada geçersiz bir değer var: \"{0}\"", "The file holds an invalid value: \"{0}\""},
    {Text::FileItemTooLong, "Dosyada çok uzun bir değer var (bir sayı en çok {0} karakter olabilir): \"{1}\"",
     "The file holds an item that is too long (a number may have at most {0} characters): \"{1}\""},
    {Text::FileValueTooLarge,
     "Dosyada çok büyük bir değer var (bir sayı en çok 1.7976931348623157E+308 olabilir): \"{0}\"",
     "The file holds a value too large (a number can be at most 1.7976931348623157E+308): \"{0}\""},
    {Text::FileBadSizes, "Satır ve sütun sayıları 0 ile 100 arasında tam sayı olmalıdır",
     "The numbers of rows and columns must be whole numbers from 0 to 100"},
    {Text::FileTooFewNumbers, "Dosyada yeterli sayı yok: {0} sayı gerekiyor, {1} sayı bulundu",
     "The file does not hold enough numbers: {0} needed, {1} found"},

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
    {Text::WhyLinkLoop, "sembolik bağlantılar bir döngü oluşturuyor", "the symbolic links form a loop"},
    {Text::WhyCannotCreate, "bu klasöre yazılamıyor", "this folder cannot be written to"},
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
     "                 [--analysis] [--compare] [--draw] [--picture ÇIKTI.png]\n"
     "                 [--picture-size GxY] [--pdf ÇIKTI.pdf] [--export ÇIKTI]\n"
     "                 [--export-body] [--x0 METİN] [--tol METİN] [--lang DİL] DOSYA\n"
     "       lineer [--lang DİL] --open DOSYA\n"
     "       lineer [--lang DİL] --generate TÜR N [--seed S] [--answers DOSYA]\n"
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
     "  --exact           Gauss, Gauss-Jordan ve determinantı tam kesirlerle hesaplar\n"
     "  --analysis        sonucun doğruluğunu ve iterasyonun yakınsamasını çözümler\n"
     "  --compare         sisteme uyan bütün yöntemleri çalıştırıp bir tabloda karşılaştırır\n"
     "  --draw            hesaptan sonra \"Matrisi göster\" düğmesine basar\n"
     "  --picture ÇIKTI   en sonda resim kutusunu PNG dosyası olarak kaydeder\n"
     "  --lang DİL        metinlerin dili: tr (Türkçe, varsayılan) ya da en (İngilizce)\n"
     "  --help            bu açıklamayı gösterir\n"
     "  --version         sürümü gösterir\n"
     "\n"
     "Standart çıktı: sonuç listesinin bütün satırları, sırasıyla (UTF-8).\n"
     "Standart hata: gösterilen her mesaj kutusunun ve resim kutusuna yazılan her\n"
     "satırın metni, oluş sırasıyla; sonra sonucun yanıltabileceği yerde bir not\n"
     "(tekil bir sistem, yakınsamayan bir iterasyon), çıkış durumunu değiştirmeden.\n"
     "Çıkış durumu: 0 yöntem sonuna kadar çalıştı; 1 yöntem bir mesajla durdu;\n"
     "2 kullanım hatası, dosya yüklenemedi ya da çıktı yazılamadı.\n"
     "Ctrl+C bir iterasyonu o adımda bitirir: rapor yazılır, çıkış durumu 1 olur.\n"
     "Ondalık ayıracı yerel ayarlardan (LC_ALL, LC_NUMERIC, LANG) gelir; virgülse\n"
     "--max-iter ve --w metinlerindeki virgül de ondalık ayıracı olarak okunur.\n",
     "Usage: lineer [--method METHOD] [--max-iter TEXT] [--w TEXT] [--steps]\n"
     "              [--analysis] [--compare] [--draw] [--picture OUT.png]\n"
     "              [--picture-size WxH] [--pdf OUT.pdf] [--export OUT]\n"
     "              [--export-body] [--x0 TEXT] [--tol TEXT] [--lang LANGUAGE] FILE\n"
     "       lineer [--lang LANGUAGE] --open FILE\n"
     "       lineer [--lang LANGUAGE] --generate KIND N [--seed S] [--answers FILE]\n"
     "\n"
     "Loads and lists the coefficient file FILE; with --method it runs the chosen\n"
     "method as if \"Calculate\" had been pressed in the window. Without arguments\n"
     "it opens the program's window; --open FILE opens the window with FILE\n"
     "loaded.\n"
     "\n"
     "Methods:\n"
     "{0}"
     "\n"
     "Options:\n"
     "  --max-iter TEXT   the text of the \"Maximum number of iterations\" box (default 100)\n"
     "  --w TEXT          the text of the \"Relaxation factor\" box (default 1)\n"
     "  --steps           also writes the lines that explain the method's steps\n"
     "  --exact           runs Gauss, Gauss-Jordan and the determinant in exact fractions\n"
    "  --analysis        analyses the accuracy of the result and the convergence of an iteration\n"
    "  --compare         runs every method that fits the system and compares them in one table\n"
     "  --draw            presses \"Show matrix\" after the calculation\n"
     "  --picture OUT     at the end saves the picture box as a PNG file\n"
     "  --lang LANGUAGE   language of the texts: tr (Turkish, the default) or en (English)\n"
     "  --help            shows this text\n"
     "  --version         shows the version\n"
     "\n"
     "Standard output: every line of the results list, in order (UTF-8).\n"
     "Standard error: the text of every message box shown and of every line printed\n"
     "into the picture box, in the order they occur; then a remark where the result\n"
     "could mislead (a singular system, an iteration that did not converge), which\n"
     "leaves the exit status as it is.\n"
     "Exit status: 0 the method ran to its end; 1 the method stopped with a message;\n"
     "2 usage error, the file could not be loaded or output could not be written.\n"
     "Ctrl+C ends an iteration at that step: the report is written, the status is 1.\n"
     "The decimal separator comes from the locale (LC_ALL, LC_NUMERIC, LANG); when it\n"
     "is a comma, a comma in the --max-iter and --w texts is read as one too.\n"},
    {Text::CliUsageError, "lineer: {0}\n\"lineer --help\" kullanımı açıklar.",
     "lineer: {0}\n\"lineer --help\" explains the usage."},
    {Text::CliMethodNeedsName, "--method bir yöntem adı ister", "--method needs the name of a method"},
    {Text::CliOptionNeedsText, "{0} bir metin ister", "{0} needs a text"},
    {Text::CliPictureNeedsName, "--picture bir dosya adı ister", "--picture needs a file name"},
    {Text::CliUnknownMethod, "bilinmeyen yöntem: {0}", "unknown method: {0}"},
    {Text::CliUnknownOption, "bilinmeyen seçenek: {0}", "unknown option: {0}"},
    {Text::CliOneFileOnly, "yalnızca bir dosya verilebilir", "only one file may be given"},
    {Text::CliNoFile, "katsayılar dosyası verilmedi", "no coefficient file was given"},
    {Text::CliOutputFailed, "Standart çıktıya yazılamadı", "Could not write to standard output"},
    {Text::CliPictureNotSaved, "Resim kaydedilemedi: {0}: {1}", "Could not save the picture: {0}: {1}"},
    {Text::NoDisplay,
     "Ekran bulunamadı: pencere açılamıyor. Komut satırı ekransız da çalışır; \"lineer --help\" kullanımı açıklar.",
     "No display was found, so the window cannot open. The command line works without one; \"lineer --help\" "
     "explains its use."},
    // The command line's textbook methods ({0} is their list, one line
    // each), the iterations' start and tolerance, the exercises.
    {Text::CliCourseHelp,
     "\nDers kitaplarındaki yöntemler, programın kendi yöntemlerinin yanında:\n"
     "{0}"
     "\nİterasyonlar (jacobi, gauss-seidel, sor, sor-textbook):\n"
     "  --x0 METİN             başlangıç vektörü: her bileşen için bir sayı ya da\n"
     "                         boşlukla ayrılmış n sayı (varsayılan: her bileşen 1)\n"
     "  --tol METİN            durdurma ölçütü: maksimum değişim bundan küçük olunca\n"
     "                         durur (varsayılan 0.00001)\n"
     "\nAlıştırmalar:\n"
     "  lineer --generate TÜR N [--seed S] [--answers DOSYA]\n"
     "                         tam sayı köklü N denklemlik (1 ile 99 arası) bir\n"
     "                         katsayılar dosyasını standart çıktıya, köklerini (ve\n"
     "                         Jacobi ile Gauss-Seidel'in \u03c1'sunu) DOSYA'ya yazar;\n"
     "                         aynı S (varsayılan 1) her zaman aynı dosyayı verir.\n"
     "                         TÜR: integer (küçük tam sayılar, elle eleme küçük\n"
     "                         kesirlerle), dominant (kesin köşegen baskın), spd\n"
     "                         (simetrik pozitif tanımlı), tridiagonal (üç köşegenli,\n"
     "                         Thomas için), hilbert\n",
     "\nMethods as textbooks teach them, beside the program's own:\n"
     "{0}"
     "\nIterations (jacobi, gauss-seidel, sor, sor-textbook):\n"
     "  --x0 TEXT              the start vector: one number for every component, or\n"
     "                         n numbers separated by spaces (default: every component 1)\n"
     "  --tol TEXT             the stopping test: the iteration stops when the maximum\n"
     "                         change is below it (default 0.00001)\n"
     "\nExercises:\n"
     "  lineer --generate KIND N [--seed S] [--answers FILE]\n"
     "                         writes a coefficient file of N equations (1 to 99) with\n"
     "                         integer roots to standard output, and its roots (and\n"
     "                         \u03c1 of Jacobi and Gauss-Seidel) to FILE; the same S\n"
     "                         (default 1) always gives the same file.\n"
     "                         KIND: integer (small integers, elimination by hand in\n"
     "                         small fractions), dominant (strictly diagonally\n"
     "                         dominant), spd (symmetric positive definite),\n"
     "                         tridiagonal (for Thomas), hilbert\n"},
    // {0} of a bad text is the text; {0} and {1} of an answer key not
    // saved are the path and the reason.
    {Text::CliBadStartVector, "--x0 boşlukla ayrılmış sayılar ister: {0}", "--x0 needs numbers separated by spaces: {0}"},
    {Text::CliBadTolerance, "--tol pozitif bir sayı ister: {0}", "--tol needs a positive number: {0}"},
    {Text::CliGenerateNeeds, "--generate bir tür ve bir denklem sayısı ister: --generate TÜR N",
     "--generate needs a kind and a number of equations: --generate KIND N"},
    {Text::CliUnknownKind, "bilinmeyen alıştırma türü: {0} (integer, dominant, spd, tridiagonal ya da hilbert)",
     "unknown kind of exercise: {0} (integer, dominant, spd, tridiagonal or hilbert)"},
    {Text::CliBadSize, "denklem sayısı 1 ile 99 arasında bir tam sayı olmalı: {0}",
     "the number of equations must be a whole number from 1 to 99: {0}"},
    {Text::CliBadSeed, "--seed 0 ile 18446744073709551615 arasında bir tam sayı ister: {0}",
     "--seed needs a whole number from 0 to 18446744073709551615: {0}"},
    {Text::CliGenerateOnly, "--generate ile yalnızca --seed ve --answers verilebilir: {0}",
     "--generate takes only --seed and --answers: {0}"},
    {Text::CliAnswersNotSaved, "Cevaplar kaydedilemedi: {0}: {1}", "Could not save the answers: {0}: {1}"},

    // The answer key: {0} of the heading is the kind, {1} the number of
    // equations, {2} the seed; {0} of a spectral radius is the method's
    // name (Jacobi, Gauss-Seidel), {1} the radius.
    {Text::AnswersHeading, "Alıştırmanın cevapları: {0}, {1} denklem, tohum {2}",
     "Answers to the exercise: {0}, {1} equations, seed {2}"},
    {Text::AnswersRhoLine, "{0} iterasyonunun spektral yarıçapı \u03c1 = {1}",
     "Spectral radius of the {0} iteration: \u03c1 = {1}"},
    {Text::AnswersRhoUnknown, "{0} iterasyonunun spektral yarıçapı hesaplanamadı",
     "The spectral radius of the {0} iteration could not be computed"},
    {Text::AnswersHilbertNote,
     "Bunlar tam Hilbert sisteminin kökleridir; dosyadaki ondalık sayılar 1/(i + j \u2212 1) değerlerinin en "
     "yakın double karşılıklarıdır, bu yüzden dosyanın kendi kökleri bunlardan koşul sayısı oranında sapabilir",
     "These are the roots of the exact Hilbert system; the file's decimals are the nearest doubles of "
     "1/(i + j \u2212 1), so the roots of the file's own system may differ from them by as much as the "
     "condition number magnifies that"},

    // The language. Each language is named in itself in both columns, so a
    // reader finds their own in the menu whatever it shows now; {0} of the
    // About window's title is the version.
    {Text::CliLanguageNeedsName, "--lang bir dil ister: tr ya da en", "--lang needs a language: tr or en"},
    {Text::CliUnknownLanguage, "bilinmeyen dil: {0} (tr ya da en olmalı)", "unknown language: {0} (use tr or en)"},
    {Text::LanguageMenu, "D&il", "&Language"},
    {Text::TurkishItem, "&Türkçe", "&Türkçe"},
    {Text::EnglishItem, "&English", "&English"},
    {Text::AboutTitle, "About lineer {0}", "About lineer {0}"},

    // The main window. The group headings are padded with spaces, which
    // their underline runs through.
    {Text::WindowCaption, "Lineer Denklem Takımı Çözüm Yöntemleri",
     "Solution Methods for Systems of Linear Equations"},
    {Text::CalculateButton, "Hesapla", "Calculate"},
    {Text::ListButton, "Matrisi listele", "List matrix"},
    {Text::ShowButton, "Matrisi göster", "Show matrix"},
    {Text::MaxIterLabel, "Maksimum iterasyon sayısı", "Maximum number of iterations"},
    {Text::RelaxationLabel, "Gevşetme faktörü", "Relaxation factor"},
    {Text::DeterminantGroup, "Matrisin determinantının hesabı    ", "Determinant of the matrix           "},
    {Text::InverseGroup, "Matrisin tersinin hesabı                  ",
     "Inverse of the matrix                       "},
    {Text::LinearSystemGroup, "Lineer denklem takımı çözümü       ", "Solution of the linear system       "},
    {Text::FolderNotOpened, "Klasör açılamadı: {0}", "Could not open the folder: {0}"},
    {Text::DriveNotReady, "Sürücü hazır değil: {0}", "The drive is not ready: {0}"},

    // The parameter boxes' reading: {0} is the value the method will use.
    {Text::ValueUsed, "Kullanılacak değer: {0}", "Value used: {0}"},
    {Text::NoSweepNote, "Bu sınırla hiç iterasyon adımı yapılmaz", "With this limit no iteration is run"},
    {Text::Infinity, "sonsuz", "infinity"},
    {Text::MinusInfinity, "eksi sonsuz", "minus infinity"},

    // The main window's menus. "&" marks the letter that Alt (or the open
    // menu) takes; no two entries of one menu share it.
    {Text::FileMenu, "&Dosya", "&File"},
    {Text::NewMatrixItem, "&Yeni matris...", "&New matrix..."},
    {Text::EditMatrixItem, "&Matrisi düzenle...", "&Edit matrix..."},
    {Text::OpenItem, "&Aç...", "&Open..."},
    {Text::ReloadRunItem, "Yeniden yükle ve &hesapla", "&Reload and calculate"},
    {Text::SaveResultsItem, "&Sonuçları kaydet...", "&Save results..."},
    {Text::SavePictureItem, "&Resmi kaydet...", "Save p&icture..."},
    {Text::PrintItem, "Ya&zdır...", "&Print..."},
    {Text::QuitItem, "Çı&kış", "&Quit"},
    {Text::ViewMenu, "&Görünüm", "&View"},
    {Text::ShowStepsItem, "&Adımları göster", "Show &steps"},
    {Text::ShowAnalysisItem, "A&nalizi göster", "Show &analysis"},
    {Text::CompareItem, "&Yöntemleri karşılaştır", "&Compare the methods"},
    {Text::AboutItem, "&About", "&About"},

    // The main window's file dialogs and printing. A filter is the dialog's
    // list of kinds, ";;" between two. {0} of a file name is the loaded
    // file's name without its extension; {0} of a printed heading is the
    // file's name, {1} the method.
    {Text::OpenTitle, "Aç", "Open"},
    {Text::SaveResultsTitle, "Sonuçları kaydet", "Save results"},
    {Text::SavePictureTitle, "Resmi kaydet", "Save picture"},
    {Text::PrintTitle, "Yazdır", "Print"},
    {Text::TextFilesFilter, "Metin dosyaları (*.txt);;Tüm dosyalar (*)", "Text files (*.txt);;All files (*)"},
    {Text::ResultsFileName, "sonuçlar", "results"},
    {Text::ResultsFileNameOf, "{0}-sonuç", "{0}-results"},
    {Text::PictureFileName, "resim", "picture"},
    {Text::PrintHeading, "{0} \u2014 {1}", "{0} \u2014 {1}"},
    {Text::PrintPage, "Sayfa {0} / {1}", "Page {0} of {1}"},
    {Text::PrintFailed, "Yazdırılamadı: yazıcı ya da dosya açılamadı.",
     "Could not print: the printer or the file could not be opened."},
    // Saved results: their own extension keeps them out of the list of
    // coefficient files (*.txt); desktops open *.log files as text.
    {Text::ResultsFilesFilter, "Sonuç dosyaları (*.log);;Metin dosyaları (*.txt);;Tüm dosyalar (*)",
     "Results files (*.log);;Text files (*.txt);;All files (*)"},
    {Text::LooksLikeResultsNote, "Bu dosya, bu programın kaydettiği bir sonuç dosyasına benziyor.",
     "This file looks like a results file saved by this program."},

    // Handouts. {0} of PrintColumns and PrintManyPages are whole numbers;
    // ExportFailed and CliExportNotSaved name the file and the reason.
    {Text::PrintDate, "Tarih: {0}", "Date: {0}"},
    {Text::PrintColumns, "Sütun {0}\u2013{1}", "Columns {0}\u2013{1}"},
    {Text::PrintManyPages, "Sonuçlar {0} sayfa tutuyor. Hepsi yazdırılsın mı?",
     "The results take {0} pages. Print them all?"},
    {Text::PrintManyPagesButton, "Yazdır", "Print"},
    {Text::ExportItem, "&Dışa aktar...", "E&xport..."},
    {Text::ExportTitle, "Dışa aktar", "Export"},
    {Text::ExportFilter, "LaTeX belgeleri (*.tex);;HTML sayfaları (*.html);;PDF belgeleri (*.pdf)",
     "LaTeX documents (*.tex);;HTML pages (*.html);;PDF documents (*.pdf)"},
    {Text::ExportUnknownType, "Dışa aktarmanın türü dosya adının uzantısından anlaşılır: .tex, .html ya da .pdf",
     "The kind of export is taken from the file name's extension: .tex, .html or .pdf"},
    {Text::ExportFailed, "Dışa aktarılamadı: {0} ({1})", "Could not export: {0} ({1})"},
    {Text::ExportBodyBegin, "Kendi belgenize yapıştırılacak kısım burada başlar (amsmath, array ve longtable paketlerini ister).",
     "The part to paste into your own document starts here (it needs the amsmath, array and longtable packages)."},
    {Text::ExportBodyEnd, "Yapıştırılacak kısım burada biter.", "The part to paste ends here."},
    {Text::ExportPictureAlt, "Resim kutusunun çizimi", "The drawing of the picture box"},
    {Text::PictureWindowItem, "Resmi &büyüt...", "En&large the picture..."},
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
     "  --picture-size GxY     resmi G × Y piksel, ölçeği ve eksenleriyle çizer\n"
     "                         (en az {0}, en çok 20000x20000)\n"
     "Sayfa başlığındaki tarih SOURCE_DATE_EPOCH ortam değişkeninden de verilebilir.\n",
     "\nPages and export:\n"
     "  --pdf OUT.pdf          writes the pages the window's \"Print...\" prints, as PDF\n"
     "  --export OUT           writes the results as a LaTeX (.tex) or HTML (.html)\n"
     "                         document, by the extension\n"
     "  --export-body          LaTeX: writes only the part to paste into your own document\n"
     "  --picture OUT.svg      saves the picture as an SVG drawing (PNG for .png)\n"
     "  --picture-size WxH     draws the picture W × H pixels, with its scale and axes\n"
     "                         (at least {0}, at most 20000x20000)\n"
     "The date in the page heading may also be given by the SOURCE_DATE_EPOCH environment variable.\n"},
    {Text::CliOutputNeedsName, "{0} bir dosya adı ister", "{0} needs a file name"},
    {Text::CliBadPictureSize, "--picture-size GENİŞLİKxYÜKSEKLİK ister, en az {0}, en çok 20000x20000",
     "--picture-size needs WIDTHxHEIGHT, at least {0}, at most 20000x20000"},
    {Text::CliExportNotSaved, "Dışa aktarılamadı: {0}: {1}", "Could not export: {0}: {1}"},
    // Plots: convergence, ω, the geometry of a 2 × 2 system, SOR's title.
    {Text::PlotConvergenceTitle, "{0}: her adımdaki en büyük değişim",
     "{0}: the largest change in every sweep"},
    {Text::PlotConvergenceTitleW, "{0}, ω = {1}: her adımdaki en büyük değişim",
     "{0}, ω = {1}: the largest change in every sweep"},
    {Text::PlotCompareTitle, "İterasyon yöntemlerinin yakınsaması (SOR için ω = {0})",
     "Convergence of the iterative methods (ω = {0} for SOR)"},
    {Text::PlotChangeErrorAxis, "En büyük değişim, hata",
     "Largest change, error"},
    {Text::PlotChangeSeries, "{0}: en büyük değişim",
     "{0}: largest change"},
    {Text::PlotErrorSeries, "{0}: doğrudan çözüme göre hata",
     "{0}: error against the direct solution"},
    {Text::PlotRhoSeries, "{0}: ρ^k, ρ = {1}",
     "{0}: ρ^k, ρ = {1}"},
    {Text::PlotChangeKey, "düz çizgi: en büyük değişim", "solid: largest change"},
    {Text::PlotErrorKey, "kesik çizgi: doğrudan çözüme göre hata", "dashed: error against the direct solution"},
    {Text::PlotRhoKey, "noktalı: ρ^k", "dotted: ρ^k"},
    {Text::PlotToleranceLine, "tolerans {0}",
     "tolerance {0}"},
    {Text::PlotZeroChangesLeftOut, "{0}: değişimi 0 olan {1} adım logaritmik eksende gösterilemez; çizilmedi.",
     "{0}: {1} sweeps with a change of 0 cannot be shown on a logarithmic axis and are left out."},
    {Text::PlotNoError, "Sistemin tek bir çözümü yok: hata çizilmedi.",
     "The system has no unique solution: no error is drawn."},
    {Text::PlotRunMessage, "{0}: {1}",
     "{0}: {1}"},
    {Text::PlotNeedsSystem, "Bu çizim bir denklem sistemi ister (m = n + 1); bu matris {0} × {1}.",
     "This plot needs a system of equations (m = n + 1); this matrix is {0} × {1}."},
    {Text::PlotNeedsIteration, "Yakınsama çizimi bir iterasyon yöntemi ister (Jacobi, Gauss-Seidel ya da SOR).",
     "The convergence plot needs an iterative method (Jacobi, Gauss-Seidel or SOR)."},
    {Text::PlotOmegaTitle, "ω'ya göre yakınsama için gereken adım sayısı ve ρ (sınır {0} adım)",
     "Sweeps to convergence and ρ against ω (limit {0} sweeps)"},
    {Text::PlotSweepsAxis, "Yakınsama için adım",
     "Sweeps to converge"},
    {Text::PlotRhoAxis, "Spektral yarıçap ρ",
     "Spectral radius ρ"},
    {Text::PlotRhoOf, "ρ: {0}",
     "ρ: {0}"},
    {Text::PlotYoungSeries, "Young eğrisi",
     "Young's curve"},
    {Text::PlotFewestSweepsMark, "{0}: en az adım ω = {1} ({2} adım)",
     "{0}: fewest sweeps at ω = {1} ({2})"},
    {Text::PlotLeastRhoMark, "{0}: en küçük ρ, ω = {1}",
     "{0}: least ρ at ω = {1}"},
    {Text::PlotOmegaNotConverged, "{0}: {1} ω değerinde {2} adımda yakınsamadı; bunlar çizilmedi.",
     "{0}: did not converge within {2} sweeps at {1} values of ω; those are not drawn."},
    {Text::PlotNoYoung, "Young eğrisi çizilmedi: üç köşegenli, Jacobi özdeğerleri gerçel ve ρ_J < 1 olan bir matris ister.",
     "No Young's curve: it needs a tridiagonal matrix whose Jacobi eigenvalues are real with ρ_J < 1."},
    {Text::PlotGeometryTitle, "{0}: iki doğru ve ardışık yaklaşımların yolu",
     "{0}: the two lines and the path of the iterates"},
    {Text::PlotEquationSeries, "{0}. denklem",
     "equation {0}"},
    {Text::PlotPathSeries, "ardışık yaklaşımlar",
     "iterates"},
    {Text::PlotSolutionMark, "çözüm ({0}; {1})",
     "solution ({0}, {1})"},
    {Text::PlotStartMark, "başlangıç",
     "start"},
    {Text::PlotParallelLines, "Doğrular paralel: sistemin çözümü yok.",
     "The lines are parallel: the system has no solution."},
    {Text::PlotSameLines, "Doğrular çakışıyor: sistemin sonsuz çözümü var.",
     "The lines coincide: the system has infinitely many solutions."},
    {Text::PlotNoLine, "{0}. denklemin iki katsayısı da 0: bir doğru değil.",
     "Both coefficients of equation {0} are 0: it is no line."},
    {Text::PlotPathLeaves, "{0}. adımdan sonra yaklaşımlar resmin dışına çıkıyor; sonrası çizilmedi.",
     "After sweep {0} the iterates leave the picture; the rest is not drawn."},
    {Text::PlotGeometryNeedsTwo, "Geometri çizimi 2 × 2 bir sistem ister (2 satır, 3 sütun); bu matris {0} × {1}.",
     "The geometry needs a 2 × 2 system (2 rows, 3 columns); this matrix is {0} × {1}."},
    {Text::PlotMenu, "&Grafik",
     "&Plots"},
    {Text::PlotConvergenceItem, "&Yakınsama",
     "&Convergence"},
    {Text::PlotOmegaItem, "&ω'ya göre adım sayısı",
     "Sweeps against &ω"},
    {Text::PlotGeometryItem, "&Geometri (2 × 2 sistem)",
     "&Geometry (2 × 2 system)"},
    {Text::PlotChoicePicture, "Resim kutusu",
     "Picture box"},
    {Text::PlotChoiceConvergence, "Yakınsama",
     "Convergence"},
    {Text::PlotChoiceOmega, "Adım sayısı ve ω",
     "Sweeps and ω"},
    {Text::PlotChoiceGeometry, "Geometri",
     "Geometry"},
    {Text::PlotLogScale, "Logaritmik ölçek",
     "Logarithmic scale"},
    {Text::PlotNoFile, "Çizim için bir dosya yükleyiniz.",
     "Load a file to draw this plot."},
    {Text::CliUnknownPlot, "--plot convergence, omega ya da geometry ister",
     "--plot needs convergence, omega or geometry"},
    {Text::CliPlotNeedsPicture, "--plot, çizimin yazılacağı dosyayı --picture ÇIKTI.png|svg ile ister",
     "--plot needs --picture OUT.png|svg, the file to draw it in"},
    {Text::CliPlotHelp,
     "\n"
     "Grafikler (--picture ÇIKTI.png|svg dosyasına çizilir):\n"
     "  --plot convergence     her adımdaki en büyük değişim ve hata, logaritmik eksende\n"
     "                         (--method ile bir yöntem, yoksa ya da --compare ile hepsi)\n"
     "  --plot omega           SOR'ların ω'ya göre adım sayısı ve ρ, en iyi ω işaretli\n"
     "  --plot geometry        2 × 2 bir sistemin iki doğrusu ve yaklaşımların yolu\n"
     "  --log                  SOR'un resmini logaritmik eksenle çizer\n",
     "\n"
     "Plots (drawn into the file of --picture OUT.png|svg):\n"
     "  --plot convergence     the largest change and the error per sweep, on a logarithmic axis\n"
     "                         (of --method's method; of all of them without one or with --compare)\n"
     "  --plot omega           both SORs' sweeps and ρ against ω, the best ω marked\n"
     "  --plot geometry        the two lines of a 2 × 2 system and the path of the iterates\n"
     "  --log                  draws SOR's picture with a logarithmic axis\n"},

    // The results list's context menu.
    {Text::CopyLineItem, "Kopyala", "Copy"},
    {Text::CopyAllItem, "Tümünü kopyala", "Copy all"},

    // The matrix editor. The undo steps are named for the undo history.
    {Text::NewMatrixTitle, "Yeni matris", "New matrix"},
    {Text::EditMatrixTitle, "Matrisi düzenle", "Edit matrix"},
    {Text::RowsLabel, "Satır sayısı (n):", "Number of rows (n):"},
    {Text::ColumnsLabel, "Sütun sayısı (m):", "Number of columns (m):"},
    {Text::EditorKeysHint,
     "Ctrl+V: blok yapıştır   Ctrl+C: kopyala   Delete: 0 yap   Ctrl+Z / Ctrl+Y: geri al / yinele",
     "Ctrl+V: paste a block   Ctrl+C: copy   Delete: set to 0   Ctrl+Z / Ctrl+Y: undo / redo"},
    {Text::SaveButton, "Kaydet", "Save"},
    {Text::CancelButton, "Vazgeç", "Cancel"},
    {Text::UndoAction, "Geri al", "Undo"},
    {Text::RedoAction, "Yinele", "Redo"},
    {Text::UndoResize, "Boyut", "Size"},
    {Text::UndoPaste, "Yapıştır", "Paste"},
    {Text::UndoClear, "Sil", "Delete"},
    {Text::CellProblem, "Satır {0}, sütun {1}: {2}", "Row {0}, column {1}: {2}"},
    {Text::CellProblems, "Satır {0}, sütun {1}: {2} ({3} hücre geçersiz)",
     "Row {0}, column {1}: {2} ({3} cells invalid)"},
    {Text::PasteTooLarge, "Yapıştırılan {0} x {1} blok {2}. satır, {3}. sütundan başlayınca sığmıyor: "
                          "matris en çok 100 satır ve 100 sütun olabilir",
     "The pasted {0} x {1} block does not fit when it starts at row {2}, column {3}: "
     "a matrix has at most 100 rows and 100 columns"},
    {Text::SaveMatrixTitle, "Matrisi kaydet", "Save matrix"},
    {Text::CoefficientFilesFilter, "Katsayılar dosyası (*.txt)", "Coefficient files (*.txt)"},
    {Text::OverwriteQuestion, "{0} zaten var. Üzerine yazılsın mı?", "{0} already exists. Overwrite it?"},
    {Text::OverwriteButton, "Üzerine yaz", "Overwrite"},
    {Text::CloseUnsavedQuestion, "Matris kaydedilmedi. Pencere kapatılsın mı?",
     "The matrix has not been saved. Close the window?"},
    {Text::CloseButton, "Kapat", "Close"},

    // The matrix editor's cells: why a text is not a number, the undo entry
    // of a typed cell, the heading of the last column.
    {Text::CellEmpty, "Boş hücre", "Empty cell"},
    {Text::CellTooLarge, "Sayı çok büyük", "Number too large"},
    {Text::CellDecimalPoint, "Ondalık ayıracı olarak nokta yazınız", "Use a point as the decimal separator"},
    {Text::CellNotANumber, "Sayı değil", "Not a number"},
    {Text::CellChange, "Hücre", "Cell"},
    {Text::RightHandSide, "sağ taraf", "RHS"},

    // The progress window of a long iteration.
    {Text::ProgressTitle, "Hesaplanıyor", "Calculating"},
    {Text::ProgressSweeps, "İterasyon: {0}", "Iteration: {0}"},
    {Text::ProgressChange, "Maksimum hata: {0}", "Maximum error: {0}"},
    {Text::ProgressLimit, "İterasyon sınırı: {0}", "Iteration limit: {0}"},
    {Text::ProgressCancel, "İptal", "Cancel"},

    // The textbook methods in the window: their menu under "Görünüm", the
    // iterations' settings, the exercises. {0} of a bad text is the text;
    // {0} of the file line is the file's name; {0}, {1} and {2} of the
    // file names are the kind, the number of equations and the seed.
    {Text::TextbookMenu, "Ders &kitabı", "&Textbook"},
    {Text::IterationSettingsItem, "İ&terasyon ayarları...", "&Iteration settings..."},
    {Text::ExerciseItem, "Alıştırma &oluştur...", "Make an &exercise..."},
    {Text::IterationSettingsTitle, "İterasyon ayarları", "Iteration settings"},
    {Text::StartVectorLabel, "Başlangıç vektörü (bir sayı ya da n sayı; boş: her bileşen 1):",
     "Start vector (one number or n numbers; empty: every component 1):"},
    {Text::ToleranceLabel, "Durdurma ölçütü, maksimum değişim (boş: 0.00001):",
     "Stopping test, maximum change (empty: 0.00001):"},
    {Text::WindowBadStartVector, "Başlangıç vektörü boşlukla ayrılmış sayılar olmalı: {0}",
     "The start vector must be numbers separated by spaces: {0}"},
    {Text::WindowBadTolerance, "Durdurma ölçütü pozitif bir sayı olmalı: {0}",
     "The stopping test must be a positive number: {0}"},
    {Text::OkButton, "Tamam", "OK"},
    {Text::ExerciseTitle, "Alıştırma oluştur", "Make an exercise"},
    {Text::ExerciseKindLabel, "Tür:", "Kind:"},
    {Text::ExerciseKindInteger, "Küçük tam sayılar (elle eleme)", "Small integers (elimination by hand)"},
    {Text::ExerciseKindDominant, "Kesin köşegen baskın (iterasyonlar)", "Strictly diagonally dominant (iterations)"},
    {Text::ExerciseKindSpd, "Simetrik pozitif tanımlı (Cholesky)", "Symmetric positive definite (Cholesky)"},
    {Text::ExerciseKindTridiagonal, "Üç köşegenli (Thomas)", "Tridiagonal (Thomas)"},
    {Text::ExerciseKindHilbert, "Hilbert (kötü koşullu)", "Hilbert (ill-conditioned)"},
    {Text::ExerciseSizeLabel, "Denklem sayısı:", "Number of equations:"},
    {Text::ExerciseSeedLabel, "Tohum:", "Seed:"},
    {Text::ExerciseAnswersCheck, "Cevap anahtarını yanına yaz", "Write the answer key beside it"},
    {Text::ExerciseFileLine, "Bu klasöre yazılır: {0}", "Written into this folder: {0}"},
    {Text::ExerciseWriteButton, "Yaz ve yükle", "Write and load"},
    {Text::ExerciseFileName, "alistirma-{0}-{1}-{2}.txt", "exercise-{0}-{1}-{2}.txt"},
    // The key is not a coefficient file: its extension keeps it out of the
    // file list, which shows "*.txt".
    {Text::AnswersFileName, "alistirma-{0}-{1}-{2}.cevaplar", "exercise-{0}-{1}-{2}.answers"},
    // The window's caption while a method of "Ders kitabı" is chosen: {0}
    // is the caption, {1} the method.
    {Text::WindowCaptionWithMethod, "{0} \u2013 {1}", "{0} \u2013 {1}"},

    // The step-by-step view. {0} and {1} of the count are the step and the
    // number of steps; of the sweeps left out, the sweeps shown and those
    // not. {0} of a step is its number, {1} the pivot (or the row taking
    // part), {2} of the determinant's step the product of the pivots so
    // far; {1} of a sweep is its largest change.
    {Text::StepViewItem, "A&dım adım", "S&tep by step"},
    {Text::StepViewTitle, "Adım adım", "Step by step"},
    {Text::StepViewFirst, "İlk", "First"},
    {Text::StepViewBack, "Geri", "Back"},
    {Text::StepViewNext, "İleri", "Next"},
    {Text::StepViewLast, "Son", "Last"},
    {Text::StepViewCount, "Adım {0} / {1}", "Step {0} of {1}"},
    {Text::StepViewEmpty, "Bir yöntem hesaplanınca adımları burada görünür.",
     "Run a method and its steps show here."},
    {Text::StepViewLeftOut, "İlk {0} iterasyon gösteriliyor; sonraki {1} iterasyon gösterilmiyor.",
     "The first {0} sweeps are shown; the {1} after them are not."},
    {Text::StepViewMultiplier, "çarpan", "multiplier"},
    {Text::StepViewSystem, "Genişletilmiş matris [A | b]", "Augmented matrix [A | b]"},
    {Text::StepViewMatrix, "Matris A", "Matrix A"},
    {Text::StepViewSweepTitle, "Önceki ve yeni iterasyon, değişim", "The previous and the new iterate, the change"},
    {Text::StepViewStart, "Başlangıç: yöntemin aldığı matris", "Start: the matrix the method is given"},
    {Text::StepViewElimination, "{0}. adım: pivot {1}; alttaki her satırdan {0}. satırın çarpan katı çıkarılır",
     "Step {0}: pivot {1}; each row below takes its multiplier times row {0} away"},
    {Text::StepViewJordan, "{0}. adım: diğer her satırdan {0}. satırın çarpan katı çıkarılır",
     "Step {0}: every other row takes its multiplier times row {0} away"},
    {Text::StepViewDivision, "{0}. satır pivot {1} ile bölünür", "Row {0} is divided by the pivot {1}"},
    {Text::StepViewRowExchange, "{0}. ve {1}. satırlar yer değiştirir", "Rows {0} and {1} change places"},
    {Text::StepViewColumnExchange, "{0}. ve {1}. sütunlar (ve değişkenleri) yer değiştirir",
     "Columns {0} and {1} (and their variables) change places"},
    {Text::StepViewLuStep, "{0}. adım: U'nun {0}. satırı ve L'nin {0}. sütunu; pivot {1}",
     "Step {0}: row {0} of U and column {0} of L; pivot {1}"},
    {Text::StepViewCholeskyStep, "{0}. adım: L'nin {0}. sütunu; L({0},{0}) = {1}",
     "Step {0}: column {0} of L; L({0},{0}) = {1}"},
    {Text::StepViewThomasRow, "{0}. satır: \u03b2({0}) = {1} ve \u03b3({0})", "Row {0}: \u03b2({0}) = {1} and \u03b3({0})"},
    {Text::StepViewThomasBack, "Geriye yerine koyma: x({0}) = {1}", "Back substitution: x({0}) = {1}"},
    {Text::StepViewDeterminant, "{0}. adım: pivot {1}; pivotların çarpımı şimdiye dek {2}",
     "Step {0}: pivot {1}; the product of the pivots so far is {2}"},
    {Text::StepViewInverse, "{0}. adım: baştaki {0} \u00d7 {0} bloğun tersi", "Step {0}: the inverse of the leading {0} \u00d7 {0} block"},
    {Text::StepViewSweep, "{0}. iterasyon: maksimum değişim {1}", "Sweep {0}: largest change {1}"},
    // The browser edition: its command line under node ({0} is the
    // option), and the page.
    {Text::CliNoFilesHere, "{0} bu sürümde yok: resimleri, sayfaları ve dışa aktarmayı pencereli lineer yazar",
     "{0} is not in this edition: the lineer with the window writes the pictures, the pages and the export"},
    // {0} of the lines' count is a whole number.
    {Text::PageExamples, "Örnekler", "Examples"},
    {Text::PageOpenFile, "Dosya aç", "Open a file"},
    {Text::PageDropHint, "ya da bir katsayılar dosyasını buraya bırakın", "or drop a coefficient file here"},
    {Text::PageMatrixText, "Katsayılar (ilk satır: satır ve sütun sayısı)",
     "Coefficients (first line: the numbers of rows and columns)"},
    {Text::PageMethod, "Yöntem", "Method"},
    {Text::PageNoMethod, "(yöntem yok: yalnız listele)", "(no method: list only)"},
    {Text::PageShowPicture, "Matrisi göster (resim)", "Show matrix (picture)"},
    {Text::PageSaveResults, "Sonuçları indir", "Download results"},
    {Text::PageExportLatex, "LaTeX indir", "Download LaTeX"},
    {Text::PageExportHtml, "HTML indir", "Download HTML"},
    {Text::PagePrint, "Yazdır", "Print"},
    {Text::PageRunning, "Hesaplanıyor...", "Calculating..."},
    {Text::PageLines, "{0} satır", "{0} lines"},
    {Text::PageCopied, "Panoya kopyalandı", "Copied to the clipboard"},
};
// clang-format on

}  // namespace lineer
