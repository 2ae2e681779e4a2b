#pragma once
// The command line of setup-preview.
#include <string>

#include "picture_folder.h"
#include "setup_state.h"

struct PreviewOptions {
    // The screen that setup would run on: the background's size, and the
    // one the ReadMe viewer must fit into. A fixed default, so that the
    // pictures are the same on every machine.
    int width = 1024;
    int height = 768;
    TextLanguage language = TextLanguage::System; // setup's own texts: by the OEM code page
    PictureFormat format = PictureFormat::Png;
    bool help = false;
    std::string folder; // holds Setup.ini
    std::string output;
};

inline constexpr char kPreviewUsage[] =
    "Usage: setup-preview [--size WIDTHxHEIGHT] [--lang ja|en] [--format png|bmp] FOLDER OUTPUT-FOLDER\n"
    "\n"
    "Draws what setup shows from FOLDER\\Setup.ini without installing anything:\n"
    "  background.png       the background screen ([Back]) at the screen's size\n"
    "  readme.png           a plain-text ReadMe or an agreement, with its buttons\n"
    "  readme-<page>.png    each drawn ReadMe page (File=ReadMe.Special) with its\n"
    "                       buttons: readme-install, readme-versionup,\n"
    "                       readme-uninstall, readme-2, ... and readme-default\n"
    "                       for the page from the second line\n"
    "A page is drawn over the pages the viewer shows before it, on the first way\n"
    "there from the page setup opens on. OUTPUT-FOLDER is made when missing.\n"
    "\n"
    "  --size     the screen setup runs on (default 1024x768)\n"
    "  --lang     setup's own texts, such as the agreement's buttons: Japanese or\n"
    "             English (default: Japanese when the OEM code page is 932, as\n"
    "             setup chooses). The script's texts are drawn in the system's\n"
    "             code page: run Japanese scripts with code page 932.\n"
    "  --format   png (default) or bmp\n"
    "\n"
    "Exit status: 0 done, 1 wrong arguments, 2 no folder or no Setup.ini in it,\n"
    "3 a picture or the output folder cannot be written.\n";

// False with the reason in `error` for an unknown option, a bad value or
// the wrong number of folders.
bool ParsePreviewOptions(int argc, char** argv, PreviewOptions& options, std::string& error);
