// The built program over the sample record, driven through thousands of paints, zooms, curve
// switches, returns to the full view and copies in a fixed pseudo-random order: what it holds
// must not grow with the number of operations, and a picture on the clipboard must stay readable
// and unchanged however much the program paints after the copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/series_visibility.h"
#include "tests/win/metafile_records.h"
#include "tests/win/process_usage.h"
#include "tests/win/program_process.h"
#include "tests/win/program_test_main.h"
#include "win/commands.h"
#include "win/main_window.h"

namespace {

constexpr int kWidth = 675;
constexpr int kHeight = 440;

enum class Operation { Paint, Zoom, SwitchCurve, FullView, Copy };

// The mix: every zoom, switch and return to the full view is followed by its own paint as well.
std::vector<Operation> MixedOperations() {
  std::vector<Operation> operations;
  const auto add = [&](Operation operation, int count) {
    operations.insert(operations.end(), static_cast<std::size_t>(count), operation);
  };
  add(Operation::Paint, 10000);
  add(Operation::Zoom, 1000);
  add(Operation::SwitchCurve, 1000);
  add(Operation::FullView, 1000);
  add(Operation::Copy, 200);
  std::mt19937 order(1250);
  std::shuffle(operations.begin(), operations.end(), order);
  return operations;
}

// Drives one program window and remembers what the program should show.
class Driver {
 public:
  explicit Driver(HWND programWindow) : window(programWindow) {}

  void Run(Operation operation) {
    switch (operation) {
      case Operation::Paint:
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        break;
      case Operation::Zoom:
        ASSERT_TRUE(Zoom()) << "the program stopped answering";
        break;
      case Operation::SwitchCurve:
        ASSERT_TRUE(SwitchNextCurve()) << "the program stopped answering";
        break;
      case Operation::FullView:
        ASSERT_TRUE(SendCommand(window, CMD_FULL_VIEW)) << "the program stopped answering";
        break;
      case Operation::Copy:
        Copy();
        return;
    }
    // The messages above were sent, so what they invalidated is known here and painted now.
    UpdateWindow(window);
    ASSERT_EQ(GetUpdateRect(window, nullptr, FALSE), 0) << "a paint did not happen";
  }

  int copiesChecked = 0;

 private:
  // A drag inside the plot, in either direction, at least 30 pixels each way.
  bool Zoom() {
    std::uniform_int_distribution<int> left(60, 400), top(15, 250), width(30, 240), height(30, 150);
    const int x0 = left(random), y0 = top(random);
    const int x1 = x0 + width(random), y1 = y0 + height(random);
    return random() % 2 == 0 ? SendDrag(window, x0, y0, x1, y1) : SendDrag(window, x1, y1, x0, y0);
  }

  // Switches the curves in turn, but never the last visible one off: that would stop the
  // program on its modal notice. Then the next curve, which is off, is switched on instead.
  bool SwitchNextCurve() {
    static constexpr std::array<int, 4> kCommands = {CMD_TOGGLE_SETPOINT, CMD_TOGGLE_OUTPUT,
                                                     CMD_TOGGLE_ERROR, CMD_TOGGLE_CONTROL};
    std::size_t curve = nextCurve;
    nextCurve = (nextCurve + 1) % kCommands.size();
    if (visible[curve] && std::count(visible.begin(), visible.end(), true) == 1) {
      curve = (curve + 1) % kCommands.size();
    }
    visible[curve] = !visible[curve];
    return SendCommand(window, kCommands[curve]);
  }

  // First checks that the previous copy, followed by paints and zooms since, still reads as it
  // did when it was taken; then takes a new one.
  void Copy() {
    if (!lastCopy.empty()) {
      const ClipboardPicture previous = ReadClipboardPicture();
      ASSERT_TRUE(previous.present);
      EXPECT_GT(GetMetaFileBitsEx(previous.picture, 0, nullptr), 0u);
      ASSERT_EQ(previous.records.size(), lastCopy.size());
      ASSERT_TRUE(previous.records == lastCopy) << "the clipboard's picture changed";
      ++copiesChecked;
    }
    ASSERT_TRUE(RequestCopy(window));
    const ClipboardPicture copied = ReadClipboardPicture();
    ASSERT_TRUE(copied.present);
    EXPECT_EQ(copied.xExt, kWidth);
    EXPECT_EQ(copied.yExt, kHeight);
    ASSERT_FALSE(copied.records.empty());
    lastCopy = copied.records;
  }

  HWND window;
  std::mt19937 random{40001};
  // The program starts with the setpoint and the output shown.
  std::array<bool, 4> visible = {true, true, false, false};
  std::size_t nextCurve = 0;
  std::vector<std::string> lastCopy;
};

// The growth allowed between the usage after the first hundred operations and at the end. A
// picture of the sample record holds 1,501 to 6,004 line records of 10 bytes, 15 to 60 KB; a
// picture, a copy or a few pens kept per operation would add tens of MB over the 13,000
// operations, a leak on the 200 copies alone 3 to 12 MB. 2 MB leaves room for the heap's own
// rounding and is still well below any of them.
constexpr std::size_t kPrivateMargin = 2u << 20;
// The working set also moves with what the system pages in and out, so it gets more room.
constexpr std::size_t kWorkingSetMargin = 8u << 20;
constexpr DWORD kGdiObjectMargin = 16;

void ExpectNoGrowth(const ProcessUsage& early, const ProcessUsage& late) {
  std::printf("GDI objects %lu -> %lu, private %zu -> %zu KB, working set %zu -> %zu KB\n",
              early.gdiObjects, late.gdiObjects, early.privateBytes >> 10, late.privateBytes >> 10,
              early.workingSet >> 10, late.workingSet >> 10);
  ASSERT_TRUE(early.memoryRead && late.memoryRead);
  // Zero would mean the system does not report the figure at all, and nothing is measured.
  ASSERT_GT(early.privateBytes, 0u);
  ASSERT_GT(early.workingSet, 0u);
  EXPECT_LE(late.privateBytes, early.privateBytes + kPrivateMargin);
  EXPECT_LE(late.workingSet, early.workingSet + kWorkingSetMargin);
  // Wine 8 does not count GDI objects (GetGuiResources answers 0); the memory above then
  // stands for them, since every object Wine keeps lives in the process's own heap.
  if (early.gdiObjects != 0) {
    EXPECT_LE(late.gdiObjects, early.gdiObjects + kGdiObjectMargin);
  }
}

TEST(Soak, ThousandsOfOperationsLeaveUsageAndClipboardAsTheyWere) {
  ProgramProcess program(programPath, sampleFolder);
  ASSERT_TRUE(program.Started()) << programPath;
  HWND window = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (window = FindWindowOf(program.Id(), kMainWindowClass)) != nullptr; }));
  SetClientSize(window, kWidth, kHeight);
  ASSERT_TRUE(WaitUntilIdle(window));

  const std::vector<Operation> operations = MixedOperations();
  Driver driver(window);
  ProcessUsage early;
  for (std::size_t i = 0; i < operations.size(); ++i) {
    ASSERT_NO_FATAL_FAILURE(driver.Run(operations[i]))
        << "operation " << i << " of kind " << static_cast<int>(operations[i]);
    if (i + 1 == 100) {
      early = ReadProcessUsage(program.Handle());
    }
  }
  ExpectNoGrowth(early, ReadProcessUsage(program.Handle()));
  EXPECT_GE(driver.copiesChecked, 199);

  PostCommand(window, CMD_EXIT);
  EXPECT_EQ(program.WaitForExit(10000), std::optional<DWORD>(0));
}

}  // namespace
