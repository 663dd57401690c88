#include "help/PrintHelp.h"

bool PrintHelp() { return true; }
