#pragma once
// Resource identifiers shared by the resource script and the code.

#define MACBATCH_MAIN_ICON 1
