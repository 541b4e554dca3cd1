// Building the program's windows: the single-instance accessor of a window class, and creating
// one control of a window: make it, register it under its name, find it again by name, apply its
// record and, when it has one, bind its handler right away, before the next control.
#pragma once

#include <string>

#include "framework/window.h"
#include "window/records.h"

namespace window {

// The open window of class W, created and built when none is open.
template <class W>
W& ImplicitInstance() {
  fw::Window* open = fw::GetImplicitWindow(W::kClassName);
  if (open == nullptr) {
    W& created = fw::NewWindow<W>();
    created.Constructor();
    open = &created;
  }
  return fw::WindowAs<W>(open);
}

template <class C>
C& CreateControl(fw::Window& window, const fw::PropertyRecord& record) {
  const std::string name = record.StringEntry("Name");
  window.AddControl(name, window.New<C>());
  C& control = window.ControlAs<C>(name);
  control.SetProperties(record.Bytes());
  return control;
}

// The same, then the handler (a method of the window's class) goes on the control's event.
template <class C, class Handler>
void CreateControl(fw::Window& window, const fw::PropertyRecord& record, Handler handler) {
  window.AddEventHandler(CreateControl<C>(window, record), handler);
}

}  // namespace window
