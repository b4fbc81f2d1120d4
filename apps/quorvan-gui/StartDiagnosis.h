#pragma once
// The start measured from inside: once the host window is exposed the monotonic clock is
// printed ("fenster NS"), then the entry "&Quorvan Assistent" is triggered ("auslöser NS")
// and the time at which the wizard is on screen is printed ("assistent NS"); the wizard is
// closed and the application ends. A message box shown instead is printed ("meldung TEXT")
// and closed. The benchmark reads these lines.

namespace gui {
class HostWindow;
class QtFrontEnd;
}  // namespace gui

void DiagnoseStart(gui::HostWindow& window, gui::QtFrontEnd& frontEnd);
