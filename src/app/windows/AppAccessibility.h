#pragma once
// The accessible roles of the program's own widgets that Qt cannot know:
// the main window is a frame, the Output dialog a dialog (both are plain
// widgets, which Qt would report as fillers) and "Online Help" a link.
namespace AppAccessibility {

// Installs the factory that gives them their interfaces (once; later calls do nothing).
void Install();

} // namespace AppAccessibility
