#pragma once
// The pictures of the ReadMe viewer for the running script, taken from the
// viewer's own dialog laid out and painted by ReadmeView: the text or the
// agreement as "readme", each drawn page as "readme-<page>".
#include <windows.h>

#include "picture_folder.h"

// The viewer as it opens on a screen of `screen`'s size. False when a
// picture could not be written.
bool SaveReadmePictures(const RECT& screen, const PictureFolder& pictures);
