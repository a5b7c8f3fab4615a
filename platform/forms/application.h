#pragma once
// The running program's user interface: start, event loop, DoEvents, End and the title that
// message boxes carry. The program calls InitApplication first and Run last; tests need
// neither: the first screen, message box or dialog creates the application on demand, under
// the offscreen platform, with scripted answers (see script.h).
#include <string>

namespace forms {

// Creates the application with the program's command line.
void InitApplication(int& argc, char** argv);
// Runs the event loop until the last window closes; unloads every screen; returns the exit code.
// With VANTOR_SCREENSHOT=<file.png> in the environment the active window is saved to that
// file once the program has settled, and the program then ends.
int Run();

// Lets the user interface handle what is waiting (also installed as rt::DoEvents).
void DoEvents();

// Ends the program at once.
void End();

// The folder of the running program's file, whatever the working folder: where the files
// installed beside the program are found.
std::string AppPath();

// The application's title, the caption of message boxes without their own.
const std::string& AppTitle();

} // namespace forms
