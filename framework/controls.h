// Controls of a window. Each keeps its state where the toolkit keeps it (a text field's text,
// a check box's state, a pop-up's selection), so what the user sees and what a handler reads
// are one thing. Every operation raises ThreadAccessingUIException off the main thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/property_record.h"

namespace fw {

class Window;
class Picture;
struct ControlImpl;

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // The class name, as the property types and the registry know it ("TextField", ...).
  virtual const char* ClassName() const = 0;
  // The property names and types this class declares (what its records may set).
  virtual const PropertyTypes& DeclaredProperties() const = 0;

  // The name it was registered under ("" before registration).
  const std::string& Name() const;
  Window& OwnerWindow() const;
  // Every property applied by records so far, as decoded.
  const PropertyValues& Properties() const;

  // Applies a record: stores the values and gives them effect (geometry in window
  // coordinates, parent and tab page, texts, colours, flags).
  void SetProperties(std::string_view record);

  ControlImpl& Impl() const { return *impl_; }

 protected:
  Control(Window& owner, std::unique_ptr<ControlImpl> impl);

 private:
  friend class Window;
  std::unique_ptr<ControlImpl> impl_;
};

// A control with a place in the window.
class RectControl : public Control {
 public:
  void SetFocus();
  bool Visible() const;
  bool Enabled() const;
  std::int64_t Left() const;
  std::int64_t Top() const;
  std::int64_t Width() const;
  std::int64_t Height() const;

 protected:
  using Control::Control;
};

class TextField : public RectControl {
 public:
  explicit TextField(Window& owner);
  const char* ClassName() const override { return "TextField"; }
  const PropertyTypes& DeclaredProperties() const override;

  std::string Text() const;
  // Replaces the whole text; runs no key filter. A field without the focus then shows the text
  // from its first character; the focused one keeps the insertion point after it.
  void SetText(std::string_view text);
  bool ReadOnly() const;

  // KeyDown: called with the field and the key's text before the key is applied; returning
  // true consumes the key, false lets it through to the text as the handler left it.
  using KeyDownHandler = std::function<bool(TextField&, const std::string&)>;
  void AddKeyDownHandler(KeyDownHandler handler);
};

class Label : public RectControl {
 public:
  explicit Label(Window& owner);
  const char* ClassName() const override { return "Label"; }
  const PropertyTypes& DeclaredProperties() const override;
  std::string Text() const;
};

// Buttons and check boxes share the Action event: a press, or a check box's new value.
class ActionControl : public RectControl {
 public:
  using ActionHandler = std::function<void()>;
  void AddActionHandler(ActionHandler handler);

 protected:
  using RectControl::RectControl;
};

class PushButton : public ActionControl {
 public:
  explicit PushButton(Window& owner);
  const char* ClassName() const override { return "PushButton"; }
  const PropertyTypes& DeclaredProperties() const override;
  std::string Caption() const;
  // The window's default button is pressed by Return while it is shown.
  bool Default() const;
};

class BevelButton : public ActionControl {
 public:
  explicit BevelButton(Window& owner);
  const char* ClassName() const override { return "BevelButton"; }
  const PropertyTypes& DeclaredProperties() const override;
  std::string Caption() const;
  void SetIcon(std::shared_ptr<Picture> icon);
  std::shared_ptr<Picture> Icon() const;
};

class CheckBox : public ActionControl {
 public:
  explicit CheckBox(Window& owner);
  const char* ClassName() const override { return "CheckBox"; }
  const PropertyTypes& DeclaredProperties() const override;
  std::string Caption() const;
  bool Value() const;
  // Setting the value from code raises no Action.
  void SetValue(bool value);
};

class PopupMenu : public RectControl {
 public:
  explicit PopupMenu(Window& owner);
  const char* ClassName() const override { return "PopupMenu"; }
  const PropertyTypes& DeclaredProperties() const override;
  // Selected row, from 0; -1 when none.
  std::int64_t ListIndex() const;
  // -1 selects none; any other index outside the rows raises OutOfBoundsException.
  void SetListIndex(std::int64_t index);
  // Text of the selected row, "" when none.
  std::string Text() const;
  std::int64_t ListCount() const;
  std::string List(std::int64_t row) const;
};

class GroupBox : public RectControl {
 public:
  explicit GroupBox(Window& owner);
  const char* ClassName() const override { return "GroupBox"; }
  const PropertyTypes& DeclaredProperties() const override;
  std::string Caption() const;
};

// Tabs over pages. A tab newly selected in an open window (clicked, chosen with Ctrl+Tab or
// Ctrl+Shift+Tab, or set from code) gives the keyboard focus to the first control of its page.
class TabPanel : public RectControl {
 public:
  explicit TabPanel(Window& owner);
  const char* ClassName() const override { return "TabPanel"; }
  const PropertyTypes& DeclaredProperties() const override;
  // Selected tab, from 0.
  std::int64_t Value() const;
  void SetValue(std::int64_t tab);
  std::int64_t TabCount() const;
  std::string TabText(std::int64_t tab) const;
};

class Separator : public RectControl {
 public:
  explicit Separator(Window& owner);
  const char* ClassName() const override { return "Separator"; }
  const PropertyTypes& DeclaredProperties() const override;
};

// A list of rows with one text column. The window's lists are hidden stores, so the rows live
// in memory only.
class Listbox : public RectControl {
 public:
  explicit Listbox(Window& owner);
  const char* ClassName() const override { return "Listbox"; }
  const PropertyTypes& DeclaredProperties() const override;
  // Appends one row; its column 0 holds the first text (an empty list gives an empty text).
  void AddRow(const std::vector<std::string>& texts);
  // Column-0 text of a row; raises OutOfBoundsException for a row that does not exist.
  const std::string& List(std::int64_t row) const;
  // Raises OutOfBoundsException for a row that does not exist.
  void RemoveRow(std::int64_t row);
  std::int64_t ListCount() const;
};

}  // namespace fw
