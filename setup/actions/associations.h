#pragma once
// File associations of the sections "Ext%d".

// Registers (`make`) or removes the associations of every "Ext%d" section.
void ApplyAssociations(bool make);
