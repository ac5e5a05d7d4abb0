#include "actions/lookup_command.h"

#include "shell/platform.h"

namespace macbatch {

void runLookup() { platform().openInBrowser(lookupPageUrl); }

}  // namespace macbatch
