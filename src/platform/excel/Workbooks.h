#pragma once
// Application.Workbooks: the open workbooks, in the order they were opened, followed by the
// files that another program holds open in the folders the application watches (see
// Application::WatchFolder). Enumerating looks for such files afresh.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "platform/excel/Workbook.h"

namespace excel {

class Application;

class Workbooks {
 public:
  explicit Workbooks(Application& application) : application_(&application) {}
  ~Workbooks();
  Workbooks(const Workbooks&) = delete;
  Workbooks& operator=(const Workbooks&) = delete;

  // A new workbook with Application.SheetsInNewWorkbook sheets; it becomes the active one.
  Workbook& Add();
  std::int32_t Count();
  Workbook& Item(std::int32_t lngIndex);  // 1-based

  class iterator {
   public:
    using value_type = Workbook;
    using difference_type = std::ptrdiff_t;
    explicit iterator(std::vector<Workbook*>::const_iterator it) : it_(it) {}
    Workbook& operator*() const { return **it_; }
    Workbook* operator->() const { return *it_; }
    iterator& operator++() {
      ++it_;
      return *this;
    }
    bool operator==(const iterator&) const = default;

   private:
    std::vector<Workbook*>::const_iterator it_;
  };
  iterator begin();
  iterator end() { return iterator(listing_.cend()); }

  // Engine side.
  void Closed(Workbook& workbook);  // moves a closed workbook out of the list
  Workbook* Last() const { return open_.empty() ? nullptr : open_.back().get(); }
  void CloseAll();

 private:
  void Refresh();

  Application* application_;
  std::vector<std::unique_ptr<Workbook>> open_;
  std::vector<std::unique_ptr<Workbook>> closed_;  // kept so that old references still throw
  std::map<std::filesystem::path, std::unique_ptr<Workbook>> heldOpen_;
  std::vector<Workbook*> listing_;
  std::int32_t lngCreated_ = 0;
};

}  // namespace excel
