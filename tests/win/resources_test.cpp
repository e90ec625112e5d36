// The resources linked into the program (win/lumvo1.rc), read back through the platform.
#include <gtest/gtest.h>

#include <string>

#include "model/series_visibility.h"
#include "win/commands.h"
#include "win/main_window.h"

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

TEST(Resources, MainMenuHoldsTheCommandsOfTheProgram) {
  HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kMainMenuId));
  ASSERT_NE(bar, nullptr);
  const struct {
    int barPosition;
    int itemPosition;  // -1: the item of the bar itself
    const wchar_t* text;
    int id;  // -1: a popup
    bool checked;
  } items[] = {
      {0, -1, L"&Plik", -1, false},
      {0, 0, L"&Kopiuj do schowka", CMD_COPY_TO_CLIPBOARD, false},
      {0, 1, L"&Koniec", CMD_EXIT, false},
      {1, -1, L"100%", CMD_FULL_VIEW, false},
      {2, -1, L"&Dane", -1, false},
      {2, 0, L"&Warto\u015B\u0107 zadana", CMD_TOGGLE_SETPOINT, true},
      {2, 1, L"&Odpowied\u017A uk\u0142adu", CMD_TOGGLE_OUTPUT, true},
      {2, 2, L"&Uchyb", CMD_TOGGLE_ERROR, false},
      {2, 3, L"&Sterowanie", CMD_TOGGLE_CONTROL, false},
      {3, -1, L"O...", CMD_ABOUT, false},
  };
  EXPECT_EQ(GetMenuItemCount(bar), 4);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 2);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 2)), 4);
  for (const auto& item : items) {
    SCOPED_TRACE(testing::Message() << item.barPosition << "/" << item.itemPosition);
    HMENU menu = item.itemPosition < 0 ? bar : GetSubMenu(bar, item.barPosition);
    const auto position =
        static_cast<UINT>(item.itemPosition < 0 ? item.barPosition : item.itemPosition);
    EXPECT_EQ(ItemText(menu, position), item.text);
    const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
    EXPECT_EQ((state & MF_POPUP) != 0, item.id < 0);
    EXPECT_EQ((state & (MF_GRAYED | MF_DISABLED)), 0u);
    if (item.id >= 0) {
      EXPECT_EQ(GetMenuItemID(menu, static_cast<int>(position)), static_cast<UINT>(item.id));
      EXPECT_EQ((state & MF_CHECKED) != 0, item.checked);
    }
  }
  DestroyMenu(bar);
}

TEST(Resources, MainMenuIsPolish) {
  EXPECT_NE(FindResourceExA(nullptr, RT_MENU, MAKEINTRESOURCEA(kMainMenuId),
                            MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT)),
            nullptr);
}

TEST(Resources, ManifestRunsAsInvokerWithoutUiAccess) {
  HRSRC found = FindResourceA(nullptr, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  const std::string manifest(bytes, SizeofResource(nullptr, found));
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
            std::string::npos)
      << manifest;
}

}  // namespace
