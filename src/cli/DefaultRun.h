#pragma once
// The run with the options that a wizard left at the stored defaults would hand to the builder.

class clsQuorvan;

namespace cli {

// Sets the builder's options in the order of the run, reads the project with
// GetChartData(0, 0) at its place among them, then sets the colour and shadow options.
void RunWithDefaultOptions(clsQuorvan& objQuorvan);

}  // namespace cli
