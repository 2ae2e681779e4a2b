#pragma once
// After an uninstall (run state 2): a second copy of setup, started with
// "remove" at idle priority, waits until this one has ended and then
// removes the install folder together with the program.

void StartRemovalCopy();
