#pragma once

#include <functional>

// Runs `work` on the thread of the application object and returns when it has run: at once when
// called there, else through that thread's event loop (a worker then waits for it).
void runOnGuiThread(const std::function<void()>& work);
