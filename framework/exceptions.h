// Exceptions the framework raises. Handlers catch none of them: they travel to the event
// dispatch, which reports them and keeps the program running.
#pragma once

#include <stdexcept>
#include <string>

namespace fw {

class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  // The class name shown in the unhandled-exception report.
  virtual const char* ClassName() const noexcept { return "RuntimeException"; }
};

// Use of an object that is not there: a control or menu item missing under a name, a null picture.
class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const noexcept override { return "NilObjectException"; }
};

// A window, control, menu or message-box operation called off the main thread.
class ThreadAccessingUIException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const noexcept override { return "ThreadAccessingUIException"; }
};

// An object taken as a class it is not of (a control found by name converted to another class).
class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const noexcept override { return "IllegalCastException"; }
};

// A row or item index that does not exist.
class OutOfBoundsException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  const char* ClassName() const noexcept override { return "OutOfBoundsException"; }
};

}  // namespace fw
