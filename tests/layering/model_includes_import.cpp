// Must not compile: the model layer reaching up into the import layer.
#include "import/ImportTransfer.h"
