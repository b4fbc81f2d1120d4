// The builder's export: declared with the builder, carried out by ChartExport.

#include "chart/clsQuorvan.h"
#include "export/ChartExport.h"

void clsQuorvan::ExportCommunigram(bool blnInWizard) {
  ChartExport objExport(*this, blnInWizard);
  objExport.Run();
}
