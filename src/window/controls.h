#pragma once
// The 25 controls of the main window and their initial states.
//
// The enumerators are in creation order: the reverse of the stacking order,
// labels included. The platform layout (places, sizes, styles) lives with the
// Win32 program; this table holds what every window implementation shares.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace macbatch {

enum class Control : std::uint8_t {
  按钮5,
  编辑框1,
  按钮1,
  编辑框2,
  按钮2,
  编辑框3,
  按钮3,
  编辑框4,
  编辑框5,
  透明标签1,
  透明标签2,
  透明标签3,
  透明标签4,
  组合框1,
  按钮4,
  分割编辑框,
  透明标签5,
  单选框1,
  单选框2,
  编辑框6,
  编辑框7,
  选择框1,
  选择框2,
  选择框3,
  按钮6,
};

inline constexpr std::size_t controlCount = 25;

enum class ControlKind : std::uint8_t {
  multiLineEdit,
  singleLineEdit,
  pushButton,
  checkBox,
  radioButton,
  comboBox,
  transparentLabel,
};

struct ControlModel {
  Control control;
  std::string_view name;
  ControlKind kind;
  std::string_view initialText;
  bool shown;
  bool enabled;
  bool checked;
};

inline constexpr std::string_view mainWindowTitle = "Mac批量生成   栖桐";

// Indexed by the enumerator's value.
extern const std::array<ControlModel, controlCount> controlModels;

constexpr std::size_t indexOf(Control control) { return static_cast<std::size_t>(control); }
const ControlModel& modelOf(Control control);

bool isEditBox(Control control);
bool isCheckable(Control control);  // check boxes and radio buttons

}  // namespace macbatch
