#pragma once
// The pages of a drawn ReadMe, and the way setup's viewer first reaches
// each: the viewer draws a page over the one shown before it, so a picture
// of a page that paints no background of its own shows what lies beneath.
// No operating system here.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

struct PageVisit {
    // "install", "versionup", "uninstall", the number, or "default": the
    // page from the second line, shown for an identifier no page carries
    // (when the first line begins no page of its own).
    std::string name;
    // The identifiers to show one after the other: the first where the
    // viewer opens, the others the actions of the buttons pressed on the way.
    std::vector<int> route;
    // From a start (install, version-up, installed copy) through page
    // buttons; otherwise the route is the page alone, on a black surface.
    bool reached = false;
    // The starts at which setup opens the viewer on this page.
    std::vector<std::string> opensAt;
};

// Every page of `lines` in the script's order, each reached the first way a
// breadth-first walk from the three starts finds (buttons in order 1 to 3).
// A page whose identifier an earlier page carries is never shown and is
// left out. In an agreement only button 3 changes the page.
std::vector<PageVisit> WalkPages(std::span<const std::string> lines, bool agreement);

// "install", "versionup", "uninstall", "none" or the number.
std::string PageName(int id);
