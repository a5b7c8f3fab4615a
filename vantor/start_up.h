#pragma once
// The program's start-up up to its main window, shared by main() and the start-up benchmark.

namespace 縦断bus {

// Starts the forms and the desktop, installs the CAD products on first start, registers the
// control library beside the program and runs Main. The event loop is the caller's.
void StartVantor(int argc, char** argv);

} // namespace 縦断bus
