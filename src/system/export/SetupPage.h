#pragma once
// The print set-up of the chart sheet: no print area, titles, headers or footers, margins of
// 2 cm (header and footer 1 cm), landscape A4, fitted to one page.

class clsQuorvan;
namespace excel {
class Worksheet;
}

// Attempts every setting and returns true when any was refused.
bool SetupPage(clsQuorvan& objQuorvan, excel::Worksheet& objSheet);
