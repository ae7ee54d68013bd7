#pragma once
// TzrImageThread: loads one picture file for an image list box entry on a
// worker thread at idle priority and hands the bitmap to the entry's image
// on the GUI thread.
//
// The worker touches only its own bitmap and the file. The hand-over runs
// on the GUI thread and does nothing once the target image is gone or the
// thread was told to stop, so a list that frees its entries (Clear) while
// loads run receives no late result. The thread does not free itself: its
// list owns it and waits for it (or stops it) before the list goes.

#include <memory>
#include <string>

#include "platform/rtl/Thread.h"

class TzrBitmap;
class TzrFreeWatch;
class TzrImage;

class TzrImageThread : public TThread {
 public:
  // Created suspended, idle priority; the image's size at this moment is the
  // box a thumbnail is fitted into. Call on the GUI thread.
  TzrImageThread(TzrImage* AImage, const std::string& AFileName, bool AUseThumbnails);
  ~TzrImageThread() override;
  std::string ClassName() const override { return "TzrImageThread"; }

  // Whether the loaded bitmap reached the image.
  bool GetHandedOver() const { return FHandedOver; }

 protected:
  void Execute() override;

 private:
  // GUI thread: the image takes a copy of the loaded bitmap.
  void HandOver();

  TzrImage* FImage;
  std::unique_ptr<TzrFreeWatch> FWatch;
  std::unique_ptr<TzrBitmap> FTempBitmap;
  std::string FFileName;
  bool FUseThumbnails;
  float FFitWidth;
  float FFitHeight;
  bool FHandedOver = false;
};
