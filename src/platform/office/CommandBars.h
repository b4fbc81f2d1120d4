#pragma once
// The host's command bars: its menus and toolbars with their controls.
//
// The host keeps them between its starts in a file beside the registry file
// (CommandBarsFile.h): a host started with a file reads the bars from it, and writes them back
// when it ends if they changed. Without a file the host starts with its own bars
// (BuiltInBars.h).

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/CommandBar.h"

namespace office {

class CommandBars {
 public:
  using Handle = std::shared_ptr<CommandBar>;
  using const_iterator = std::vector<Handle>::const_iterator;

  // The host's own bars, kept nowhere.
  CommandBars();
  // The bars kept in the file; the host's own bars when the file is missing or unreadable.
  explicit CommandBars(std::filesystem::path storeFile);
  // Writes the bars back to the file when they changed; every remaining handle goes stale.
  ~CommandBars();
  CommandBars(const CommandBars&) = delete;
  CommandBars& operator=(const CommandBars&) = delete;

  // The bar of that name, in any case (as the host finds it); throws when there is none.
  CommandBar& operator()(const std::string& strName) const { return *Item(strName); }
  Handle Item(const std::string& strName) const;
  // 1-based; throws outside 1 … Count.
  Handle Item(int index) const;
  int Count() const;
  const_iterator begin() const { return bars_.begin(); }
  const_iterator end() const { return bars_.end(); }

  // Adds a toolbar of one's own; a name that a bar already has, in any case, throws.
  Handle Add(const std::string& Name, int Position = msoBarTop, bool MenuBar = false,
             bool Temporary = false);

  // The first control on any bar that matches every criterion given; nullptr when none does.
  CommandBarControls::Handle FindControl(
      std::optional<int> Type = std::nullopt, std::optional<int> Id = std::nullopt,
      const std::optional<std::string>& Tag = std::nullopt) const;

  // Writes the bars to the store file now, when they changed since they were read or last
  // written. Throws office::Error when the file cannot be written.
  void Save();

  // For the host's own bars and the bars read back from the store.
  Handle AddBar(const std::string& strName, int intPosition, bool blnBuiltIn);

  // The host's window that draws the bars: told after every change of a bar or a control
  // (added, deleted, a property set), so that what an add-in does shows at once. One observer;
  // an empty function detaches it.
  using ChangeHandler = std::function<void()>;
  void Observe(ChangeHandler handler) { observer_ = std::move(handler); }
  void Changed() const {
    if (observer_) observer_();
  }

 private:
  friend class CommandBar;
  friend class CommandBarsFile;
  void Remove(const CommandBar& bar);

  std::vector<Handle> bars_;
  std::optional<std::filesystem::path> storeFile_;
  std::string strStored_;  // the bars as last read or written, to know whether they changed
  ChangeHandler observer_;
};

// The file in which the host keeps its command bars: "CommandBars.json" beside the registry
// file (registry::RegistryFilePath()).
std::filesystem::path CommandBarsFilePath();

}  // namespace office
