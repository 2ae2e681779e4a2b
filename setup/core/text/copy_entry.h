#pragma once
// The marks in front of a copy entry of section CopyFile. Each mark counts
// at most once and only in this order: "!" not logged, "&" keep a
// destination that is the same age or newer, "?" replace it without
// asking, "*" a failed copy is not reported. A "!" after them belongs to
// the path (a literal absolute path).

struct CopyMarks {
    bool unlogged = false;      // "!"
    bool keepNewer = false;     // "&"
    bool replaceNewer = false;  // "?"
    bool ignoreFailure = false; // "*"
};

// Returns the entry path behind the marks and sets `marks` from them.
const char* TakeCopyMarks(const char* value, CopyMarks& marks);
