#include "RegistryFileGenerator.h"

#include <fstream>
#include <string>

namespace benchsettings {

namespace {

constexpr const char* kDefaults =
    "[HKEY_CURRENT_USER\\Software\\Tevrana]\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan]\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Settings]\r\n"
    "\"FieldResponsible\"=\"Text11\"\r\n"
    "\"FieldParticipiant\"=\"Text12\"\r\n"
    "\"FieldInformed\"=\"Text13\"\r\n"
    "\"UseFieldTargets\"=\"1\"\r\n"
    "\"FieldTargets\"=\"Text20\"\r\n"
    "\"UseFieldStatus\"=\"1\"\r\n"
    "\"FieldStatus\"=\"Text24\"\r\n"
    "\"UseFieldDesc\"=\"0\"\r\n"
    "\"FieldDesc\"=\"Text25\"\r\n"
    "\"UseFieldStart\"=\"1\"\r\n"
    "\"UseFieldFinish\"=\"1\"\r\n"
    "\"UseFieldDuration\"=\"0\"\r\n"
    "\"ArrowLineWeight\"=\"1,75\"\r\n"
    "\"ArrowEndSize\"=\"groß\"\r\n"
    "\"GroupTasks\"=\"1\"\r\n"
    "\"FreezePanes\"=\"0\"\r\n"
    "\"ColumnWidthRessources\"=\"9\"\r\n"
    "\"RowHeightTasks\"=\"40\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Colors]\r\n"
    "\"ColorHeader\"=\"14737632\"\r\n"
    "\"ColorTasksSubproject\"=\"12640511\"\r\n"
    "\"ColorTasksSummary\"=\"12648447\"\r\n"
    "\"ColorTasksTask\"=\"16777215\"\r\n"
    "\"ColorTasksMilestone\"=\"14737632\"\r\n"
    "\"ColorArrow\"=\"255\"\r\n"
    "\"ColorArrowShadow\"=\"14737632\"\r\n"
    "\"ColorSymbolResponsible\"=\"0\"\r\n"
    "\"ColorSymbolParticipiant\"=\"12632256\"\r\n"
    "\"ColorSymbolInformed\"=\"16777215\"\r\n"
    "\"ColorSymbolShadow\"=\"14737632\"\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Tevrana\\Quorvan\\Shadows]\r\n"
    "\"ShadowArrow\"=\"1\"\r\n"
    "\"ShadowSymbols\"=\"0\"\r\n\r\n";

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";

// One key of another program: a few values as a user's export holds them.
std::string OtherKey(std::size_t n) {
  const std::string strNumber = std::to_string(n);
  std::string out = "[HKEY_CURRENT_USER\\Software\\Hersteller" + std::to_string(n / 50) +
                    "\\Programm" + strNumber + "\\Einstellungen]\r\n";
  out += "\"Zuletzt geöffnet\"=\"C:\\\\Users\\\\anna\\\\Dokumente\\\\Projekt " + strNumber +
         ".mpp\"\r\n";
  out += "\"Fensterbreite\"=dword:00000" + std::to_string(100 + n % 900) + "\r\n";
  out += "\"Sprache\"=\"de-DE\"\r\n";
  out +=
      "\"Position\"=hex:2c,00,00,00,00,00,00,00,01,00,00,00,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,\\\r\n"
      "  ff,ff,ff,ff,ff,ff,16,00,00,00,16,00,00,00,a6,04,00,00,e2,02,00,00\r\n";
  out +=
      "\"Pfad\"=hex(2):25,00,55,00,53,00,45,00,52,00,50,00,52,00,4f,00,46,00,49,00,4c,\\\r\n"
      "  00,45,00,25,00,00,00\r\n";
  out += "@=\"Programm " + strNumber + "\"\r\n\r\n";
  return out;
}

}  // namespace

void WriteDefaultsFile(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << kHeader << kDefaults;
}

void WriteLargeFile(const std::filesystem::path& file, std::size_t cbSize) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << kHeader;
  std::size_t cbWritten = 0;
  std::size_t n = 0;
  std::string strHistory = "[HKEY_CURRENT_USER\\Software\\Hersteller0\\Verlauf]\r\n";
  while (cbWritten < cbSize) {
    const std::string strKey = OtherKey(n);
    out << strKey;
    cbWritten += strKey.size();
    if (n % 10 == 0) {
      std::string strValue =
          "\"Eintrag" + std::to_string(n / 10) + "\"=\"Programm" + std::to_string(n) + "\"\r\n";
      cbWritten += strValue.size();
      strHistory += strValue;
    }
    ++n;
  }
  out << strHistory << "\r\n" << kDefaults;
}

}  // namespace benchsettings
