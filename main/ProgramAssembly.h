#pragma once
// The program put together: what main() runs before start-up, and what the
// tests of the whole program run, so that they test the program main()
// starts.
namespace program {

// Installs the Qt platform (its dialogs, its desktop, its event pump), then
// registers the hosts of the window libraries: the channel window, the
// link's dialogs, the factory windows, the flash tools.
void AssembleProgram();

} // namespace program
