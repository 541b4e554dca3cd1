// Creating one control of a window: make it, register it under its name, find it again by name,
// apply its record and, when it has one, bind its handler right away, before the next control.
#pragma once

#include <string>

#include "framework/window.h"
#include "window/records.h"

namespace window {

template <class C>
C& CreateControl(fw::Window& window, const RecordEntries& record) {
  const std::string name = record.Name();
  window.AddControl(name, window.New<C>());
  C& control = window.ControlAs<C>(name);
  control.SetProperties(record.Bytes());
  return control;
}

// The same, then the handler (a method of the window's class) goes on the control's event.
template <class C, class Handler>
void CreateControl(fw::Window& window, const RecordEntries& record, Handler handler) {
  CreateControl<C>(window, record);
  window.AddEventHandler(window.ControlAs<C>(record.Name()), handler);
}

}  // namespace window
