#pragma once
// The drawing layer in one include: graphics, pens, brushes, paths, regions,
// matrices, images, fonts, string formats, codecs, streams and start-up.

#include "platform/gdiplus/GdiPlusBrush.h"
#include "platform/gdiplus/GdiPlusCodec.h"
#include "platform/gdiplus/GdiPlusFont.h"
#include "platform/gdiplus/GdiPlusGraphics.h"
#include "platform/gdiplus/GdiPlusImage.h"
#include "platform/gdiplus/GdiPlusMatrix.h"
#include "platform/gdiplus/GdiPlusPath.h"
#include "platform/gdiplus/GdiPlusPen.h"
#include "platform/gdiplus/GdiPlusRegion.h"
#include "platform/gdiplus/GdiPlusStartup.h"
#include "platform/gdiplus/GdiPlusStream.h"
#include "platform/gdiplus/GdiPlusStringFormat.h"
#include "platform/gdiplus/GdiPlusTypes.h"
