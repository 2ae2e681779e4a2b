#include "self_delete.h"

void DeleteSelf()
{
    // The batch file that removes the program comes with the uninstall registration.
}
