// The libraries are built with UndefinedBehaviorSanitizer in its recovering mode, which only
// prints a report and goes on; under the fuzzer every report must end the run, so that the
// input is kept as a crash.

extern "C" const char* __ubsan_default_options() {
  return "halt_on_error=1:print_stacktrace=1";
}
