#include "window/author.h"

#include "framework/services.h"
#include "window/create_control.h"
#include "window/records.h"

using namespace window;

namespace {

// White, fixed, with a close button only; no menu bar of its own.
const WindowLook kAboutWindowLook{304, 149, "About the Author", false, 0, kWhite};

}  // namespace

Author& Author::Instance() {
  return ImplicitInstance<Author>();
}

void Author::Layout() {
  SetProperties(WindowRecord(kAboutWindowLook).Bytes());
}

void Author::CreateControls() {
  CreateControls0();
}

// From the top the window shows the program's name, "by", the author's name, then the button;
// the controls are created in the order of their index. This window's records are kept back to
// front (from InitialParent to Name), the reverse of the main window's records of the same
// classes; the framework reads a record's entries by name, so they give the same controls either
// way.
void Author::CreateControls0() {
  CreateControl<fw::Label>(
      *this, LabelRecord({"StaticText1", kWindow, 115, 64, 80, 21, 0}, "Pelvaro", true).Reversed());
  CreateControl<fw::PushButton>(*this,
                                PushButtonRecord({"PushButton1", kWindow, 27, 97, 257, 32, 2},
                                                 "Visit my web site for updates", false)
                                    .Reversed(),
                                &Author::PushButton1_Action);
  CreateControl<fw::Label>(
      *this,
      LabelRecord({"StaticText3", kWindow, 110, 13, 85, 20, 3}, "Tessimo", false).Reversed());
  CreateControl<fw::Label>(
      *this, LabelRecord({"StaticText4", kWindow, 141, 37, 49, 20, 4}, "by", false).Reversed());
}

void Author::PushButton1_Action(fw::PushButton& /*button*/) {
  fw::ShowURL(kAuthorWebAddress);
}
