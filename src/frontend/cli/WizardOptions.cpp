#include "cli/WizardOptions.h"

#include <fmt/format.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <vector>

#include "chart/GetFieldId.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/vb/OnError.h"

namespace cli {

namespace {

struct ColorOption {
  const char* strName;
  const char* strHelp;
  chart::ColorOf color;
};

constexpr std::array<ColorOption, kColorOptionCount> kColorOptions{{
    {"--color-headers", N_("Farbe der Überschriften"), chart::ColorOf::Headers},
    {"--color-subprojects", N_("Farbe der Teilprojekte"), chart::ColorOf::Subprojects},
    {"--color-summaries", N_("Farbe der Sammelvorgänge"), chart::ColorOf::Summaries},
    {"--color-tasks", N_("Farbe der Vorgänge"), chart::ColorOf::Tasks},
    {"--color-milestones", N_("Farbe der Meilensteine"), chart::ColorOf::Milestones},
    {"--color-arrows", N_("Farbe der Diagrammpfeile"), chart::ColorOf::Arrows},
    {"--color-arrow-shadows", N_("Schattenfarbe der Pfeile"), chart::ColorOf::ArrowShadows},
    {"--color-responsible", N_("Farbe des Symbols Verantwortlich"), chart::ColorOf::Responsible},
    {"--color-participant", N_("Farbe des Symbols Beteiligt"), chart::ColorOf::Participant},
    {"--color-informed", N_("Farbe des Symbols Wird informiert"), chart::ColorOf::Informed},
    {"--color-symbol-shadows", N_("Schattenfarbe der Symbole"), chart::ColorOf::SymbolShadows},
}};

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// The arrow heads that the wizard's list offers: the words of the process's language and the
// stored German ones.
std::vector<std::string> ArrowSizeWords() {
  std::vector<std::string> colWords;
  for (const chart::ArrowSize size :
       {chart::ArrowSize::Small, chart::ArrowSize::Medium, chart::ArrowSize::Large}) {
    colWords.emplace_back(chart::ArrowSizeText(size));
  }
  for (const chart::ArrowSize size :
       {chart::ArrowSize::Small, chart::ArrowSize::Medium, chart::ArrowSize::Large}) {
    const std::string strWord(chart::ArrowSizeWord(size));
    if (std::find(colWords.begin(), colWords.end(), strWord) == colWords.end()) {
      colWords.push_back(strWord);
    }
  }
  return colWords;
}

std::string Lower(std::string strText) {
  for (char& c : strText) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strText;
}

// The wizard offers these values in a list; a value not in it is refused as the user could
// not pick it, with the valid ones named. Letter case counts: the list's spelling is the one
// the wizard stores and the plan's fields are looked up by.
void RequireListed(const std::string& strOption, const std::string& strValue,
                   const std::vector<std::string>& colListed, const std::string& strValid) {
  if (std::find(colListed.begin(), colListed.end(), strValue) != colListed.end()) return;
  std::string strMessage =
      catalog::Format(_("„{}“ steht nicht in der Liste des Assistenten"), strValue);
  const auto itOtherCase = std::find_if(colListed.begin(), colListed.end(),
                                        [&](const auto& s) { return Lower(s) == Lower(strValue); });
  if (itOtherCase != colListed.end())
    strMessage += catalog::Format(_(" (gemeint: „{}“?)"), *itOtherCase);
  throw CLI::ValidationError(strOption,
                             strMessage + catalog::Format(_(". Gültig sind {}."), strValid));
}

constexpr const char* kValidFields = N_("Text1 … Text30 und Enterprise-Text1 … Enterprise-Text40");

void RequireField(const std::string& strOption, const std::string& strValue) {
  static const std::vector<std::string> colFields = FieldNames();
  RequireListed(strOption, strValue, colFields, _(kValidFields));
}

// A text option bound to an optional text.
CLI::Option* AddText(CLI::App& app, const std::string& strName, std::optional<std::string>& text,
                     const std::string& strHelp, const std::string& strTypeName) {
  return app
      .add_option_function<std::string>(
          strName, [&text](const std::string& strValue) { text = strValue; }, strHelp)
      ->type_name(strTypeName);
}

// A field option: one of the custom text fields that the wizard's lists offer.
void AddField(CLI::App& app, const std::string& strName, std::optional<std::string>& field,
              const std::string& strHelp) {
  app.add_option_function<std::string>(
         strName,
         [&field, strName](const std::string& strValue) {
           RequireField(strName, strValue);
           field = strValue;
         },
         strHelp)
      ->type_name("FIELD");
}

// A pair --name / --no-name that ticks or clears a check box; the two exclude each other.
void AddSwitch(CLI::App& app, const std::string& strName, std::optional<bool>& state,
               const std::string& strHelpOn, const std::string& strHelpOff) {
  CLI::Option* on = app.add_flag_callback(
      "--" + strName, [&state] { state = true; }, strHelpOn);
  CLI::Option* off = app.add_flag_callback(
      "--no-" + strName, [&state] { state = false; }, strHelpOff);
  on->excludes(off);
}

// An optional column: --name FIELD types the field and ticks the column, --no-name clears it.
void AddColumn(CLI::App& app, const std::string& strName, std::optional<std::string>& field,
               std::optional<bool>& state, const std::string& strWhat) {
  CLI::Option* on = app.add_option_function<std::string>(
                           "--" + strName,
                           [&field, &state, strName](const std::string& strValue) {
                             RequireField("--" + strName, strValue);
                             field = strValue;
                             state = true;
                           },
                           catalog::Format(_("Spalte {} aus dem Feld FIELD"), strWhat))
                        ->type_name("FIELD");
  CLI::Option* off = app.add_flag_callback(
      "--no-" + strName, [&state] { state = false; },
      catalog::Format(_("Ohne Spalte {}"), strWhat));
  on->excludes(off);
}

void Apply(const std::optional<std::string>& text, std::string& strOption) {
  if (text) strOption = *text;
}

void ApplyState(const std::optional<bool>& state, chart::Switch& option) {
  if (state) option = *state ? chart::Switch::On : chart::Switch::Off;
}

}  // namespace

std::optional<std::int32_t> ParseColor(const std::string& strColor) {
  if (strColor.size() != 7 || strColor[0] != '#') return std::nullopt;
  std::int32_t lngRgb = 0;
  for (std::size_t i = 1; i < strColor.size(); ++i) {
    const int intDigit = HexDigit(strColor[i]);
    if (intDigit < 0) return std::nullopt;
    lngRgb = lngRgb * 16 + intDigit;
  }
  const std::int32_t lngRed = (lngRgb >> 16) & 0xFF;
  const std::int32_t lngGreen = (lngRgb >> 8) & 0xFF;
  const std::int32_t lngBlue = lngRgb & 0xFF;
  return lngRed + 256 * lngGreen + 65536 * lngBlue;
}

void DeclareWizardOptions(CLI::App& app, WizardOptions& options) {
  AddText(app, "-o,--output", options.strOutput,
          _("Pfad der Arbeitsmappe (.xls oder .xlsx) oder ein Ordner (mit / am Ende); ohne -o "
            "liegt das Diagramm als PLAN.xls neben dem Plan (nur mit --pdf, --svg oder --png: "
            "keine Arbeitsmappe)"),
          "PATH");
  AddField(app, "--responsible", options.strResponsible, _("Feld mit den Verantwortlichen"));
  AddField(app, "--participant", options.strParticipant, _("Feld mit den Beteiligten"));
  AddField(app, "--informed", options.strInformed, _("Feld mit den zu Informierenden"));
  AddColumn(app, "targets", options.strTargets, options.blnTargets, _("Ziele"));
  AddColumn(app, "status", options.strStatus, options.blnStatus, _("Status"));
  AddColumn(app, "remarks", options.strRemarks, options.blnRemarks, _("Bemerkungen"));
  AddSwitch(app, "start", options.blnStart, _("Mit Spalte Anfang"), _("Ohne Spalte Anfang"));
  AddSwitch(app, "finish", options.blnFinish, _("Mit Spalte Ende"), _("Ohne Spalte Ende"));
  AddSwitch(app, "duration", options.blnDuration, _("Mit Spalte Dauer"), _("Ohne Spalte Dauer"));
  AddSwitch(app, "group-tasks", options.blnGroupTasks, _("Tasks gruppieren"),
            _("Tasks nicht gruppieren"));
  AddSwitch(app, "freeze-panes", options.blnFreezePanes, _("Überschriften fixieren"),
            _("Überschriften nicht fixieren"));
  // The wizard reads the two sizes as Visual Basic's Val does (a point separates the decimals,
  // the number ends at anything else) and the line weight as a German number.
  AddText(app, "--column-width", options.strColumnWidth,
          _("Spaltenbreite für Ressourcen, 4 bis 20, mit Dezimalpunkt (12.5; nach einem Komma "
            "wird nicht weitergelesen)"),
          "TEXT");
  AddText(app, "--row-height", options.strRowHeight,
          _("Zeilenhöhe für Tasks, 18 bis 90, mit Dezimalpunkt (40.5)"), "TEXT");
  AddText(app, "--arrow-weight", options.strArrowWeight,
          _("Linienstärke in Punkten, 0,25 bis 6, mit Dezimalkomma (0,75)"), "TEXT");
  app.add_option_function<std::string>(
         "--arrow-size",
         [&options](const std::string& strValue) {
           RequireListed("--arrow-size", strValue, ArrowSizeWords(), _("klein, mittel und groß"));
           options.strArrowSize = strValue;
         },
         _("Pfeilgröße: klein, mittel oder groß"))
      ->type_name("TEXT");
  for (std::size_t i = 0; i < kColorOptions.size(); ++i) {
    const std::string strName = kColorOptions[i].strName;
    auto& color = options.lngColors[i];
    app.add_option_function<std::string>(
           strName,
           [&color, strName](const std::string& strValue) {
             color = ParseColor(strValue);
             if (!color) {
               throw CLI::ValidationError(
                   strName, catalog::Format(_("„{}“ ist keine Farbe der Form #RRGGBB."), strValue));
             }
           },
           _(kColorOptions[i].strHelp))
        ->type_name("#RRGGBB");
  }
  AddSwitch(app, "shadow-arrows", options.blnShadowArrows, _("Pfeile mit Schatten"),
            _("Pfeile ohne Schatten"));
  AddSwitch(app, "shadow-symbols", options.blnShadowSymbols, _("Symbole mit Schatten"),
            _("Symbole ohne Schatten"));
  app.footer(catalog::Format(_("FIELD ist eines der benutzerdefinierten Textfelder {}."),
                             _(kValidFields)));
  app.add_flag("--save-defaults", options.blnSaveDefaults,
               _("Speichert die Einstellungen als Standard (\"Als Standard festlegen\")"));
  app.add_flag("--yes", options.blnYes, _("Beantwortet die Rückfragen beim Start mit Ja"));
}

void ApplyWizardOptions(const WizardOptions& options, chart::ChartOptions& chart) {
  Apply(options.strOutput, chart.strChartPath);
  Apply(options.strResponsible, chart.strFieldResponsible);
  Apply(options.strParticipant, chart.strFieldParticipant);
  Apply(options.strInformed, chart.strFieldInformed);
  ApplyState(options.blnTargets, chart.targets.use);
  Apply(options.strTargets, chart.targets.strField);
  ApplyState(options.blnStatus, chart.status.use);
  Apply(options.strStatus, chart.status.strField);
  ApplyState(options.blnRemarks, chart.remarks.use);
  Apply(options.strRemarks, chart.remarks.strField);
  ApplyState(options.blnStart, chart.start);
  ApplyState(options.blnFinish, chart.finish);
  ApplyState(options.blnDuration, chart.duration);
  ApplyState(options.blnGroupTasks, chart.groupTasks);
  ApplyState(options.blnFreezePanes, chart.freezePanes);
  Apply(options.strColumnWidth, chart.strColumnWidth);
  Apply(options.strRowHeight, chart.strRowHeight);
  Apply(options.strArrowWeight, chart.strArrowWeight);
  if (options.strArrowSize) {
    chart.arrowSize = chart::ArrowSizeShown(*options.strArrowSize).value_or(chart.arrowSize);
  }
  for (std::size_t i = 0; i < kColorOptions.size(); ++i) {
    if (const auto& color = options.lngColors[i]) chart.Color(kColorOptions[i].color) = *color;
  }
  ApplyState(options.blnShadowArrows, chart.shadowArrows);
  ApplyState(options.blnShadowSymbols, chart.shadowSymbols);
}

}  // namespace cli
