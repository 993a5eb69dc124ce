#pragma once
// "Module3" in earlier versions: process set-up and the entry procedure that
// shows the main window.

class TerminationSignals;
class ZipRunService;

namespace Startup {

// Application and organisation names (they fix the per-user folders).
void SetUpNames();
// Maps the windows' stored font families to families this desktop has.
void SetUpFonts();

// The translations the desktop's language settings ask for (Translations::Install).
void SetUpLanguage();

// Installs what a screen reader sees of the owner-drawn controls.
void SetUpAccessibility();

// Deletes what an earlier process left behind (ZipRunService::RemoveLeftovers);
// what could not be deleted is named on standard error.
void RemoveLeftovers(ZipRunService& run);

// On SIGTERM, SIGINT or SIGHUP, from the event loop: the run stopped, its
// temporary archive and the staging folders deleted (as closing the window
// does, without a message box nobody may be there to close), then the event
// loops left. `termination.Received()` tells afterwards which signal it was.
void EndOnTerminationSignals(TerminationSignals& termination, ZipRunService& run);

// Creates the application, the zip run service and the main window; returns
// the process exit code when the main window has gone, or ends the process
// by the signal that ended the program, once everything is cleaned up.
int Run(int argc, char** argv);

} // namespace Startup
