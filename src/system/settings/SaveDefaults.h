#pragma once
// Makes the wizard's current settings the stored defaults: the work of the button "Als
// Standard festlegen".

class frmQuorvan;

// Writes the eleven colours of the swatches and the two shadow switches.
// True when every value was written.
bool SaveColorSettings(frmQuorvan& frm);

// Writes the fields, the column switches and the layout values, then the colours and shadows
// (SaveColorSettings). A value that cannot be written is skipped and the next one is written.
// Then tells the user: "Die aktuellen Diagrammeinstellungen wurden gespeichert.    " when every
// value was written, else a warning that they could not all be saved. True when every value
// was written.
bool SaveDefaults(frmQuorvan& frm);
