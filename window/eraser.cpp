#include "window/eraser.h"

std::shared_ptr<fw::Picture> eraser() {
  static std::shared_ptr<fw::Picture> cache;
  if (cache == nullptr) cache = fw::Picture::OpenFromApp("eraser");
  return cache;
}
