#include "copy_entry.h"

namespace {

bool TakeMark(const char*& p, char mark)
{
    if (*p != mark) return false;
    ++p;
    return true;
}

} // namespace

const char* TakeCopyMarks(const char* value, CopyMarks& marks)
{
    const char* p = value;
    marks.unlogged = TakeMark(p, '!');
    marks.keepNewer = TakeMark(p, '&');
    marks.replaceNewer = TakeMark(p, '?');
    marks.ignoreFailure = TakeMark(p, '*');
    return p;
}
