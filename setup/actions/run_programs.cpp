#include "run_programs.h"

void RunProgramList(HWND, const char*)
{
    // Starting programs and calling entry points comes with the run-list step.
}
