#include "platform/office/BuiltInBars.h"

#include "platform/office/CommandBars.h"

namespace office {

namespace {

struct BuiltInEntry {
  const char* strCaption;
  int intId;
  bool blnBeginGroup;
};

// The "Tools" menu ("Extras") as the German host shows it.
constexpr BuiltInEntry kToolsMenu[] = {
    {"&Rechtschreibung...", 2, false},
    {"&AutoKorrektur-Optionen...", 793, false},
    {"Projekte &vergleichen...", 5917, true},
    {"Ar&beitsgruppe", 30254, false},
    {"&Verknüpfungen zwischen Projekten...", 40036, true},
    {"Arbeitszeit ä&ndern...", 40041, true},
    {"&Ressourcen zuordnen...", 40146, false},
    {"&Kapazitätsabgleich...", 40167, false},
    {"&Überwachung", 30256, false},
    {"&Makro", 30017, true},
    {"&Organisieren...", kIdOrganizer, false},
    {"&Anpassen", kIdCustomize, true},
    {"&Optionen...", kIdOptions, false},
    {"COM-Add-&Ins...", kIdComAddIns, false},
};

constexpr BuiltInEntry kStandardToolbar[] = {
    {"&Neu", 2520, false},    {"Ö&ffnen", 23, false},         {"&Speichern", 3, false},
    {"&Drucken", 2521, true}, {"Seiten&ansicht", 109, false}, {"&Ausschneiden", 21, true},
    {"&Kopieren", 19, false}, {"&Einfügen", 22, false},
};

constexpr BuiltInEntry kFormattingToolbar[] = {
    {"Tiefer st&ufen", 40270, false}, {"Höher s&tufen", 40271, false}, {"&Fett", 113, true},
    {"&Kursiv", 114, false},          {"&Unterstrichen", 115, false},
};

template <std::size_t N>
void AddBar(CommandBars& bars, const char* strName, int intPosition, bool blnVisible,
            const BuiltInEntry (&entries)[N]) {
  auto bar = bars.AddBar(strName, intPosition, true);
  bar->Visible(blnVisible);
  for (const BuiltInEntry& entry : entries) {
    auto ctl = bar->Controls().Append(msoControlButton, entry.intId, true);
    ctl->Caption(entry.strCaption);
    ctl->BeginGroup(entry.blnBeginGroup);
  }
}

}  // namespace

void AddBuiltInBars(CommandBars& bars) {
  AddBar(bars, "Tools", msoBarPopup, false, kToolsMenu);
  AddBar(bars, "Standard", msoBarTop, true, kStandardToolbar);
  AddBar(bars, "Formatting", msoBarTop, true, kFormattingToolbar);
}

}  // namespace office
