#pragma once
// An object reference that may be Nothing: using it raises the runtime's error 91, as Visual
// Basic does, so that the caller's error handling decides what follows.

#include <memory>

#include "platform/vb/Error.h"

namespace addin {

inline constexpr std::int32_t kErrObjectVariableNotSet = 91;

template <class T>
T& Obj(const std::shared_ptr<T>& ref) {
  if (!ref) {
    throw vb::Error(kErrObjectVariableNotSet,
                    "Objektvariable oder With-Blockvariable nicht festgelegt");
  }
  return *ref;
}

template <class T>
T& Obj(T* ref) {
  if (ref == nullptr) {
    throw vb::Error(kErrObjectVariableNotSet,
                    "Objektvariable oder With-Blockvariable nicht festgelegt");
  }
  return *ref;
}

}  // namespace addin
