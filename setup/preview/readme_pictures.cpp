#include "readme_pictures.h"

#include <cstdio>
#include <string>

#include "page_walk.h"
#include "readme_view.h"
#include "resource.h"
#include "script.h"

namespace {

INT_PTR CALLBACK UnseenViewerProc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return FALSE;
    }
    auto* view = reinterpret_cast<ReadmeView*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!view || !view->OnPaintMessage(message)) return FALSE;
    if (message == WM_ERASEBKGND) SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

// The viewer's dialog with a ReadmeView in it, shown fully transparent: the
// system paints it, buttons, frames and scroll bars included, as on the
// screen, and nobody sees it. Its pictures are copied from its own surface.
// One window serves every picture: under Wine without a window manager,
// each window that goes away costs two seconds.
class UnseenViewer {
public:
    UnseenViewer()
    {
        m_window = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_README), nullptr,
                                      UnseenViewerProc, reinterpret_cast<LPARAM>(&m_view));
    }
    ~UnseenViewer()
    {
        if (m_window) DestroyWindow(m_window);
        m_view.Release();
    }
    UnseenViewer(const UnseenViewer&) = delete;
    UnseenViewer& operator=(const UnseenViewer&) = delete;

    ReadmeView::Content Open(const RECT& screen, int firstPage)
    {
        if (!m_window) return ReadmeView::Content::Nothing;
        ReadmeView::Content content = m_view.Open(m_window, screen, firstPage);
        // At the top-left of the real screen, where all of it is painted.
        SetWindowLongPtrA(m_window, GWL_EXSTYLE,
                          GetWindowLongPtrA(m_window, GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TOOLWINDOW);
        SetLayeredWindowAttributes(m_window, 0, 0, LWA_ALPHA);
        SetWindowPos(m_window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        return content;
    }
    ReadmeView& View() { return m_view; }

    // The client area as the viewer shows it now.
    bool Save(const PictureFolder& pictures, const std::string& name, const std::string& about)
    {
        RedrawWindow(m_window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT client;
        GetClientRect(m_window, &client);
        HDC dc = GetDC(m_window);
        bool saved = pictures.Save(name, dc, client.right, client.bottom, about);
        ReleaseDC(m_window, dc);
        return saved;
    }

private:
    HWND m_window = nullptr;
    ReadmeView m_view;
};

std::string Joined(const std::vector<std::string>& words, const char* separator)
{
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : separator) + word;
    return text;
}

std::string AboutPage(const PageVisit& page)
{
    std::string about = page.name == "default" ? "the page from the second line (for identifiers no page carries)"
                                               : "page " + page.name;
    if (!page.opensAt.empty()) about += "; the viewer opens on it at " + Joined(page.opensAt, ", ");
    if (page.reached && page.route.size() > 1) {
        std::vector<std::string> steps;
        for (int id : page.route) steps.push_back(PageName(id));
        about += "; reached by " + Joined(steps, " > ") + ", drawn over the pages before it";
    }
    if (!page.reached) about += "; no button leads to it: drawn alone";
    return about;
}

// Each page opened where its route begins and led along it, so that it lies
// over what the viewer showed before.
bool SavePages(UnseenViewer& viewer, const RECT& screen, const PictureFolder& pictures)
{
    const std::vector<std::string> lines(viewer.View().PageLines().begin(), viewer.View().PageLines().end());
    for (const PageVisit& page : WalkPages(lines, viewer.View().Agreement())) {
        viewer.Open(screen, page.route.front());
        for (size_t i = 1; i < page.route.size(); ++i) viewer.View().ShowReadmePage(page.route[i]);
        if (!viewer.Save(pictures, "readme-" + page.name, AboutPage(page))) return false;
    }
    return true;
}

} // namespace

bool SaveReadmePictures(const RECT& screen, const PictureFolder& pictures)
{
    char file[kPathSize];
    if (ReadScriptText("Readme", "File", file) == 0) {
        std::printf("no ReadMe: [Readme] File is empty\n");
        return true;
    }
    UnseenViewer viewer;
    switch (viewer.Open(screen, kPageInstall)) {
    case ReadmeView::Content::Pages:
        return SavePages(viewer, screen, pictures);
    case ReadmeView::Content::Text:
        return viewer.Save(pictures, "readme",
                           std::string(viewer.View().Agreement() ? "the agreement " : "the ReadMe ") + file);
    case ReadmeView::Content::Nothing:
        break;
    }
    if (viewer.View().Agreement()) {
        std::fprintf(stderr, "setup-preview: warning: the agreement %s cannot be read: setup says so and ends\n", file);
        return true;
    }
    std::fprintf(stderr, "setup-preview: warning: the ReadMe %s cannot be read: the viewer shows nothing\n", file);
    return viewer.Save(pictures, "readme", std::string("the ReadMe ") + file + ", which cannot be read");
}
