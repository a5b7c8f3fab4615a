#pragma once
// How the forms layer calls a screen's event handlers (forms layer only).
//
// An event the toolkit reports (a click, a key, a mouse move, a change typed by the user, a
// focus change, a window closed) reaches its handler through Dispatch. An error escaping the
// handler ends that event, not the program: the run-time error box tells the user what went
// wrong, and the error never unwinds through the toolkit's own frames.
//
// A change the program makes itself (setting a text, a value, the focus) runs inside
// FromCode. Events the toolkit reports while the change is made are held back and their
// handlers run once the toolkit call has returned, so an error in them reaches the program's
// own caller, as it would from a handler called directly.
#include <functional>

namespace forms::internal {

void Dispatch(std::function<void()> handler);
void FromCode(const std::function<void()>& change);

} // namespace forms::internal
