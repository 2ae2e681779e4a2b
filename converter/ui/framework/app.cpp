#include "app.h"

#include <commctrl.h>

#include <vector>

#include "command_tail.h"
#include "dialog.h"
#include "module_path.h"

CApplication* CApplication::s_app = nullptr;

CApplication::CApplication() { s_app = this; }

CApplication::~CApplication()
{
    if (s_app == this) s_app = nullptr;
}

bool CApplication::OnCommand(CDialog& source, UINT id)
{
    if (id != kHelpCommand) return false;
    WinHelp(source.GetSafeHwnd(), HELP_CONTEXT, kHelpResourceBase + source.HelpId());
    return true;
}

bool CApplication::WinHelp(HWND owner, UINT command, ULONG_PTR data)
{
    return ::WinHelpW(owner, m_strHelpFilePath.c_str(), command, data) != FALSE;
}

void CApplication::SetRegistryKey(const wchar_t* company)
{
    m_strRegistryKey = std::wstring(L"Software\\") + company + L"\\" + m_strAppName;
}

namespace {

std::wstring ModulePath(HINSTANCE instance)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(instance, buffer.data(), DWORD(buffer.size()));
        if (length == 0) return L"";
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        buffer.resize(buffer.size() * 2); // a long path: try again with room for it
    }
}

} // namespace

int RunApplication(HINSTANCE instance)
{
    CApplication* app = CApplication::s_app;
    if (!app) return 1;
    app->m_hInstance = instance;
    // Taken here rather than from MinGW's WinMain argument, which ends an
    // unquoted program name at its first byte above 0x7F and hands the rest
    // of the name over as arguments.
    app->m_strCmdLine = CommandLineTail(GetCommandLineA());
    std::wstring module = ModulePath(instance);
    app->m_strAppName = FileBaseName(module);
    app->m_strHelpFilePath = WithExtension(module, L"HLP");

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    if (app->InitInstance()) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return app->ExitInstance();
}
