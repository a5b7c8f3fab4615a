#pragma once
// Runs the desktop's started programs on the user interface's event loop: whatever waits for
// the main thread on the desktop (messages, sent messages, due timers, process starts) is
// served by a queued call, the next timer re-arms a single-shot timer, and while the main
// thread waits inside the desktop the interface goes on handling its own events, so the
// programs' windows answer and repaint while the program is idle or waiting for them.
namespace forms {

// Once, after InitApplication.
void ServeDesktop();

} // namespace forms
