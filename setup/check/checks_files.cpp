// Files that setup takes from beside itself: the product's files, its own
// file, the ReadMe, the drawing's bitmaps, metafiles and texts, the dialog
// icon; and the Start-menu entries that LastGo opens.
#include <string>

#include "bmp_layout.h"
#include "copy_entry.h"
#include "emf_records.h"
#include "numbered_key.h"
#include "path_text.h"
#include "script_check.h"
#include "script_checker.h"
#include "script_vocabulary.h"

namespace {

constexpr size_t kMaxDrawingFile = 64u << 20; // the drawing reads no larger file

bool IsSpecialReadme(const std::string& file)
{
    return EqualsNoCase(file.c_str(), file.size(), "ReadMe.Special");
}

} // namespace

void ScriptChecker::CheckCopySources()
{
    for (int index = kCopyFileEntries.first;; ++index) {
        std::string value = Read(kCopyFileEntries.section, KeyNumber(index));
        if (value.empty()) break;
        CopyMarks marks;
        std::string path = TakeCopyMarks(value.c_str(), marks);
        if (!m_folder.Find(path))
            Report(LineOf(kCopyFileEntries.section, KeyNumber(index)), marks.ignoreFailure ? Severity::Warning : Severity::Error,
                   path + " is not there beside the script: the copy fails" +
                       (marks.ignoreFailure ? std::string(" (marked \"*\": without a report)") : std::string()));
    }
    std::string self = Read(kCopyFileEntries.section, "Self");
    if (!self.empty() && IsRelativePath(self.c_str()) && !m_folder.Find(self))
        Report(LineOf(kCopyFileEntries.section, "Self"), Severity::Error,
               self + " is not there beside the script: with the Copy option the install logs a file it could not copy");
}

void ScriptChecker::CheckReadme()
{
    int done = m_script.ReadInt("Readme", "Done", 0);
    bool agreement = m_script.ReadInt("Go", "Agree", 0) != 0;
    std::string file = Read("Readme", "File");
    if (file.empty()) {
        if (agreement)
            Report(LineOf("Go", "Agree"), Severity::Error, "an agreement without [Readme] File: setup says so and ends");
        else if (done != 0)
            Report(LineOf("Readme", "Done"), Severity::Warning, "the ReadMe button shows, but [Readme] names no File");
        return;
    }
    if (agreement && done != 2)
        Report(LineOf("Go", "Agree"), Severity::Warning,
               "an agreement is shown only with [Readme] Done=2: setup never asks for it");
    if (IsSpecialReadme(file) || !IsRelativePath(file.c_str()) || file[0] == '%') return;
    if (!m_folder.Find(file))
        Report(LineOf("Readme", "File"), agreement ? Severity::Error : Severity::Warning,
               file + " is not there beside the script: " +
                   (agreement ? "setup says it cannot open the agreement and ends" : "the ReadMe shows empty"));
}

void ScriptChecker::CheckDrawingFiles()
{
    ForEachDrawingLine([&](int at, const std::string& line, bool) {
        const char* file = FileOfScriptLine(line.c_str());
        if (!file || !*file || !IsRelativePath(file) || file[0] == '%') return;
        std::string bytes;
        if (!m_folder.Read(file, bytes, kMaxDrawingFile)) {
            Report(at, Severity::Warning,
                   std::string(file) + " is not there beside the script (or larger than 64 MiB): the line draws nothing");
            return;
        }
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        BmpLayout layout;
        std::string word = line.substr(0, line.find(','));
        if (EqualsNoCase(word.c_str(), word.size(), "bitmap") && !ReadBmpLayout(data, bytes.size(), layout))
            Report(at, Severity::Warning,
                   std::string(file) + " is no BMP that setup draws (1, 4, 8 or 24 bits, uncompressed, whole): "
                                       "the line draws nothing");
        if (EqualsNoCase(word.c_str(), word.size(), "meta") && !EnhancedMetafileIsWhole(data, bytes.size()))
            Report(at, Severity::Warning, std::string(file) + " is no whole enhanced metafile: the line draws nothing");
    });
}

void ScriptChecker::CheckIconAndLastGo()
{
    std::string icon = Read("Desktop", "Icon");
    if (!icon.empty() && IsRelativePath(icon.c_str()) && icon[0] != '%' && !m_folder.Find(icon))
        Report(LineOf("Desktop", "Icon"), Severity::Warning,
               icon + " is not there beside the script: the setup dialog shows no icon");

    for (int index = kLastGoEntries.first;; ++index) {
        std::string name = Read(kLastGoEntries.section, KeyNumber(index));
        if (name.empty()) break;
        bool listed = false;
        for (int entry = 0;; ++entry) {
            std::string menuName = Read(NameWithNumber(kMenuSections.prefix, entry), kMenuSections.endKey);
            if (menuName.empty()) break;
            listed = listed || (menuName.size() == name.size() && EqualsNoCase(menuName.c_str(), name.size(), name.c_str()));
        }
        if (!listed)
            Report(LineOf(kLastGoEntries.section, KeyNumber(index)), Severity::Warning,
                   name + " is the Name of no [Menu%d] section: nothing is opened for it");
    }
}
