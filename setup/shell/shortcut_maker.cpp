#include "shortcut_maker.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "action_log.h"
#include "background.h"
#include "language.h"
#include "link_names.h"
#include "path_text.h"
#include "paths.h"
#include "script_keys.h"
#include "setup_state.h"

namespace {

// COM for the thread, for one shortcut.
class ComScope {
public:
    ComScope() : m_hr(CoInitialize(nullptr)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_hr)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT m_hr;
};

// An interface pointer released at the end of its scope.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef()
    {
        if (m_p) m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    void** Out() { return reinterpret_cast<void**>(&m_p); }

private:
    T* m_p = nullptr;
};

void ReportNoShellLink()
{
    if (g_setup.shellLinkFailureReported) return;
    g_setup.shellLinkFailureReported = true;
    char caption[kPathSize];
    ReadDisplayName(caption);
    MessageBoxA(GetActiveWindow(),
                Localized("ショートカットを作成できませんでした．\r\n(シェルリンクを使用できません)",
                          "Could not create the shortcuts.\r\n(The shell link is not available.)"),
                caption, MB_OK | MB_ICONWARNING);
    RepaintBackgroundWindow();
}

// A target or icon whose type the system does not know (a program not
// installed yet, where no type is registered for it) lies in the install
// folder as written.
void ResolveLinkPath(const char* value, const char* installFolder, char (&path)[kPathSize])
{
    ResolvePath(value, installFolder, path, true);
    if (path[0] == '\0' && CopyText(path, installFolder)) JoinPath(path, value);
}

void SetTarget(IShellLinkA* link, const char* section, const char* script, const char* installFolder)
{
    char value[kPathSize];
    char path[kPathSize];
    ReadProfileText(script, section, "Path", value);
    ResolveLinkPath(value, installFolder, path);
    link->SetPath(path);
}

// No `Icon`: none set, so that the shell shows the target's own icon (the
// resolver would make the install folder of an empty value).
void SetIcon(IShellLinkA* link, const char* section, const char* script, const char* installFolder)
{
    char value[kPathSize];
    char path[kPathSize];
    if (ReadProfileText(script, section, "Icon", value) == 0) return;
    ResolveLinkPath(value, installFolder, path);
    link->SetIconLocation(path, ReadProfileInt(script, section, "IconNo"));
}

void SetWorkingDirectory(IShellLinkA* link, const char* section, const char* script, const char* installFolder)
{
    char work[kPathSize];
    char folder[kPathSize];
    CopyText(folder, installFolder);
    if (ReadProfileText(script, section, "Work", work) != 0) {
        if (work[0] == '!') CopyText(folder, work + 1);
        else JoinPath(folder, work);
    }
    link->SetWorkingDirectory(folder);
}

// The shortcut saved, with its target, or why it was not.
void LogSaved(HRESULT saved, const char* linkPath, IShellLinkA* link)
{
    char target[kPathSize] = "";
    if (FAILED(saved)) {
        LogFailure(LogAct::LinkFailed, linkPath, static_cast<unsigned long>(saved));
        return;
    }
    link->GetPath(target, kPathSize, nullptr, SLGP_RAWPATH);
    LogAction(LogAct::Linked, linkPath, target);
}

} // namespace

ShortcutResult MakeShortcut(const char* linkPath, const char* section, const char* script, unsigned short hotKey)
{
    ComScope com;
    ComRef<IShellLinkA> link;
    HRESULT created = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Out());
    if (FAILED(created)) {
        LogFailure(LogAct::LinkFailed, linkPath, static_cast<unsigned long>(created));
        ReportNoShellLink();
        return ShortcutResult::NoShellLink;
    }
    link->SetShowCmd(ShowCommandFor(ReadProfileInt(script, section, "Show")));
    wchar_t widePath[kPathSize];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, kPathSize) == 0) return ShortcutResult::NotSaved;
    char arguments[kPathSize];
    ReadProfileText(script, section, "Arg", arguments);
    link->SetArguments(arguments);
    if (hotKey) link->SetHotkey(hotKey);

    char installFolder[kPathSize];
    ReadInstallFolder(installFolder, script);
    SetTarget(link.Get(), section, script, installFolder);
    SetIcon(link.Get(), section, script, installFolder);
    SetWorkingDirectory(link.Get(), section, script, installFolder);

    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out()))) return ShortcutResult::NotSaved;
    HRESULT saved = file->Save(widePath, TRUE);
    LogSaved(saved, linkPath, link.Get());
    return SUCCEEDED(saved) ? ShortcutResult::Saved : ShortcutResult::NotSaved;
}
