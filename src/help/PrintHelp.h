#pragma once

// Prints the Help window's text; always true (the command is handled).
bool PrintHelp();
