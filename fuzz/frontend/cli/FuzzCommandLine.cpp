// Feeds arbitrary arguments to the command line's parser: the input's lines are the words after
// "quorvan". Whatever they are, the parser answers with help or version on stdout (status 0),
// with options to run (status 0, nothing printed), or with a German message and the usage on
// stderr (status 2); nothing else may leave it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"

namespace {

void Check(bool blnCondition) {
  if (!blnCondition) std::abort();
}

constexpr std::size_t kMaxArguments = 64;

// Words of CLI11's own English messages, which must not reach the user.
constexpr std::string_view kEnglish[] = {
    " excludes ",  " requires ", "xpected",  "The following", "not allowed", "Could not", "nvalid",
    "is required", "must be",    "too many", "Too many",      " argument",   " option"};

// The first line of the message, less what it quotes of the arguments: unknown arguments after
// the colon, values between „ and “.
void CheckGerman(std::string_view strMessage) {
  strMessage = strMessage.substr(0, strMessage.find('\n'));
  if (strMessage.starts_with("Unbekannte")) strMessage = strMessage.substr(0, strMessage.find(':'));
  std::string strOwn;
  for (std::size_t pos = 0; pos < strMessage.size();) {
    const std::size_t posOpen = strMessage.find("„", pos);
    strOwn += strMessage.substr(pos, posOpen - pos);
    if (posOpen == std::string_view::npos) break;
    const std::size_t posClose = strMessage.rfind("“");
    if (posClose == std::string_view::npos || posClose < posOpen) break;
    pos = posClose + std::string_view("“").size();
  }
  for (const std::string_view strWord : kEnglish) {
    Check(strOwn.find(strWord) == std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> colArguments{"quorvan"};
  while (!input.empty() && colArguments.size() <= kMaxArguments) {
    const std::size_t posEnd = input.find('\n');
    colArguments.emplace_back(input.substr(0, posEnd));
    if (posEnd == std::string_view::npos) break;
    input.remove_prefix(posEnd + 1);
  }
  std::vector<const char*> argv;
  for (const std::string& strArgument : colArguments) argv.push_back(strArgument.c_str());
  argv.push_back(nullptr);

  const cli::ParsedCommandLine parsed =
      cli::ParseCommandLine(static_cast<int>(colArguments.size()), argv.data());
  if (parsed.intExitCode == 2) {
    Check(!parsed.options && parsed.strStdout.empty());
    Check(parsed.strStderr.ends_with("Mehr dazu: quorvan --help\n"));
    CheckGerman(parsed.strStderr);
    return 0;
  }
  Check(parsed.intExitCode == 0 && parsed.strStderr.empty());
  if (!parsed.options) {
    Check(!parsed.strStdout.empty());  // help or version
    return 0;
  }
  Check(parsed.strStdout.empty());
  const cli::CommandLine& options = *parsed.options;
  if (options.blnRegister || options.blnUnregister) return 0;
  Check(!options.colPlans.empty() && options.strPlan == options.colPlans.front());
  for (const std::string& strPlan : options.colPlans) cli::ChartPathFor(options, strPlan);
  if (options.wizard.strOutput) {
    Check(options.colPlans.size() == 1);
    Check(cli::ChartPathFor(options, options.strPlan) == *options.wizard.strOutput);
  }
  return 0;
}
