#pragma once
// Start-up: process set-up and the entry procedure that shows the main window.

namespace Module3 {

// Application and organisation names (they fix the per-user folders).
void SetUpNames();
// Maps the windows' stored font families to families this desktop has.
void SetUpFonts();
// Puts the desktop's shell and the real file system in place.
void SetUpPlatform();

// The entry procedure: creates the application and shows Form1; returns the
// process exit code when the main window has gone.
int Main(int argc, char** argv);

} // namespace Module3
