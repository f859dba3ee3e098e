#pragma once
// The message pump of the per-point loops: keeps the window responsive while
// long lists are parsed, converted and reported.

namespace calc {

// Dispatches the pending window messages on every 26th call (one counter for
// the whole process).
void VoEventLoop();

// What VoEventLoop calls to dispatch the pending messages; by default the
// application's dispatch of pending messages. Returns the previous one.
using MessageDispatcher = void (*)();
MessageDispatcher SetMessageDispatcher(MessageDispatcher dispatcher);

}  // namespace calc
