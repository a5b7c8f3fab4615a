#pragma once
// The program's first start on a machine: the control library beside the program registers
// itself when the registry does not know the control yet.
namespace 縦断bus {

// True when the control is registered (already, or now).
bool RegisterPellixLibrary();

} // namespace 縦断bus
