// The application's menu bar: File and Edit between two empty top-level menus. One instance
// serves the application and the main window alike.
#pragma once

#include <memory>

#include "framework/menus.h"

class Menu : public fw::MenuBar {
 public:
  // The single menu bar, built on the first request and kept until the program ends. A build
  // that raises stores nothing, and the next request builds afresh.
  static std::shared_ptr<Menu> Instance();

  const char* ClassName() const override { return "Menu"; }

  // Builds the whole tree: Untitled0 to Untitled3, each one top-level menu with its items.
  void Constructor();
  void Untitled0();
  void Untitled1();
  void Untitled2();
  void Untitled3();
};
