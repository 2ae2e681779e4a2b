#include "page_walk.h"

#include <deque>

#include "readme_pages.h"
#include "script_line.h"

namespace {

constexpr int kStarts[] = {kPageInstall, kPageVersionUp, kPageUninstall};

struct Page {
    size_t start; // the line after the page line: what FindPageStart gives
    int id;       // an identifier that shows this page
    PageVisit visit;
};

Page MakePage(size_t start, int id, std::string name)
{
    Page page{start, id, {}};
    page.visit.name = std::move(name);
    return page;
}

// The pages in the script's order: the page from the second line when the
// first line is no page line of its own, then each page line whose
// identifier no earlier one carries.
std::vector<Page> ListPages(std::span<const std::string> lines)
{
    std::vector<Page> pages;
    const size_t fallback = lines.empty() ? 0 : 1; // where an identifier no page carries leads
    for (size_t i = 0; i < lines.size(); ++i) {
        ScriptLine line = ParseScriptLine(lines[i].c_str());
        if (line.command != Command::Page) continue;
        int id = PageIdentifier(line.arguments);
        if (FindPageStart(lines, id) == i + 1) pages.push_back(MakePage(i + 1, id, PageName(id)));
    }
    if (pages.empty() || pages.front().start != fallback) {
        // Any identifier that no page carries opens it.
        int id = kActionNone - 1;
        while (FindPageStart(lines, id) != fallback) --id;
        pages.insert(pages.begin(), MakePage(fallback, id, "default"));
    }
    return pages;
}

Page& PageAt(std::vector<Page>& pages, size_t start)
{
    for (Page& page : pages)
        if (page.start == start) return page;
    return pages.front(); // not reached: every start FindPageStart gives is listed
}

} // namespace

std::vector<PageVisit> WalkPages(std::span<const std::string> lines, bool agreement)
{
    std::vector<Page> pages = ListPages(lines);
    std::deque<Page*> queue;
    auto visit = [&](Page& page, std::vector<int> route) {
        if (page.visit.reached) return;
        page.visit.reached = true;
        page.visit.route = std::move(route);
        queue.push_back(&page);
    };
    for (int start : kStarts) {
        Page& page = PageAt(pages, FindPageStart(lines, start));
        page.visit.opensAt.push_back(PageName(start));
        visit(page, {start});
    }
    while (!queue.empty()) {
        Page& from = *queue.front();
        queue.pop_front();
        PageButton buttons[kPageButtons];
        ReadPageButtons(lines, from.start, buttons);
        for (int i = agreement ? kPageButtons - 1 : 0; i < kPageButtons; ++i) {
            if (buttons[i].action < kPageUninstall) continue; // hidden
            std::vector<int> route = from.visit.route;
            route.push_back(buttons[i].action);
            visit(PageAt(pages, FindPageStart(lines, buttons[i].action)), std::move(route));
        }
    }
    std::vector<PageVisit> visits;
    for (Page& page : pages) {
        if (!page.visit.reached) page.visit.route = {page.id};
        visits.push_back(std::move(page.visit));
    }
    return visits;
}

std::string PageName(int id)
{
    switch (id) {
    case kPageInstall: return "install";
    case kPageVersionUp: return "versionup";
    case kPageUninstall: return "uninstall";
    case kActionNone: return "none";
    }
    return std::to_string(id);
}
