#pragma once
// Puts the stored defaults into the controls of the wizard reached through gfrmWizard, at
// every launch before the lists are filled. A value that is missing, or reads as the empty
// text, gives its control the default; a value whose conversion or assignment fails leaves its
// control as it was, and loading goes on with the next value. Nothing is reported.
void LoadSettings();
