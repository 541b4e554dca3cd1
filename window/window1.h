// The main window: both tabs, the hidden calculation history, the event and menu bindings, the
// input guards, the rounding check boxes, the eraser and File > Reset.
#pragma once

#include <string>

#include "calc/calc_window.h"
#include "framework/controls.h"
#include "framework/menus.h"

class Window1 : public calc::CalcWindow {
 public:
  // The open main window, created and built when none is open.
  static Window1& Instance();
  static constexpr const char* kClassName = "Window1.Window1";
  const char* ClassName() const override { return kClassName; }

  // Controls that no computing handler reads (the rest are reached through CalcWindow).
  fw::TabPanel& TabPanel1() const { return ControlAs<fw::TabPanel>("TabPanel1"); }
  fw::Separator& Separator1() const { return ControlAs<fw::Separator>("Separator1"); }
  fw::Separator& Separator2() const { return ControlAs<fw::Separator>("Separator2"); }
  fw::Separator& Separator3() const { return ControlAs<fw::Separator>("Separator3"); }
  fw::Separator& Separator4() const { return ControlAs<fw::Separator>("Separator4"); }
  fw::Separator& Separator5() const { return ControlAs<fw::Separator>("Separator5"); }
  fw::Separator& Separator6() const { return ControlAs<fw::Separator>("Separator6"); }
  fw::Label& StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
  fw::Label& StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
  fw::Label& StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
  fw::Label& StaticText4() const { return ControlAs<fw::Label>("StaticText4"); }
  fw::Label& StaticText5() const { return ControlAs<fw::Label>("StaticText5"); }
  fw::PushButton& PushButton2() const { return ControlAs<fw::PushButton>("PushButton2"); }
  fw::PushButton& PushButton3() const { return ControlAs<fw::PushButton>("PushButton3"); }
  fw::PushButton& PushButton4() const { return ControlAs<fw::PushButton>("PushButton4"); }
  fw::BevelButton& BevelButton1() const { return ControlAs<fw::BevelButton>("BevelButton1"); }
  fw::GroupBox& GroupBox1() const { return ControlAs<fw::GroupBox>("GroupBox1"); }
  fw::GroupBox& GroupBox2() const { return ControlAs<fw::GroupBox>("GroupBox2"); }

  // Control event handlers.
  bool numbottom1_KeyDown(fw::TextField& field, const std::string& key);
  bool numbottom2_KeyDown(fw::TextField& field, const std::string& key);
  bool topper_KeyDown(fw::TextField& field, const std::string& key);
  bool bottomer_KeyDown(fw::TextField& field, const std::string& key);
  void CheckBox1_Action(fw::CheckBox& box);
  void CheckBox2_Action(fw::CheckBox& box);
  void CheckBox3_Action(fw::CheckBox& box);
  void CheckBox4_Action(fw::CheckBox& box);
  void CheckBox5_Action(fw::CheckBox& box);
  void BevelButton1_Action(fw::BevelButton& button);

  // Menu items, found by name in the window's menu bar.
  fw::MenuItem& UntitledMenu4() const;
  fw::MenuItem& UntitledMenu0() const;
  fw::AppleMenuItem& UntitledMenu5() const;
  fw::AppleMenuItem& fraction() const;
  fw::MenuItem& UntitledMenu6() const;
  fw::MenuItem& EditClear() const;
  fw::MenuItem& EditPaste() const;
  fw::MenuItem& EditCopy() const;
  fw::MenuItem& EditCut() const;
  fw::MenuItem& UntitledMenu1() const;
  fw::MenuItem& EditUndo() const;
  fw::MenuItem& UntitledMenu2() const;
  fw::MenuItem& UntitledMenu7() const;
  fw::QuitMenuItem& FileQuit() const;
  fw::MenuItem& FileReset() const;
  fw::MenuItem& FileConversions() const;
  fw::MenuItem& FileClose() const;
  fw::MenuItem& UntitledMenu3() const;

  // Menu commands: About, File > Reset. Edit > Undo is CalcWindow::EditUndo_Action.
  bool fraction_Action();
  bool FileReset_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;
  void Event_Close() override;
  void Event_EnableMenuItems() override;

 public:
  // The two halves of CreateControls: controls 1 to 30 and 31 to 55. Public so tests can run
  // them one at a time on a window that is not built.
  void CreateControls0();
  void CreateControls1();

 private:
  // Empties the ten text fields of the Calculator tab (eraser and Reset).
  void ClearCalculatorTab();
};
