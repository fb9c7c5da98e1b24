// Compiles: a file of the model layer reaches its own layer and the layers below.
#include "formats/PaperDefinition.h"
#include "model/PaperCatalog.h"
