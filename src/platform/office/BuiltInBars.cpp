#include "platform/office/BuiltInBars.h"

#include "platform/catalog/Catalog.h"
#include "platform/office/CommandBars.h"

namespace office {

namespace {

struct BuiltInEntry {
  const char* strCaption;
  int intId;
  bool blnBeginGroup;
};

// The "Tools" menu ("Extras") as the German host shows it. The captions are kept in German;
// the desktop translates them where it shows them.
constexpr BuiltInEntry kToolsMenu[] = {
    {N_("&Rechtschreibung..."), 2, false},
    {N_("&AutoKorrektur-Optionen..."), 793, false},
    {N_("Projekte &vergleichen..."), 5917, true},
    {N_("Ar&beitsgruppe"), 30254, false},
    {N_("&Verknüpfungen zwischen Projekten..."), 40036, true},
    {N_("Arbeitszeit ä&ndern..."), 40041, true},
    {N_("&Ressourcen zuordnen..."), 40146, false},
    {N_("&Kapazitätsabgleich..."), 40167, false},
    {N_("&Überwachung"), 30256, false},
    {N_("&Makro"), 30017, true},
    {N_("&Organisieren..."), kIdOrganizer, false},
    {N_("&Anpassen"), kIdCustomize, true},
    {N_("&Optionen..."), kIdOptions, false},
    {N_("COM-Add-&Ins..."), kIdComAddIns, false},
};

constexpr BuiltInEntry kStandardToolbar[] = {
    {N_("&Neu"), 2520, false},          {N_("Ö&ffnen"), kIdFileOpen, false},
    {N_("&Speichern"), 3, false},       {N_("&Drucken"), 2521, true},
    {N_("Seiten&ansicht"), 109, false}, {N_("&Ausschneiden"), 21, true},
    {N_("&Kopieren"), 19, false},       {N_("&Einfügen"), 22, false},
};

constexpr BuiltInEntry kFormattingToolbar[] = {
    {N_("Tiefer st&ufen"), 40270, false},
    {N_("Höher s&tufen"), 40271, false},
    {N_("&Fett"), 113, true},
    {N_("&Kursiv"), 114, false},
    {N_("&Unterstrichen"), 115, false},
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
