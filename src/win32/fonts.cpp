#include "win32/fonts.h"

#include <cwchar>

namespace macbatch::win32 {
namespace {

UniqueFont makeFont(int characterHeight, const wchar_t* face) {
  LOGFONTW description{};
  description.lfHeight = -characterHeight;  // negative: the character height, not the cell's
  description.lfWeight = FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = PROOF_QUALITY;
  std::wcsncpy(description.lfFaceName, face, LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&description));
}

}  // namespace

ControlFonts::ControlFonts() : outputBox_(makeFont(29, L"")), singleAddress_(makeFont(35, L"宋体")) {}

HFONT ControlFonts::font(FontChoice choice) const {
  const UniqueFont* own = nullptr;
  if (choice == FontChoice::outputBox) own = &outputBox_;
  if (choice == FontChoice::singleAddress) own = &singleAddress_;
  if (own && *own) return own->get();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace macbatch::win32
