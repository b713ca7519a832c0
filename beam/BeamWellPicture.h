// The pictures of the grid beam's pages and full report: the field outline, the beams in red with
// their labels (A1 … from the left and right edges inward, B1 … from the top and bottom edges
// inward; "A", "B" for a family with one distinct beam) and the chains of the a and b dimensions.
// Each picture has the bitmap id of its (vertical, horizontal) panel counts and is drawn on demand.
#pragma once

#include "mfc/gdi/GdiObjects.h"
#include "win/WinTypes.h"

// The picture id of a grid, or 0 for a pair of counts that has no picture (no coefficient table).
int BeamWellPictureId(int nVertical, int nHorizontal);

// Draws the picture nPictureId into bitmap (which must be empty); FALSE for an unknown id.
BOOL CreateBeamWellPicture(CBitmap& bitmap, int nPictureId);

class CDialog;

// Shows picture nPictureId in the page's picture control (IDC_BW_PICTURE); bitmap holds it from
// then on, the picture it held before is deleted. An unknown id leaves the control empty.
void ShowBeamWellPicture(CDialog& page, CBitmap& bitmap, int nPictureId);
