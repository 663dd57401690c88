#pragma once

// The run of the process, in order: the framework starts (RuntimeInit),
// initialize() creates the module data, Main() installs the exception helper,
// runs the early start-up, the framework's initialisation and the event loop,
// then finalize() releases the module data and the framework shuts down.

// Creates the module-level data: 26 empty letters, the directive list with one
// nil element.
void initialize();
// Releases the module-level data in its fixed order.
void finalize();

void Main();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();
