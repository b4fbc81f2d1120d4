#include "platform/excel/xlsx/XlsxPackage.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/excel/xlsx/DeflatedPart.h"
#include "platform/excel/xlsx/DrawingXml.h"
#include "platform/excel/xlsx/Package.h"
#include "platform/excel/xlsx/SheetXml.h"
#include "platform/excel/xlsx/StyleTable.h"
#include "platform/excel/xlsx/StylesXml.h"
#include "platform/excel/xlsx/WorkbookXml.h"
#include "platform/excel/xlsx/XmlWriter.h"
#include "platform/excel/xlsx/ZipArchive.h"

namespace excel::xlsx {

namespace {

// Deflate level of every part: the large parts are repetitive XML, which level 1 packs nearly
// as well as the default in a fraction of the time; the small ones do not matter.
constexpr int kLevel = 1;

// One entry of the archive: its name, how its content is written, and the content deflated.
struct Entry {
  std::string name;
  bool large = false;  // a sheet or a drawing
  std::function<void(XmlWriter&)> write;
  DeflatedPart deflated{kLevel};
  std::exception_ptr failure;

  void Make() {
    try {
      XmlWriter xml(deflated);
      write(xml);
      xml.Finish();
      deflated.Finish();
    } catch (...) {
      failure = std::current_exception();
    }
  }
};

// Makes the entries on up to as many threads as there are cores, in the order given; this
// thread is one of them. Without a thread to spare, this one makes them all.
void MakeAll(const std::vector<Entry*>& order) {
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < order.size(); i = next++) order[i]->Make();
  };
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  {
    std::vector<std::jthread> helpers;
    for (std::size_t i = 1; i < std::min(cores, order.size()); ++i) {
      try {
        helpers.emplace_back(work);
      } catch (const std::system_error&) {
        break;
      }
    }
    work();
  }  // joins the helpers
  for (const Entry* entry : order) {
    if (entry->failure) std::rethrow_exception(entry->failure);
  }
}

}  // namespace

void WriteXlsx(const file::WorkbookView& workbook, const std::filesystem::path& file,
               const SaveStageHook& hook) {
  BeginSaveStage(hook, "styles");
  const auto& sheets = workbook.Sheets();
  std::vector<bool> drawings;
  for (const file::SheetView& sheet : sheets) drawings.push_back(sheet.ShapeList().Count() > 0);
  const Package package(drawings);
  const StyleTable styles(workbook);
  const std::vector<std::uint32_t>& styleIndex = workbook.UsedFormats();

  // The entries in the archive's order: what describes the package, then its parts.
  std::vector<std::unique_ptr<Entry>> entries;
  auto add = [&entries](std::string name, bool large, std::function<void(XmlWriter&)> write) {
    entries.push_back(std::make_unique<Entry>());
    entries.back()->name = std::move(name);
    entries.back()->large = large;
    entries.back()->write = std::move(write);
  };
  add(std::string(Package::kContentTypesName), false,
      [&](XmlWriter& xml) { package.WriteContentTypes(xml); });
  for (const std::size_t owner : package.Owners()) {
    add(package.RelationshipsName(owner), false,
        [&, owner](XmlWriter& xml) { package.WriteRelationships(xml, owner); });
  }
  for (const Part& part : package.Parts()) {
    switch (part.kind) {
      case PartKind::kWorkbook:
        add(part.name, false, [&](XmlWriter& xml) { WriteWorkbookXml(workbook, package, xml); });
        break;
      case PartKind::kStyles:
        add(part.name, false,
            [&](XmlWriter& xml) { WriteStylesXml(styles, workbook.Colors(), xml); });
        break;
      case PartKind::kSheet: {
        const Part* drawing = package.DrawingPart(part.sheet);
        const std::string id = drawing != nullptr ? drawing->relationshipId : std::string();
        const file::SheetView& sheet = sheets[part.sheet];
        add(part.name, true, [&sheet, &styleIndex, id](XmlWriter& xml) {
          WriteSheetXml(sheet, styleIndex, id, xml);
        });
        break;
      }
      case PartKind::kDrawing: {
        const file::SheetView& sheet = sheets[part.sheet];
        add(part.name, true,
            [&sheet](XmlWriter& xml) { WriteDrawingXml(sheet.ShapeList(), sheet, xml); });
        break;
      }
    }
  }

  // The sheets and drawings first, so that the large parts start at once on every core; the
  // small ones follow on whichever core is free.
  std::vector<Entry*> order;
  for (const auto& entry : entries) order.push_back(entry.get());
  std::stable_partition(order.begin(), order.end(),
                        [](const Entry* entry) { return entry->large; });
  BeginSaveStage(hook, "parts (xml and deflate)");
  MakeAll(order);

  BeginSaveStage(hook, "zip archive");
  ZipArchive archive(file);
  for (const auto& entry : entries) archive.Add(entry->name, entry->deflated);
  archive.Close();
}

}  // namespace excel::xlsx
