#include "win/main_window_visibility_host.h"

#include <gtest/gtest.h>

#include "tests/win/test_window.h"

namespace {

using MainWindowVisibilityHostTest = MainWindowTest;

TEST_F(MainWindowVisibilityHostTest, SetCheckMarkSetsAndClearsTheMarkOfTheCommand) {
  const struct {
    int commandId, mark;
    bool checked;
  } cases[] = {
      {CMD_TOGGLE_ERROR, 1, true},     {CMD_TOGGLE_ERROR, 0, false},
      {CMD_TOGGLE_SETPOINT, 0, false}, {CMD_TOGGLE_SETPOINT, 1, true},
      {CMD_TOGGLE_CONTROL, 1, true},   {CMD_TOGGLE_OUTPUT, 0, false},
  };
  MainWindowVisibilityHost host(window);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.commandId << " " << c.mark);
    host.SetCheckMark(c.commandId, c.mark);
    const UINT state = GetMenuState(GetMenu(window), static_cast<UINT>(c.commandId), MF_BYCOMMAND);
    EXPECT_EQ((state & MF_CHECKED) != 0, c.checked);
  }
}

TEST_F(MainWindowVisibilityHostTest, ShowNoticeIsAnInformationBoxOwnedByTheWindow) {
  MainWindowVisibilityHost host(window);
  host.ShowNotice(kAllCurvesOffNotice, kProgramCaption);
  const std::vector<CaughtMessageBox> shown = boxes.Take();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Lumvo1");
  // Windows-1250 bytes, shown as Polish letters in the Polish code page.
  EXPECT_EQ(shown[0].text,
            "Usuni\xEAto wszystkie przebiegi !\n Wykres przyjmie domy\x9Cln\xB9 posta\xE6.");
  EXPECT_EQ(shown[0].owner, window);
  EXPECT_EQ(shown[0].icon, LoadIconA(nullptr, IDI_INFORMATION));
}

}  // namespace
