#include "run_sequences.h"

#include "resource.h"
#include "setup_state.h"

void StartRunSequence(HWND dialog)
{
    if (g_setup.runState == kRunStateInstalled && IsDlgButtonChecked(dialog, IDC_COPY) == BST_CHECKED)
        RunUninstallSequence(dialog);
    else
        RunInstallSequence(dialog);
}

void RunInstallSequence(HWND)
{
    // The steps come with the copy engine.
}

void RunUninstallSequence(HWND)
{
    // The steps come with the removal of installed files.
}
