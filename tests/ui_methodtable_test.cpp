// The window's option buttons as the method table places them.

#include <type_traits>

#include "optionlayout.h"
#include "picturecanvas.h"
#include "ui_fixture.h"

namespace lineer::uitest {
namespace {

// Both hold state that points into themselves (the context into the
// workspace, the painter into the image).
static_assert(!std::is_copy_constructible_v<Session> && !std::is_move_constructible_v<Session>);
static_assert(!std::is_copy_assignable_v<Session> && !std::is_move_assignable_v<Session>);
static_assert(!std::is_copy_constructible_v<ui::PictureCanvas> && !std::is_move_constructible_v<ui::PictureCanvas>);
static_assert(!std::is_copy_assignable_v<ui::PictureCanvas> && !std::is_move_assignable_v<ui::PictureCanvas>);

using MethodTable = WindowTest;

TEST_F(MethodTable, KeyboardOrderWithTheParameterRowsShown) {
    select(Option::LesSOR);
    const std::vector<std::string> expected{
        "Drive1", "File1", "Dir1", "Command3", "Command_Hesapla",
        "Option_DetGauss", "Option_InvScrobanski", "Option_LesMPGauss", "Option_LesGauss", "Option_LesThomas",
        "Option_LesCrout", "Option_LesDoolittle", "Option_LesSOR", "Option_LesGaussSidel", "Option_LesJacobi",
        "Text_w", "Text_MaxIter", "Option_LesGaussJordan", "List1", "Command1"};
    std::vector<std::string> got;
    QWidget* f = child<QWidget>("Command1");
    for (std::size_t k = 0; k < expected.size(); ++k) {
        f = f->nextInFocusChain();
        while (f->focusPolicy() == Qt::NoFocus || !f->isVisible()) f = f->nextInFocusChain();
        got.push_back(str(f->objectName()));
    }
    EXPECT_EQ(got, expected);
}

// Each option stands below its own heading and above the next one (the
// parameter rows close the last group).
TEST_F(MethodTable, EveryOptionStandsUnderItsHeading) {
    const char* const below[] = {"Label3", "Label4", "Label5", "Label2"};
    for (const ui::OptionLayout& row : ui::kOptionLayout) {
        SCOPED_TRACE(row.objectName);
        const int g = static_cast<int>(methodRow(row.option).group);
        const QRect option = w->option(row.option)->geometry();
        EXPECT_GE(option.top(), child<QWidget>(below[g])->geometry().bottom() - 1);
        EXPECT_LE(option.bottom(), child<QWidget>(below[g + 1])->geometry().top());
    }
}

}  // namespace
}  // namespace lineer::uitest
