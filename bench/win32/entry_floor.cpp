// The floor of a batch: only the visible work of each entry, done with the
// stock controls and nothing else. One line is appended to a multi-line edit
// box of the size, style and font of the output box, one status label gets the
// running count, and a 20 ms pause handles the events. window_bench runs it
// and compares macbatch's batch with it.
//
//   entry_floor ENTRIES
//
// Prints one line: entries, wall seconds, processor seconds, the seconds of
// the first and of the last thousand entries, and their processor seconds.

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <windowsx.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "win32/fonts.h"
#include "win32/layout.h"

namespace {

using namespace macbatch;
using namespace macbatch::bench;

constexpr const wchar_t* floorClassName = L"MacbatchEntryFloor";

bool registerFloorClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = floorClassName;
  return RegisterClassExW(&windowClass) != 0;
}

HWND createChild(HWND parent, const win32::ControlLayout& row, HFONT font) {
  const win32::Placement& place = row.place;
  HWND child = CreateWindowExW(row.exStyle, row.className, L"", row.style | WS_VISIBLE, place.left, place.top,
                               place.width, place.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowFont(child, font, FALSE);
  return child;
}

void handleEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// As the program's pause: events until the tick count has passed the end.
void pause(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  for (;;) {
    handleEvents();
    const DWORD now = GetTickCount();
    if (now > end) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, end - now + 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

std::wstring addressLine(unsigned entry) {
  const unsigned value = entry * 2654435761u;
  wchar_t line[32];
  std::swprintf(line, 32, L"%02X:%02X:%02X:%02X:%02X:%02X\r\n", 0x7C, (entry >> 8) & 0xFF, entry & 0xFF,
                value >> 24, (value >> 16) & 0xFF, (value >> 8) & 0xFF);
  return line;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int entries = argc > 1 ? _wtoi(argv[1]) : 10000;
  if (entries < blockEntries) {
    std::fprintf(stderr, "entry_floor: at least %d entries\n", blockEntries);
    return 2;
  }
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  const win32::WindowLayout& layout = win32::mainWindowLayout;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - layout.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - layout.height) / 2;
  if (!registerFloorClass()) return 1;
  HWND window = CreateWindowExW(layout.exStyle, floorClassName, L"entry floor", layout.style, left, top, layout.width,
                                layout.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return 1;
  const win32::ControlFonts fonts;
  HWND box = createChild(window, win32::layoutOf(Control::编辑框2), fonts.font(win32::FontChoice::outputBox));
  HWND status = createChild(window, win32::layoutOf(Control::透明标签3), fonts.font(win32::FontChoice::defaultGui));
  SendMessageW(box, EM_LIMITTEXT, 0, 0);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  handleEvents();

  std::vector<Clock::time_point> done(static_cast<std::size_t>(entries) + 1);
  // At the block edges only: each reading costs a little processor time itself.
  double processorAt[4] = {};
  const int edges[4] = {0, blockEntries, entries - blockEntries, entries};
  const double processorBefore = processorSeconds();
  processorAt[0] = processorBefore;
  done[0] = Clock::now();
  for (int entry = 1; entry <= entries; ++entry) {
    const int length = GetWindowTextLengthW(box);
    Edit_SetSel(box, length, length);
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(addressLine(entry).c_str()));
    SetWindowTextW(status, (L"当前生成个数：" + std::to_wstring(entry)).c_str());
    pause(20);
    done[static_cast<std::size_t>(entry)] = Clock::now();
    for (int edge = 1; edge < 4; ++edge) {
      if (entry == edges[edge]) processorAt[edge] = processorSeconds();
    }
  }
  EntryRun run;
  run.entries = entries;
  run.processor = processorSeconds() - processorBefore;
  run.wall = secondsBetween(done.front(), done.back());
  run.firstBlock = secondsBetween(done[0], done[blockEntries]);
  run.lastBlock = secondsBetween(done[static_cast<std::size_t>(entries - blockEntries)], done.back());
  run.firstBlockProcessor = processorAt[1] - processorAt[0];
  run.lastBlockProcessor = processorAt[3] - processorAt[2];
  DestroyWindow(window);
  std::printf("%d %.6f %.6f %.6f %.6f %.6f %.6f\n", run.entries, run.wall, run.processor, run.firstBlock,
              run.lastBlock, run.firstBlockProcessor, run.lastBlockProcessor);
  return 0;
}
