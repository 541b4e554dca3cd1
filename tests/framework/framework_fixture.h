// A window class whose hooks tests fill in, record helpers, and a fixture that records message
// boxes and closes every window afterwards so all tests can also run in one process.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/property_record.h"
#include "framework/testing.h"
#include "framework/window.h"

class TestWindow : public fw::Window {
 public:
  const char* ClassName() const override { return className.c_str(); }

  // Creates a control of class C, registers it under `name` and applies `record`.
  template <class C>
  C& Add(const std::string& name, const fw::PropertyRecord& record) {
    AddControl(name, New<C>());
    C& control = ControlAs<C>(name);
    control.SetProperties(record.Bytes());
    return control;
  }

  std::string className = "TestWindow";
  std::function<void(TestWindow&)> layout;
  std::function<void(TestWindow&)> createControls;
  std::function<void(TestWindow&)> addMenuHandlers;
  std::function<void()> onClose;
  std::function<void()> onEnableMenuItems;
  std::vector<std::string> hooks;  // the hooks and events in the order they ran
  int closes = 0;
  int menuUpdates = 0;

 protected:
  void Layout() override {
    hooks.push_back("Layout");
    if (layout) layout(*this);
  }
  void CreateControls() override {
    hooks.push_back("CreateControls");
    if (createControls) createControls(*this);
  }
  void AddMenuHandlers() override {
    hooks.push_back("AddMenuHandlers");
    if (addMenuHandlers) addMenuHandlers(*this);
  }
  void Event_Close() override {
    ++closes;
    if (onClose) onClose();
  }
  void Event_EnableMenuItems() override {
    hooks.push_back("EnableMenuItems");
    ++menuUpdates;
    if (onEnableMenuItems) onEnableMenuItems();
  }
};

// The entries every control record of the program starts with, placed in window coordinates.
inline fw::PropertyRecord Placed(int left, int top, int width, int height,
                                 const std::string& parent = "", int tab = 0) {
  fw::PropertyRecord record;
  record.Integer("Index", -2147483648LL)
      .Integer("Left", left)
      .Integer("Top", top)
      .Integer("Width", width)
      .Integer("Height", height)
      .String("InitialParent", parent)
      .Integer("TabPanelIndex", tab)
      .Boolean("Visible", true)
      .Boolean("Enabled", true);
  return record;
}

// A window record: not resizable, visible.
inline fw::PropertyRecord WindowRecord(int width, int height, const std::string& title) {
  fw::PropertyRecord record;
  record.Integer("Width", width)
      .Integer("Height", height)
      .String("Title", title)
      .Boolean("Resizeable", false)
      .Boolean("Visible", true);
  return record;
}

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fw::testing::SetMsgBoxObserver([this](const std::string& text) { messages.push_back(text); });
  }

  void TearDown() override {
    for (fw::Window* open : fw::OpenWindows()) open->Close();
    fw::testing::ProcessEvents();
    fw::testing::SetMsgBoxObserver(nullptr);
    fw::testing::SetShowURLObserver(nullptr);
  }

  // Builds and opens a window through the framework: `build` runs as its CreateControls.
  TestWindow& Open(std::function<void(TestWindow&)> build,
                   const fw::PropertyRecord& record = WindowRecord(300, 200, "Test")) {
    TestWindow& window = fw::NewWindow<TestWindow>();
    const std::string bytes = record.Bytes();
    window.layout = [bytes](TestWindow& self) { self.SetProperties(bytes); };
    window.createControls = std::move(build);
    window.Constructor();
    return window;
  }

  std::vector<std::string> messages;
};
