#include "commands/lookup_command.h"

#include "commands/desktop.h"

namespace macbatch {

void runLookup() { desktop().openInBrowser(lookupPageUrl); }

}  // namespace macbatch
