#include "associations.h"

void ApplyAssociations(bool)
{
    // The associations come with the file-type step.
}
