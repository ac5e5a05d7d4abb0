#include "commands/separator_toggle.h"

namespace macbatch {

void runSeparatorToggle(MainWindow& window) {
  if (window.isChecked(Control::单选框2)) window.setDisabled(Control::分割编辑框, false);
}

}  // namespace macbatch
