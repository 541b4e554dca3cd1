// The About window: the program's name, its author, and a button that opens the author's web
// page. At most one is open at a time; it does not block the main window.
#pragma once

#include <string_view>

#include "framework/controls.h"
#include "framework/window.h"

// The author's web page, opened by the About window's button.
inline constexpr std::string_view kAuthorWebAddress = "https://pelvaro.example/tessimo";

class Author : public fw::Window {
 public:
  // The open About window, created and built when none is open.
  static Author& Instance();
  static constexpr const char* kClassName = "Author.Author";
  const char* ClassName() const override { return kClassName; }

  fw::Label& StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
  fw::PushButton& PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }
  fw::Label& StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
  fw::Label& StaticText4() const { return ControlAs<fw::Label>("StaticText4"); }

  // "Visit my web site for updates": opens the author's web page; the window stays open.
  void PushButton1_Action(fw::PushButton& button);

 protected:
  void Layout() override;
  void CreateControls() override;

 private:
  void CreateControls0();
};
