#include "win/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/series_visibility.h"
#include "model/zoom.h"
#include "tests/win/metafile_records.h"
#include "tests/win/test_window.h"
#include "win/main_window.h"

namespace {

class NoticeRecorder final : public VisibilityHost {
 public:
  void ShowNotice(const char* text, const char* caption) override {
    notices.push_back({caption, text});
  }
  void SetCheckMark(int, int) override {}
  std::vector<CaughtMessageBox> notices;
};

class CommandsTest : public MainWindowTest {
 protected:
  LRESULT Command(WPARAM wParam, LPARAM lParam = 0) const {
    return SendMessageA(window, WM_COMMAND, wParam, lParam);
  }
  bool Checked(int commandId) const {
    return (GetMenuState(GetMenu(window), static_cast<UINT>(commandId), MF_BYCOMMAND) &
            MF_CHECKED) != 0;
  }
  void Drag(int fromX, int fromY, int toX, int toY) const {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, fromY));
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
  }
  void ExpectMarksFollowFlags() const {
    EXPECT_EQ(Checked(CMD_TOGGLE_SETPOINT), Chart().showSetpoint != 0);
    EXPECT_EQ(Checked(CMD_TOGGLE_OUTPUT), Chart().showOutput != 0);
    EXPECT_EQ(Checked(CMD_TOGGLE_ERROR), Chart().showError != 0);
    EXPECT_EQ(Checked(CMD_TOGGLE_CONTROL), Chart().showControl != 0);
  }
};

int& FlagOf(ChartState& chart, int commandId) {
  switch (commandId) {
    case CMD_TOGGLE_SETPOINT:
      return chart.showSetpoint;
    case CMD_TOGGLE_OUTPUT:
      return chart.showOutput;
    case CMD_TOGGLE_ERROR:
      return chart.showError;
    default:
      return chart.showControl;
  }
}

TEST_F(CommandsTest, CurveSwitchesFlipFlagAndMarkAndRefitAsTheModelDoes) {
  const struct {
    const char* what;
    int commandId;
    bool zoomFirst;
    int presetFlag;  // -1: leave the flag as it is
    size_t notices;
  } steps[] = {
      {"setpoint off, after a zoom", CMD_TOGGLE_SETPOINT, true, -1, 0},
      {"output, the last curve, off", CMD_TOGGLE_OUTPUT, false, -1, 1},
      {"error on", CMD_TOGGLE_ERROR, false, -1, 0},
      {"setpoint off", CMD_TOGGLE_SETPOINT, false, -1, 0},
      {"output off: the error is left", CMD_TOGGLE_OUTPUT, false, -1, 0},
      {"error, the last curve, off", CMD_TOGGLE_ERROR, false, -1, 1},
      {"control on", CMD_TOGGLE_CONTROL, false, -1, 0},
      {"control off", CMD_TOGGLE_CONTROL, false, -1, 0},
      {"a flag of 2 counts as off", CMD_TOGGLE_CONTROL, false, 2, 0},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    if (step.zoomFirst) {
      Drag(170, 150, 410, 220);
      Paint();
      ASSERT_NE(Chart().firstIndex, 0);
    }
    if (step.presetFlag >= 0) {
      FlagOf(Chart(), step.commandId) = step.presetFlag;
    }
    ChartState expected = Chart();
    int& flag = FlagOf(expected, step.commandId);
    flag = flag == 1 ? 0 : 1;
    NoticeRecorder model;
    ApplySeriesVisibility(expected, model);
    ASSERT_EQ(model.notices.size(), step.notices);

    EXPECT_EQ(Command(static_cast<WPARAM>(step.commandId)), 0);
    EXPECT_TRUE(Chart() == expected);
    ExpectMarksFollowFlags();
    EXPECT_TRUE(RepaintPending());
    const std::vector<CaughtMessageBox> shown = boxes.Take();
    ASSERT_EQ(shown.size(), step.notices);
    for (const CaughtMessageBox& box : shown) {
      EXPECT_EQ(box.caption, model.notices[0].caption);
      EXPECT_EQ(box.text, model.notices[0].text);
      EXPECT_EQ(box.owner, window);
      EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_INFORMATION));
    }
    Paint();
  }
}

TEST_F(CommandsTest, FullViewReturnsToTheSavedViewWhateverTheSource) {
  Drag(170, 150, 410, 220);
  Paint();
  ASSERT_EQ(Chart().firstIndex, 4);
  ChartState expected = Chart();
  ResetFullView(expected);
  // The high word (1: an accelerator) and lParam are not looked at.
  EXPECT_EQ(Command(MAKEWPARAM(CMD_FULL_VIEW, 1), 12345), 0);
  EXPECT_TRUE(Chart() == expected);
  RECT update = {};
  EXPECT_TRUE(GetUpdateRect(window, &update, FALSE));
  EXPECT_EQ(update.left, 0);
  EXPECT_EQ(update.top, 0);
  EXPECT_EQ(update.right, 675);
  EXPECT_EQ(update.bottom, 440);
  ExpectMarksFollowFlags();
  EXPECT_TRUE(Checked(CMD_TOGGLE_SETPOINT));
}

