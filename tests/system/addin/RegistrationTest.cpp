// The add-in's entry in the registry of the current user, as the registry file shows it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "addin/Registration.h"
#include "platform/registry/ScopedRegistryFile.h"
#include "settings/basRegistry.h"

namespace {

using testing::HasSubstr;
using testing::Not;

TEST(RegistrationTest, RegisteringWritesTheHostsAddInKeyAndUnregisteringRemovesIt) {
  testsupport::ScopedRegistryFile registry;
  ASSERT_TRUE(WriteRegString(registry::HKEY_CURRENT_USER, "Software\\Tevrana\\Quorvan\\Settings",
                             "FieldResponsible", "Text5"));
  EXPECT_EQ(addin::RegisterAddIn(), "");
  const std::string strFile = testsupport::ReadFile(registry.Path());
  EXPECT_THAT(strFile, HasSubstr("[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\MS "
                                 "Project\\Addins\\Quorvan.Connect]\r\n"
                                 "\"FriendlyName\"=\"Quorvan\"\r\n"
                                 "\"Description\"=\"Addin zur Erstellung von "
                                 "Kommunikationsdiagrammen aus Projektplänen.\"\r\n"
                                 "\"LoadBehavior\"=dword:00000003\r\n"));
  EXPECT_THAT(strFile, HasSubstr("[HKEY_CURRENT_USER\\Software\\Classes\\Quorvan.Connect]\r\n"
                                 "@=\"COM Addin zur Erstellung von Kommunikationsdiagrammen.\""));
  // Registering again changes nothing.
  EXPECT_EQ(addin::RegisterAddIn(), "");
  EXPECT_EQ(testsupport::ReadFile(registry.Path()), strFile);

  EXPECT_EQ(addin::UnregisterAddIn(), "");
  const std::string strAfter = testsupport::ReadFile(registry.Path());
  EXPECT_THAT(strAfter, Not(HasSubstr("Quorvan.Connect")));
  EXPECT_THAT(strAfter, Not(HasSubstr("FriendlyName")));
  // The user's defaults stay.
  EXPECT_EQ(ReadRegString(registry::HKEY_CURRENT_USER, "Software\\Tevrana\\Quorvan\\Settings",
                          "FieldResponsible"),
            "Text5");
  // Nothing left to remove is no failure.
  EXPECT_EQ(addin::UnregisterAddIn(), "");
}

}  // namespace
