// Template bodies of menus.h.
#pragma once

#include <string>

#include "framework/exceptions.h"

namespace fw {

template <class T>
T& LookupAs(MenuItem* root, std::string_view name) {
  if (root == nullptr) throw NilObjectException("no menu bar to look up " + std::string(name));
  MenuItem* item = root->Lookup(name);
  if (item == nullptr) throw NilObjectException("no menu item named " + std::string(name));
  T* typed = dynamic_cast<T*>(item);
  if (typed == nullptr) {
    throw IllegalCastException("menu item " + std::string(name) + " is a " + item->ClassName());
  }
  return *typed;
}

}  // namespace fw
