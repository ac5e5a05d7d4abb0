#pragma once
// The fonts of the controls, alive as long as the controls that use them.

#include <windows.h>

#include "win32/layout.h"
#include "win32/unique_handle.h"

namespace macbatch::win32 {

class ControlFonts {
 public:
  ControlFonts();

  // A font that could not be made falls back to the default GUI font.
  HFONT font(FontChoice choice) const;

 private:
  UniqueFont outputBox_;
  UniqueFont singleAddress_;
};

}  // namespace macbatch::win32
