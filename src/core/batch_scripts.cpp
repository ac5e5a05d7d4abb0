#include "core/batch_scripts.h"

namespace macbatch {

Text dropSeparatorBeforeSuffix(std::string_view text) { return replaceText(text, "\",\"\")", "\")"); }

}  // namespace macbatch
