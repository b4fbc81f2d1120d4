#include "platform/msproject/Application.h"

#include "platform/catalog/Catalog.h"
#include "platform/msproject/Reader.h"
#include "platform/office/CommandBars.h"

namespace msproject {

Application::Application() = default;
Application::~Application() = default;

void Application::FileOpen(const std::filesystem::path& path) {
  std::vector<std::unique_ptr<Project>> read = Reader::ReadFile(path);
  // Earlier plans stay open, as in the host: handles into them remain valid.
  projects_.reserve(projects_.size() + read.size());
  Project* plan = read.front().get();
  for (auto& project : read) projects_.push_back(std::move(project));
  activeProject_ = plan;
  Changed();
}

Project& Application::ActiveProject() const {
  if (!activeProject_) throw Error(kErrNotAvailable, _("Es ist kein Projekt geöffnet."));
  return *activeProject_;
}

office::CommandBars& Application::CommandBars() {
  if (!commandBars_)
    commandBars_ = std::make_unique<office::CommandBars>(office::CommandBarsFilePath());
  return *commandBars_;
}

}  // namespace msproject
