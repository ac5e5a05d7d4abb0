// Reads macbatch's window from another process in the same Wine prefix, as
// an accessibility tool would: the texts of the controls, which boxes are
// checked, whether the separator box is enabled and where the focus is. The
// stress test keeps one running and asks through standard input:
//
//   window_probe        then "read" lines in, one JSON line out for each;
//                       any other line, or the end of input, ends it.
//
// Each text is asked for with a time limit, so a program that no longer
// handles its messages shows as {"ok": false, "error": "no answer"}.

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "win32/layout.h"
#include "win32/wide_text.h"
#include "window/controls.h"

namespace {

using namespace macbatch;
using enum Control;

constexpr UINT answerMilliseconds = 5000;

std::string jsonString(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      static constexpr char hex[] = "0123456789abcdef";
      quoted += "\\u00";
      quoted += hex[byte >> 4];
      quoted += hex[byte & 15];
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::optional<LRESULT> ask(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, answerMilliseconds,
                           &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

std::optional<std::string> textOf(HWND control) {
  const std::optional<LRESULT> length = ask(control, WM_GETTEXTLENGTH);
  if (!length) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
  const std::optional<LRESULT> copied =
      ask(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  if (!copied) return std::nullopt;
  text.resize(static_cast<std::size_t>(*copied));
  return win32::toUtf8(text);
}

std::string failure(std::string_view error) {
  return "{\"ok\": false, \"error\": " + jsonString(error) + "}";
}

std::string focusName(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) return "null";
  for (const ControlModel& model : controlModels) {
    HWND control = GetDlgItem(window, win32::controlId(model.control));
    if (control == info.hwndFocus || IsChild(control, info.hwndFocus)) return jsonString(model.name);
  }
  return info.hwndFocus == window ? "\"window\"" : "null";
}

std::string snapshot() {
  HWND window = FindWindowW(L"MacbatchMainWindow", nullptr);
  if (!window) return failure("no window");
  const auto control = [window](Control c) { return GetDlgItem(window, win32::controlId(c)); };

  std::string json = "{\"ok\": true";
  const std::array<std::pair<const char*, Control>, 6> texts{{{"status", 透明标签3},
                                                              {"box", 编辑框2},
                                                              {"count", 编辑框3},
                                                              {"separator", 分割编辑框},
                                                              {"prefix", 编辑框6},
                                                              {"suffix", 编辑框7}}};
  for (const auto& [key, c] : texts) {
    const std::optional<std::string> text = textOf(control(c));
    if (!text) return failure("no answer");
    json += std::string(", \"") + key + "\": " + jsonString(*text);
  }
  for (const Control c : {单选框1, 单选框2, 选择框3}) {
    const std::optional<LRESULT> checked = ask(control(c), BM_GETCHECK);
    if (!checked) return failure("no answer");
    json += ", " + jsonString(modelOf(c).name) + ": " + (*checked == BST_CHECKED ? "true" : "false");
  }
  json += std::string(", \"separatorEnabled\": ") + (IsWindowEnabled(control(分割编辑框)) ? "true" : "false");
  json += ", \"focus\": " + focusName(window);
  return json + "}";
}

void writeLine(HANDLE output, const std::string& line) {
  const std::string bytes = line + "\n";
  DWORD written = 0;
  WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// One request line, without its line end; nothing at the end of the input.
std::optional<std::string> readLine(HANDLE input) {
  std::string line;
  char c;
  DWORD read = 0;
  while (ReadFile(input, &c, 1, &read, nullptr) && read == 1) {
    if (c == '\n') return line;
    if (c != '\r') line += c;
  }
  if (line.empty()) return std::nullopt;
  return line;
}

}  // namespace

int main() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  while (const std::optional<std::string> request = readLine(input)) {
    if (*request != "read") break;
    writeLine(output, snapshot());
  }
  return 0;
}
