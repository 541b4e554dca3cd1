// The application class. Its one object carries the version data and the menu bar; it handles
// no events of its own.
#pragma once

#include "framework/application.h"

class Tessimo : public fw::Application {
 public:
  void Constructor() override {}
};
