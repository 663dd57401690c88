#pragma once

// Prints the Help window's text on numbered pages whose footers carry the time
// and date at which printing began, then closes the Help window (also when the
// print dialog was cancelled). Shared by the application's and the Help window's
// Print Help handlers; always true (the command is handled).
bool PrintHelp();
