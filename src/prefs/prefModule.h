#pragma once

// The main window's remembered position, kept in "tessarook.txt" in the user's
// preferences folder as directive lines ("#name text"; "'" starts a comment; any
// other line ends the directives). This module knows nothing of windows: the main
// window reads Window1Top and Window1Left after loadPrefs(), and installs the
// source of its current position that savePrefs() writes.

#include <functional>
#include <memory>
#include <utility>

#include "platform/base/Array.h"
#include "prefs/directiveClass.h"

namespace fw {
class FolderItem;
}

namespace prefModule {

using DirectiveList = fw::Array<std::shared_ptr<directiveClass>>;

// Every directive read during the run, from index 1 on; index 0 stays nil. Start-up
// creates the list with upper bound 0; it only grows.
extern std::shared_ptr<DirectiveList> gDirectives;

// The main window's position to apply; 0 until the first loadPrefs().
extern int Window1Top;
extern int Window1Left;

// Gives the main window's current (Top, Left). The main window installs it when it
// is created, which keeps window code out of this module.
using WindowPositionSource = std::function<std::pair<int, int>()>;
void SetWindowPositionSource(WindowPositionSource source);

// Appends the directives of the file `f` to gDirectives, up to the first line that
// is neither a directive nor a comment. True when the file could be opened (whatever
// it held), false when `f` is nil or cannot be opened. A nil gDirectives raises
// fw::NilObjectException.
bool extractDirectives(const fw::FolderItem* f);

// Sets Window1Top and Window1Left from the last "Window1Position" directive of the
// file; a file that holds none leaves them as they were. 70 and 10 when the file
// cannot be opened or there is no preferences folder.
void loadPrefs();

// Replaces the file by the single line "#Window1Position top,left", creating the
// preferences folder if needed. Nothing is written when there is no preferences
// folder, no position source, or the file cannot be written; the old file then
// stays as it was.
void savePrefs();

}  // namespace prefModule