TEST_F(CommandsTest, IdentifiersOutsideTheMenuGoToTheDefaultProcedure) {
  const ChartState before = Chart();
  const DWORD clipboard = GetClipboardSequenceNumber();
  const WPARAM outside[] = {
      40000, 40009, 0, 1, 65535, MAKEWPARAM(40000, 1), MAKEWPARAM(40009, 40003)};
  for (WPARAM wParam : outside) {
    SCOPED_TRACE(wParam);
    EXPECT_EQ(Command(wParam), DefWindowProcA(window, WM_COMMAND, wParam, 0));
  }
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(Chart() == before);
  EXPECT_FALSE(RepaintPending());
  EXPECT_EQ(GetClipboardSequenceNumber(), clipboard);
  ExpectMarksFollowFlags();
}

TEST_F(CommandsTest, AboutShowsTheProgramsInformationBox) {
  EXPECT_EQ(Command(CMD_ABOUT), 0);
  const std::vector<CaughtMessageBox> shown = boxes.Take();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "Lumvo1");
  EXPECT_EQ(shown[0].text, "Lumvo1 wersja 1.0\n Program do prezentacji danych z procesu regulacji");
  EXPECT_EQ(shown[0].owner, window);
  EXPECT_EQ(shown[0].icon, LoadIconA(nullptr, IDI_INFORMATION));
}

TEST_F(CommandsTest, CopyOffersADuplicateOfTheLastPictureWithTheClientSize) {
  auto* picture = static_cast<HMETAFILE>(Chart().lastPicture);
  EXPECT_EQ(Command(CMD_COPY_TO_CLIPBOARD), 0);
  const ClipboardPicture copied = ReadClipboardPicture();
  ASSERT_TRUE(copied.present);
  EXPECT_EQ(copied.mm, MM_TEXT);
  EXPECT_EQ(copied.xExt, 675);
  EXPECT_EQ(copied.yExt, 440);
  EXPECT_NE(copied.picture, picture);
  EXPECT_EQ(copied.records, ReadMetafileRecords(picture));
  EXPECT_FALSE(copied.records.empty());

  // The extents are the stored size at the time of the copy, even before the next paint.
  SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(320, 240));
  Command(CMD_COPY_TO_CLIPBOARD);
  const ClipboardPicture resized = ReadClipboardPicture();
  EXPECT_EQ(resized.xExt, 320);
  EXPECT_EQ(resized.yExt, 240);
  EXPECT_EQ(resized.records, copied.records);
}

TEST_F(CommandsTest, TwoCopiesInARowAreEachReadableAndKeepThePicture) {
  auto* picture = static_cast<HMETAFILE>(Chart().lastPicture);
  const std::vector<std::string> records = ReadMetafileRecords(picture);
  for (int copy = 0; copy < 2; ++copy) {
    SCOPED_TRACE(copy);
    Command(CMD_COPY_TO_CLIPBOARD);
    const ClipboardPicture copied = ReadClipboardPicture();
    ASSERT_TRUE(copied.present);
    EXPECT_EQ(copied.records, records);
  }
  // Emptying the clipboard deleted the first duplicate, not the program's picture.
  EXPECT_EQ(GetObjectType(picture), static_cast<DWORD>(OBJ_METAFILE));
  EXPECT_EQ(ReadMetafileRecords(picture), records);
}

TEST_F(CommandsTest, CopyPaintCopyHandsOverEachPicture) {
  Command(CMD_COPY_TO_CLIPBOARD);
  const ClipboardPicture before = ReadClipboardPicture();
  ASSERT_TRUE(before.present);
  Drag(170, 150, 410, 220);
  Paint();
  Command(CMD_COPY_TO_CLIPBOARD);
  const ClipboardPicture after = ReadClipboardPicture();
  ASSERT_TRUE(after.present);
  EXPECT_EQ(after.records, ReadMetafileRecords(static_cast<HMETAFILE>(Chart().lastPicture)));
  EXPECT_NE(after.records, before.records);
}

TEST_F(CommandsTest, ExitDestroysTheWindowAtOnceAndTheLoopEndsWithZero) {
  EXPECT_EQ(Command(CMD_EXIT), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Chart().timeValues, nullptr);
  EXPECT_EQ(RunMessageLoopBounded(), 0);
}

}  // namespace
