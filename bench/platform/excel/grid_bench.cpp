// Writes a chart's grid of 20,000 task rows by 210 columns, each row formatted like a task row
// (six borders, fill, font size 8, wrapping, alignments, row height) with ten text cells, once
// with the engine (through its object model, then SaveAs) and once with libxlsxwriter. Each
// run goes in a child process of its own, so that its peak memory is its own. Prints both
// times and peak memories and, as the last line, "ratio <engine seconds / libxlsxwriter
// seconds>". Goal: a ratio of 1.0 or less.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/excel/Application.h"
#include "platform/excel/Border.h"
#include "platform/excel/Font.h"
#include "platform/excel/Interior.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t kRows = 20000;
constexpr std::int32_t kColumns = 210;
constexpr std::int32_t kTextCells = 10;
constexpr std::int32_t kFirstRow = 7;
constexpr std::int32_t kColors[4] = {0xCCFFFF, 0x99CCFF, 0xFFCC99, 0xCCFFCC};

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string CellText(std::int32_t lngRow, std::int32_t lngColumn) {
  return "Vorgang " + std::to_string(lngRow) + " Feld " + std::to_string(lngColumn);
}

struct Times {
  double dblBuild = 0;
  double dblSave = 0;
};

Times WriteWithEngine(const fs::path& file) {
  auto start = Clock::now();
  excel::Application app;
  app.SheetsInNewWorkbook(1);
  excel::Workbook& book = app.Workbooks().Add();
  excel::Worksheet& sheet = book.Worksheets(1);
  for (std::int32_t i = 0; i < kRows; ++i) {
    const std::int32_t r = kFirstRow + i;
    excel::Range row = sheet.Range(sheet.Cells(r, 1), sheet.Cells(r, kColumns));
    row.Borders(excel::xlDiagonalDown).LineStyle(excel::xlLineStyleNone);
    row.Borders(excel::xlDiagonalUp).LineStyle(excel::xlLineStyleNone);
    for (std::int32_t index : {7, 8, 9, 10, 12, 11}) {
      excel::Border border = row.Borders(index);
      border.LineStyle(excel::xlContinuous);
      border.Weight(excel::xlHairline);
      border.ColorIndex(excel::xlColorIndexAutomatic);
    }
    row.Font().Size(8);
    row.RowHeight(25 + i % 3);
    row.VerticalAlignment(excel::xlTop);
    row.HorizontalAlignment(excel::xlGeneral);
    row.WrapText(true);
    row.Interior().Color(kColors[i % 4]);
    row.Interior().Pattern(excel::xlPatternSolid);
    for (std::int32_t c = 1; c <= kTextCells; ++c) {
      excel::Range cell = sheet.Cells(r, c);
      cell.NumberFormat("@");
      cell.Value(CellText(r, c));
    }
  }
  Times times;
  times.dblBuild = Seconds(start);
  auto save = Clock::now();
  book.SaveAs(file.string());
  times.dblSave = Seconds(save);
  return times;
}

Times WriteWithLibxlsxwriter(const fs::path& file) {
  auto start = Clock::now();
  lxw_workbook* workbook = workbook_new(file.c_str());
  lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
  lxw_format* blank[4];
  lxw_format* text[4];
  for (int k = 0; k < 4; ++k) {
    for (lxw_format** format : {&blank[k], &text[k]}) {
      *format = workbook_add_format(workbook);
      format_set_border(*format, LXW_BORDER_HAIR);
      format_set_font_size(*format, 8);
      format_set_font_name(*format, "Arial");
      format_set_text_wrap(*format);
      format_set_align(*format, LXW_ALIGN_VERTICAL_TOP);
      const std::int32_t c = kColors[k];
      format_set_bg_color(*format, ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
      format_set_pattern(*format, LXW_PATTERN_SOLID);
    }
    format_set_num_format(text[k], "@");
  }
  for (std::int32_t i = 0; i < kRows; ++i) {
    const lxw_row_t r = static_cast<lxw_row_t>(kFirstRow + i - 1);
    worksheet_set_row(worksheet, r, 25 + i % 3, nullptr);
    for (lxw_col_t c = 0; c < kColumns; ++c) {
      if (c < kTextCells) {
        worksheet_write_string(worksheet, r, c,
                               CellText(kFirstRow + i, static_cast<std::int32_t>(c) + 1).c_str(),
                               text[i % 4]);
      } else {
        worksheet_write_blank(worksheet, r, c, blank[i % 4]);
      }
    }
  }
  Times times;
  times.dblBuild = Seconds(start);
  auto save = Clock::now();
  if (workbook_close(workbook) != LXW_NO_ERROR) std::fprintf(stderr, "libxlsxwriter failed\n");
  times.dblSave = Seconds(save);
  return times;
}

struct Run {
  Times times;
  double dblPeakMegabytes = 0;
  double dblCpuSeconds = 0;
  double dblFileMegabytes = 0;
  bool blnOk = false;
};

// Runs one writer in a child process; its times come back through a pipe, its peak memory
// from the kernel's account of the child.
template <class Writer>
Run InChild(Writer&& writer, const fs::path& file) {
  int fds[2];
  Run run;
  if (::pipe(fds) != 0) return run;
  pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    Times times{};
    int code = 0;
    try {
      times = writer(file);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      code = 1;
    }
    if (::write(fds[1], &times, sizeof times) != sizeof times) code = 1;
    ::_exit(code);
  }
  ::close(fds[1]);
  bool got = ::read(fds[0], &run.times, sizeof run.times) == sizeof run.times;
  ::close(fds[0]);
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  run.blnOk = got && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.dblPeakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.dblCpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                      static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  std::error_code error;
  run.dblFileMegabytes = static_cast<double>(fs::file_size(file, error)) / 1e6;
  return run;
}

void Print(const char* strName, const Run& run) {
  std::printf(
      "%-14s %6.3f s (cells %6.3f s, saving %6.3f s; processor %6.3f s), peak memory %7.1f MB, "
      "file %5.1f MB\n",
      strName, run.times.dblBuild + run.times.dblSave, run.times.dblBuild, run.times.dblSave,
      run.dblCpuSeconds, run.dblPeakMegabytes, run.dblFileMegabytes);
}

}  // namespace

int main() {
  const fs::path dir =
      fs::temp_directory_path() / ("bench-excel-grid-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::printf("grid: %d rows x %d columns, %d text cells per row\n", kRows, kColumns, kTextCells);
  Run engine = InChild(WriteWithEngine, dir / "engine.xlsx");
  Run reference = InChild(WriteWithLibxlsxwriter, dir / "libxlsxwriter.xlsx");
  fs::remove_all(dir);
  if (!engine.blnOk || !reference.blnOk) {
    std::fprintf(stderr, "a run failed\n");
    return 1;
  }
  Print("engine", engine);
  Print("libxlsxwriter", reference);
  std::printf("ratio %.3f\n", (engine.times.dblBuild + engine.times.dblSave) /
                                  (reference.times.dblBuild + reference.times.dblSave));
  return 0;
}
