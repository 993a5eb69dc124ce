#pragma once
// "Module3" in earlier versions: process set-up and the entry procedure that
// shows the main window.

namespace Startup {

// Application and organisation names (they fix the per-user folders).
void SetUpNames();
// Maps the windows' stored font families to families this desktop has.
void SetUpFonts();

// Installs what a screen reader sees of the owner-drawn controls.
void SetUpAccessibility();

// Creates the application, the zip run service and the main window; returns
// the process exit code when the main window has gone.
int Run(int argc, char** argv);

} // namespace Startup
