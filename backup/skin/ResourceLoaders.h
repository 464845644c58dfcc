#pragma once
// The program's own resources of type "BINRES" by number: skin pictures into image controls and
// icons, and UTF-16 text tables into string lists. Every id the program asks for exists; an id
// that does not leaves the control or list as it was.

#include "lists/string_list.h"
#include "ui/controls/image.h"
#include "ui/controls/picture.h"

void LoadPngResource(ui::TImage* image, int id);
void LoadGifResource(ui::TImage* image, int id);
void LoadIconResource(ui::TIcon& icon, int id);
// A picture that a form description holds itself: resource "FORMPIC" by its number.
void LoadFormPicture(ui::TPicture& picture, int number);
// Clears the list and loads the resource's lines (byte-order mark dropped).
void LoadTextResource(lists::TStringList& list, int id);
