#include "platform/vb/OnError.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

namespace {

TEST(ResumeNext, SkipsAFailingStepAndRunsTheNext) {
  std::vector<int> ran;
  vb::ResumeNext steps;
  steps([&] { ran.push_back(1); });
  steps([&] { throw vb::Error(1004, "refused"); });
  steps([&] { ran.push_back(3); });
  EXPECT_EQ(ran, (std::vector<int>{1, 3}));
  EXPECT_TRUE(steps.Failed());
  EXPECT_EQ(steps.LastNumber(), 1004);
  EXPECT_EQ(steps.LastDescription(), "refused");
}

TEST(ResumeNext, ReportsNoFailureWhenEveryStepRan) {
  vb::ResumeNext steps;
  EXPECT_FALSE(steps([] {}));
  EXPECT_FALSE(steps.Failed());
}

TEST(ResumeNext, LetsFaultsOfTheProgramPass) {
  // Only platform errors are trapped: a fault of the program must not be swallowed.
  vb::ResumeNext steps;
  EXPECT_THROW(steps([] { throw std::bad_alloc(); }), std::bad_alloc);
  EXPECT_THROW(steps([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(TryRead, GivesTheValueOrNothing) {
  EXPECT_EQ(vb::TryRead([] { return 7; }), 7);
  EXPECT_FALSE(vb::TryRead([]() -> int { throw vb::Error(13, "type mismatch"); }).has_value());
}

}  // namespace
