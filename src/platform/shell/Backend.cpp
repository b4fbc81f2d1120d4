#include "platform/shell/Backend.h"

namespace shell {

namespace {

// The front end's backend; the platform's one piece of process state, like the forms'
// message box handler.
Backend*& Installed() {
  static Backend* backend = nullptr;
  return backend;
}

}  // namespace

Backend* SetBackend(Backend* backend) {
  Backend* previous = Installed();
  Installed() = backend;
  return previous;
}

Backend* CurrentBackend() {
  return Installed();
}

}  // namespace shell
