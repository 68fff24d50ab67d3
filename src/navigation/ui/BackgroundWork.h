#pragma once

#include <functional>

// Runs `work` on a thread of its own and keeps the window's event loop going until it has
// finished, so that long database work neither freezes the window nor returns before its result
// is there. Work that shows messages or touches widgets does so through runOnGuiThread. False
// (and nothing run) while other such work is still going, as the loop would let it start again.
bool runInBackground(const std::function<void()>& work);
// Whether runInBackground is waiting for work.
bool isBackgroundWorkRunning();
