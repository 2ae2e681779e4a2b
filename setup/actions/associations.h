#pragma once
// File associations of the sections "Ext%d", under HKEY_CLASSES_ROOT:
//   ext                      default: Kind; "Old Name": the file type that
//                            ext had before Force took it over
//   Kind                     default: Kind
//   Kind\DefaultIcon         default: Icon resolved, "," IconNo when given
//   Kind\shell\Verb\command  default: Command with its program resolved
// An extension that another file type owns stays with it unless Force is
// set: that file type only gets the verb Verb2 (nothing without Verb2).

// Registers (`make`) or removes the associations of every "Ext%d" section,
// up to the first whose Ext is empty; a section without Kind is passed
// over. Removal gives a taken-over extension back to the file type saved
// at install time, and leaves an extension alone that another program has
// given a file type of its own since. Failures are silent.
void ApplyAssociations(bool make);
