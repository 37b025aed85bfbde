// A frame reaching up into the shell that starts it.
#include "app/shell/TessaryApp.h"
