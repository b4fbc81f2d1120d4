#include "platform/office/CommandBarsFile.h"

#include <nlohmann/json.hpp>

#include "platform/office/CommandBars.h"
#include "platform/vb/Error.h"

namespace office {

namespace {

using nlohmann::ordered_json;

constexpr int kFormatVersion = 1;

ordered_json ControlToJson(const CommandBarButton& ctl) {
  return ordered_json{
      {"Type", ctl.Type()},
      {"Id", ctl.Id()},
      {"BuiltIn", ctl.BuiltIn()},
      {"Caption", ctl.Caption()},
      {"Tag", ctl.Tag()},
      {"FaceId", ctl.FaceId()},
      {"Style", ctl.Style()},
      {"OnAction", ctl.OnAction()},
      {"BeginGroup", ctl.BeginGroup()},
      {"Parameter", ctl.Parameter()},
      {"Visible", ctl.Visible()},
      {"TooltipText", ctl.TooltipText()},
  };
}

void ControlFromJson(const ordered_json& item, CommandBarButton& ctl) {
  ctl.Caption(item.at("Caption").get<std::string>());
  ctl.Tag(item.at("Tag").get<std::string>());
  ctl.FaceId(item.at("FaceId").get<int>());
  ctl.Style(item.at("Style").get<int>());
  ctl.OnAction(item.at("OnAction").get<std::string>());
  ctl.BeginGroup(item.at("BeginGroup").get<bool>());
  ctl.Parameter(item.at("Parameter").get<std::string>());
  ctl.Visible(item.at("Visible").get<bool>());
  ctl.TooltipText(item.value("TooltipText", std::string()));
}

}  // namespace

std::string CommandBarsFile::Write(const CommandBars& bars) {
  ordered_json colBars = ordered_json::array();
  for (const auto& bar : bars) {
    ordered_json colControls = ordered_json::array();
    for (const auto& ctl : bar->Controls()) colControls.push_back(ControlToJson(*ctl));
    colBars.push_back(ordered_json{{"Name", bar->Name()},
                                   {"Position", bar->Position()},
                                   {"BuiltIn", bar->BuiltIn()},
                                   {"Visible", bar->Visible()},
                                   {"Controls", std::move(colControls)}});
  }
  const ordered_json file{{"Version", kFormatVersion}, {"CommandBars", std::move(colBars)}};
  return file.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n";
}

bool CommandBarsFile::Read(const std::string& strText, CommandBars& bars) {
  std::vector<CommandBars::Handle> colRead;
  try {
    const ordered_json file = ordered_json::parse(strText);
    if (file.at("Version").get<int>() != kFormatVersion) return false;
    for (const auto& item : file.at("CommandBars")) {
      const auto strName = item.at("Name").get<std::string>();
      for (const auto& bar : colRead) {
        if (bar->Name() == strName) return false;
      }
      auto bar = std::make_shared<CommandBar>(bars, strName, item.at("Position").get<int>(),
                                              item.at("BuiltIn").get<bool>());
      bar->Visible(item.at("Visible").get<bool>());
      for (const auto& entry : item.at("Controls")) {
        auto ctl = bar->Controls().Append(entry.at("Type").get<int>(), entry.at("Id").get<int>(),
                                          entry.at("BuiltIn").get<bool>());
        ControlFromJson(entry, *ctl);
      }
      colRead.push_back(std::move(bar));
    }
  } catch (const nlohmann::json::exception&) {
    return false;
  } catch (const vb::Error&) {
    return false;
  }
  for (auto& bar : colRead) bars.bars_.push_back(std::move(bar));
  return true;
}

}  // namespace office
