// Template bodies of window.h.
#pragma once

#include <string>
#include <typeinfo>
#include <utility>

namespace fw {

namespace detail {
// Hands a new window to the framework, which holds it while it is open.
void AdoptWindow(std::unique_ptr<Window> window);
[[noreturn]] void ThrowNoControl(std::string_view name);
[[noreturn]] void ThrowWrongClass(std::string_view name, const char* actual, const char* wanted);
}  // namespace detail

template <class C>
C& Window::ControlAs(std::string_view name) const {
  Control* control = ControlByName(name);
  if (control == nullptr) detail::ThrowNoControl(name);
  C* typed = dynamic_cast<C*>(control);
  if (typed == nullptr) detail::ThrowWrongClass(name, control->ClassName(), typeid(C).name());
  return *typed;
}

template <class W, class C>
void Window::AddEventHandler(C& control, void (W::*handler)(C&)) {
  W& self = WindowAs<W>(this);
  control.AddActionHandler([&self, &control, handler] { (self.*handler)(control); });
}

template <class W>
void Window::AddEventHandler(TextField& control,
                             bool (W::*handler)(TextField&, const std::string&)) {
  W& self = WindowAs<W>(this);
  control.AddKeyDownHandler([&self, handler](TextField& field, const std::string& key) {
    return (self.*handler)(field, key);
  });
}

template <class W>
W& NewWindow() {
  auto window = std::make_unique<W>();
  W& ref = *window;
  detail::AdoptWindow(std::move(window));
  return ref;
}

template <class W>
W& WindowAs(Window* window) {
  if (window == nullptr) throw NilObjectException("no window");
  W* typed = dynamic_cast<W*>(window);
  if (typed == nullptr) {
    throw IllegalCastException(std::string("window ") + window->ClassName() + " is not a " +
                               typeid(W).name());
  }
  return *typed;
}

}  // namespace fw
