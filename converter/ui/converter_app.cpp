#include "converter_app.h"

#include "command_line.h"
#include "converter_dlg.h"
#include "resource.h"

static_assert(ID_HELP == CApplication::kHelpCommand, "the help button sends the framework's help command");

CConverterApp theApp;

bool CConverterApp::InitInstance()
{
    SetRegistryKey(L"By Harnel");
    Enable3dControls();

    CConverterDlg dialog;
    m_pMainWnd = &dialog;

    std::string rest = m_strCmdLine;
    std::string token;
    dialog.m_bAutoRun = 0;
    if (NextToken(token, rest)) {
        dialog.m_strSource = token;
        if (NextToken(token, rest)) {
            dialog.m_strOutput = token;
            dialog.m_bAutoRun = 1;
        }
    }
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // No message loop: the program ends with the dialog.
    return false;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return RunApplication(instance);
}
