#include "window/controls.h"

#include "core/batch_scripts.h"

namespace macbatch {
namespace {

using enum Control;
using enum ControlKind;

constexpr std::array<ControlModel, controlCount> makeModels() {
  // control, name, kind, initial text, shown, enabled, checked
  return {{
      {按钮5, "按钮5", pushButton, "随机厂商", true, true, false},
      {编辑框1, "编辑框1", singleLineEdit, "", true, true, false},
      {按钮1, "按钮1", pushButton, "随机生成MAC地址", true, true, false},
      {编辑框2, "编辑框2", multiLineEdit, "", true, true, false},
      {按钮2, "按钮2", pushButton, "随机", true, false, false},
      {编辑框3, "编辑框3", singleLineEdit, "20", true, true, false},
      {按钮3, "按钮3", pushButton, "复制", true, true, false},
      {编辑框4, "编辑框4", singleLineEdit, "", true, true, false},
      {编辑框5, "编辑框5", singleLineEdit, "", true, true, false},
      {透明标签1, "透明标签1", transparentLabel, "前", true, true, false},
      {透明标签2, "透明标签2", transparentLabel, "后", true, true, false},
      {透明标签3, "透明标签3", transparentLabel, "MAC批量生成", true, true, false},
      {透明标签4, "透明标签4", transparentLabel, "个数：", true, true, false},
      {组合框1, "组合框1", comboBox, ":", false, true, false},
      {按钮4, "按钮4", pushButton, "按钮", false, true, false},
      {分割编辑框, "分割编辑框", singleLineEdit, initialSeparator, true, false, false},
      {透明标签5, "透明标签5", transparentLabel, "分割符号:", true, true, false},
      {单选框1, "单选框1", radioButton, "单行显示", true, true, true},
      {单选框2, "单选框2", radioButton, "连续显示", true, true, false},
      {编辑框6, "编辑框6", multiLineEdit, initialPrefixScript, true, true, false},
      {编辑框7, "编辑框7", multiLineEdit, initialSuffixScript, true, true, false},
      {选择框1, "选择框1", checkBox, "前缀", false, true, false},
      {选择框2, "选择框2", checkBox, "后缀", false, true, false},
      {选择框3, "选择框3", checkBox, "前后缀", true, true, false},
      {按钮6, "按钮6", pushButton, "查询", true, true, false},
  }};
}

constexpr bool indexedByEnumerator(const std::array<ControlModel, controlCount>& models) {
  for (std::size_t i = 0; i < models.size(); ++i) {
    if (indexOf(models[i].control) != i) return false;
  }
  return true;
}

}  // namespace

constexpr std::array<ControlModel, controlCount> controlModels = makeModels();
static_assert(indexedByEnumerator(controlModels), "rows must follow the enumerators");

const ControlModel& modelOf(Control control) { return controlModels[indexOf(control)]; }

bool isEditBox(Control control) {
  const ControlKind kind = modelOf(control).kind;
  return kind == multiLineEdit || kind == singleLineEdit;
}

bool isCheckable(Control control) {
  const ControlKind kind = modelOf(control).kind;
  return kind == checkBox || kind == radioButton;
}

}  // namespace macbatch
