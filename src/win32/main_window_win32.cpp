#include "win32/main_window_win32.h"

#include <windowsx.h>

#include <cassert>

#include "win32/edit_text.h"
#include "win32/fatal_report.h"
#include "win32/layout.h"
#include "win32/pause.h"
#include "win32/resource.h"
#include "win32/wide_text.h"

namespace macbatch::win32 {
namespace {

constexpr const wchar_t* windowClassName = L"MacbatchMainWindow";
constexpr int windowBackground = COLOR_BTNFACE;

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(MACBATCH_MAIN_ICON));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(MACBATCH_MAIN_ICON),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(windowBackground + 1));
  windowClass.lpszClassName = windowClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void applyKindLook(HWND handle, const ControlModel& model) {
  switch (model.kind) {
    case ControlKind::multiLineEdit:
    case ControlKind::singleLineEdit:
      SendMessageW(handle, EM_LIMITTEXT, 0, 0);
      break;
    case ControlKind::checkBox:
    case ControlKind::radioButton:
      Button_SetCheck(handle, model.checked ? BST_CHECKED : BST_UNCHECKED);
      break;
    case ControlKind::comboBox: {
      for (const wchar_t* item : {L":", L"-", L"无"}) ComboBox_AddString(handle, item);
      const int itemHeight = ComboBox_GetItemHeight(handle);
      SendMessageW(handle, CB_SETITEMHEIGHT, 0, itemHeight + 1);
      ComboBox_LimitText(handle, 0);
      SetWindowTextW(handle, toWide(model.initialText).c_str());
      ComboBox_SetEditSel(handle, 0, 0);
      break;
    }
    case ControlKind::pushButton:
    case ControlKind::transparentLabel:
      break;
  }
}

}  // namespace

Win32MainWindow::Win32MainWindow(const ClickBindings& bindings) : bindings_(bindings) {}

Win32MainWindow::~Win32MainWindow() {
  if (window_) DestroyWindow(window_);
}

bool Win32MainWindow::create(HINSTANCE instance) {
  assert(!window_ && "one window per object");
  if (!registerWindowClass(instance, procedure)) return false;
  const WindowLayout& layout = mainWindowLayout;
  // The full screen, not the work area.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - layout.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - layout.height) / 2;
  const std::wstring title = toWide(mainWindowTitle);
  if (!CreateWindowExW(layout.exStyle, windowClassName, title.c_str(), layout.style, left, top, layout.width,
                       layout.height, nullptr, nullptr, instance, this)) {
    return false;
  }
  SetWindowPos(window_, nullptr, 0, 0, layout.width, layout.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!createControls(instance)) {
    DestroyWindow(window_);
    return false;
  }
  stackControls();
  showControls();
  return true;
}

bool Win32MainWindow::createControls(HINSTANCE instance) {
  for (const ControlLayout& row : controlLayouts) {
    const ControlModel& model = modelOf(row.control);
    const DWORD style = row.style | (model.enabled ? 0 : WS_DISABLED);
    const std::wstring text = toWide(model.initialText);
    const Placement& place = row.place;
    HWND handle = CreateWindowExW(
        row.exStyle, row.className, text.c_str(), style, place.left, place.top, place.width, place.height,
        window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row.control))), instance, nullptr);
    if (!handle) return false;
    controls_[indexOf(row.control)] = handle;
    SetWindowFont(handle, fonts_.font(row.font), FALSE);
    applyKindLook(handle, model);
  }
  return true;
}

