#pragma once
// The application object: exactly one, a global constructed before WinMain,
// whose RunApplication gives it the instance and the command line and runs
// its start-up.
#include <windows.h>

#include <string>

class CDialog;

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // Start-up. Returning false ends the program at once instead of running
    // a message loop, as a program whose only window is a modal dialog does.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    // Commands that no window handled; true when handled here.
    virtual bool OnCommand(CDialog& source, UINT id);

    // Windows Help on the help file beside the program.
    bool WinHelp(HWND owner, UINT command, ULONG_PTR data);

    // The profile would live in HKEY_CURRENT_USER\Software\<company>\<application
    // name>. Only recorded: nothing is read or written there.
    void SetRegistryKey(const wchar_t* company);
    // The platform has drawn its controls in 3D itself since Windows 95.
    void Enable3dControls() {}

    static CApplication* Get() { return s_app; }

    HINSTANCE m_hInstance = nullptr;
    std::string m_strCmdLine;        // the command line after the program's name
    std::wstring m_strAppName;       // the program file's base name
    std::wstring m_strHelpFilePath;  // the program's path with the extension "HLP"
    std::wstring m_strRegistryKey;   // "Software\<company>\<application name>", or empty
    CDialog* m_pMainWnd = nullptr;

    // The help command; it shows the help topic of the dialog that sent it:
    // this base plus the dialog's template number.
    static constexpr UINT kHelpCommand = 57670;
    static constexpr ULONG_PTR kHelpResourceBase = 0x20000;

private:
    friend int RunApplication(HINSTANCE instance);
    static CApplication* s_app;
};

// The body of WinMain: sets up the application object and runs its start-up.
int RunApplication(HINSTANCE instance);
