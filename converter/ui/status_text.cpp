#include "status_text.h"

#include <cstdio>

std::string FormatStatus(int32_t sourceLines, int32_t points, int32_t polyLines, int32_t writePolyLines)
{
    char text[128];
    int length = std::snprintf(text, sizeof text,
                               "%06d SourceLines\n%06d Points\n%06d PolyLines\n\n%06d WritePolyLines",
                               int(sourceLines), int(points), int(polyLines), int(writePolyLines));
    return std::string(text, length > 0 ? size_t(length) : 0);
}