// Windows puts each new child at the bottom, so the creation loop left the
// order reversed; restack from the top down.
void Win32MainWindow::stackControls() {
  HWND above = HWND_TOP;
  for (auto row = controlLayouts.rbegin(); row != controlLayouts.rend(); ++row) {
    HWND handle = controlHandle(row->control);
    SetWindowPos(handle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = handle;
  }
}

void Win32MainWindow::showControls() {
  for (const ControlModel& model : controlModels) {
    ShowWindow(controlHandle(model.control), model.shown ? SW_SHOWNA : SW_HIDE);
  }
}

void Win32MainWindow::show() {
  if (!window_) return;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
}

void Win32MainWindow::close() {
  if (window_) SendMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::optional<Control> Win32MainWindow::controlOf(HWND handle) const {
  if (!window_ || !handle) return std::nullopt;
  for (const ControlModel& model : controlModels) {
    if (controlHandle(model.control) == handle) return model.control;
  }
  // Only then the parts of controls: under Wine each IsChild asks its server,
  // and every label drawn asks for its control here.
  for (const ControlModel& model : controlModels) {
    if (IsChild(controlHandle(model.control), handle)) return model.control;
  }
  return std::nullopt;
}

bool Win32MainWindow::takesFocus(Control control) const {
  if (!window_) return false;
  HWND handle = controlHandle(control);
  return (GetWindowStyle(handle) & WS_VISIBLE) && IsWindowEnabled(handle);
}

void Win32MainWindow::notifyClick(Control control) {
  if (!window_) return;
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(controlId(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(controlHandle(control)));
}

LRESULT CALLBACK Win32MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return self->handleMessage(window, message, wParam, lParam);
}

LRESULT Win32MainWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(GET_WM_COMMAND_ID(wParam, lParam), GET_WM_COMMAND_HWND(wParam, lParam),
                GET_WM_COMMAND_CMD(wParam, lParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush = onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ACTIVATE:
      if (onActivate(LOWORD(wParam), HIWORD(wParam) != 0)) return 0;
      break;
    case WM_SETFOCUS:
      onSetFocus();
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Win32MainWindow::onCommand(int id, HWND source, UINT code) {
  if (code != BN_CLICKED || !source) return;
  const int index = id - firstControlId;
  if (index < 0 || index >= static_cast<int>(controlCount)) return;
  const Control control = controlModels[static_cast<std::size_t>(index)].control;
  if (fatalReportStarted()) return;
  bindings_.run(control);
}

// Nothing but the window's own background lies beneath a transparent label
// (the layout test holds the labels clear of the other controls), so the
// label paints that background itself: a new caption then replaces the old
// one when the label alone is drawn again, at a fraction of the cost of
// drawing the window beneath it first, which every entry of a batch would pay.
HBRUSH Win32MainWindow::onCtlColorStatic(HDC dc, HWND source) {
  const std::optional<Control> control = controlOf(source);
  if (!control || modelOf(*control).kind != ControlKind::transparentLabel) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  return GetSysColorBrush(windowBackground);
}

// True when the focus has been placed here and the default handling, which
// would focus the window itself, must not run.
bool Win32MainWindow::onActivate(UINT state, bool minimized) {
  if (state == WA_INACTIVE) {
    if (const std::optional<Control> focused = controlOf(GetFocus())) lastFocus_ = focused;
    return false;
  }
  if (minimized) return false;
  restoreFocus();
  return true;
}

// Reached when the window itself gets the focus, as after a restore from
// the task bar.
void Win32MainWindow::onSetFocus() { restoreFocus(); }

void Win32MainWindow::restoreFocus() {
  if (lastFocus_ && takesFocus(*lastFocus_)) {
    SetFocus(controlHandle(*lastFocus_));
    return;
  }
  for (Control control : focusOrder) {
    if (takesFocus(control)) {
      SetFocus(controlHandle(control));
      return;
    }
  }
}

void Win32MainWindow::onDestroy() {
  window_ = nullptr;
  controls_.fill(nullptr);
  PostQuitMessage(0);
}

Text Win32MainWindow::readText(Control control) {
  if (!window_) return {};
  HWND handle = controlHandle(control);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
  return toUtf8(text);
}

void Win32MainWindow::writeText(Control control, std::string_view text) {
  if (!window_) return;
  HWND handle = controlHandle(control);
  const std::wstring wide = toWide(text);
  if (modelOf(control).kind == ControlKind::multiLineEdit) {
    replaceMultiLineText(handle, wide);
  } else {
    SetWindowTextW(handle, wide.c_str());
  }
  if (isEditBox(control)) Edit_SetSel(handle, 0, 0);
}

int Win32MainWindow::isChecked(Control control) {
  if (!window_) return 0;
  return Button_GetCheck(controlHandle(control)) == BST_CHECKED ? 1 : 0;
}

void Win32MainWindow::setDisabled(Control control, bool disabled) {
  if (!window_) return;
  EnableWindow(controlHandle(control), !disabled);
}

void Win32MainWindow::appendText(Control control, std::string_view text) {
  assert(isEditBox(control) && "only an edit box takes appended text");
  if (!window_) return;
  HWND handle = controlHandle(control);
  const int length = GetWindowTextLengthW(handle);
  Edit_SetSel(handle, length, length);
  const std::wstring wide = toWide(text);
  if (modelOf(control).kind == ControlKind::multiLineEdit) {
    // The replacement scrolls the caret into view, and the end of a
    // multi-line box lies below whatever it shows.
    replaceMultiLineSelection(handle, wide);
  } else {
    Edit_ScrollCaret(handle);
    SendMessageW(handle, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

WindowState Win32MainWindow::pauseWithEvents(std::int32_t milliseconds) {
  return win32::pauseWithEvents(*this, milliseconds);
}

}  // namespace macbatch::win32
