#include "dialog/shortcuts.h"

namespace tovask {

namespace {

// The table is rebuilt from all entries whenever one changes.
void RebuildTable(DialogWindow& window) {
  if (window.ShortcutTable != nullptr) DestroyAcceleratorTable(window.ShortcutTable);
  window.ShortcutTable =
      CreateAcceleratorTableW(window.Shortcuts.data(), static_cast<int>(window.Shortcuts.size()));
}

}  // namespace

void CreateFocusShortcuts(DialogWindow& window) {
  window.Shortcuts = {
      {FVIRTKEY | FNOINVERT, VK_TAB, static_cast<WORD>(FocusNextCommand)},
      {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, static_cast<WORD>(FocusPreviousCommand)},
  };
  RebuildTable(window);
}

// An entry for the same key and modifiers gets the new command.
void AddShortcut(DialogWindow& window, WORD key, BYTE modifiers, WORD command) {
  BYTE virt = static_cast<BYTE>(FVIRTKEY | FNOINVERT | modifiers);
  bool replaced = false;
  for (ACCEL& entry : window.Shortcuts) {
    if (entry.key == key && entry.fVirt == virt) {
      entry.cmd = command;
      replaced = true;
    }
  }
  if (!replaced) window.Shortcuts.push_back({virt, key, command});
  RebuildTable(window);
}

void DestroyShortcuts(DialogWindow& window) {
  if (window.ShortcutTable != nullptr) DestroyAcceleratorTable(window.ShortcutTable);
  window.ShortcutTable = nullptr;
  window.Shortcuts.clear();
  window.Shortcuts.shrink_to_fit();
}

}  // namespace tovask
