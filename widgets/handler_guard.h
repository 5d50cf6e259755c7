#pragma once
// The general error report: an overflow or an index out of range inside a
// handler ends that handler and shows a message box with the application
// title as caption and the error's text followed by a full stop; the program
// goes on.

#include "checked.h"

#include <utility>

void reportProgramError(const ProgramError &error);

template <class Handler>
void runGuarded(Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const ProgramError &error) {
        reportProgramError(error);
    }
}

// A slot that runs a handler of a window under the guard.
template <class Window, class... Args>
auto guarded(Window *window, void (Window::*handler)(Args...))
{
    return [window, handler](Args... args) { runGuarded([&] { (window->*handler)(args...); }); };
}
