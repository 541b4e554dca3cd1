// The picture "eraser", the icon of the Calculator tab's clear button.
#pragma once

#include <memory>

#include "framework/services.h"

// The picture, loaded from the application's resources on first use and kept for the rest of the
// run; null while it cannot be loaded (every call then tries again).
std::shared_ptr<fw::Picture> eraser();
