#include <windows.h>

#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return macbatch::win32::runApplication(instance);
}
