// TzrImageThread: one picture file loaded on a worker thread.

#include "controls/zr_image_thread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "controls/zr_objects_text.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_filter.h"
#include "scene/zr_object.h"

TzrImageThread::TzrImageThread(TzrImage* AImage, const std::string& AFileName, bool AUseThumbnails)
    : TThread(true),
      FImage(AImage),
      FWatch(std::make_unique<TzrFreeWatch>(AImage)),
      FFileName(AFileName),
      FUseThumbnails(AUseThumbnails),
      FFitWidth(AImage ? AImage->GetWidth() : 0),
      FFitHeight(AImage ? AImage->GetHeight() : 0) {
  SetPriority(tpIdle);
}

TzrImageThread::~TzrImageThread() {
  // Runs on the GUI thread: a hand-over waiting there runs (and does
  // nothing, the thread being told to stop) before the watch goes.
  StopAndWait();
}

void TzrImageThread::Execute() {
  NameThreadForDebugging("image loader");
  // Lowering the own thread's priority needs no privilege.
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
  FTempBitmap = std::make_unique<TzrBitmap>();
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (!filter || Terminated()) return;
  const bool loaded =
      FUseThumbnails && FFitWidth > 0 && FFitHeight > 0
          ? filter->LoadThumbnailFromFile(FFileName, FFitWidth, FFitHeight, true, *FTempBitmap)
          : filter->LoadFromFile(FFileName, 0, *FTempBitmap);
  if (!loaded || Terminated()) return;
  Synchronize([this] { HandOver(); });
}

void TzrImageThread::HandOver() {
  if (!Terminated() && !FWatch->Freed() && FImage && FTempBitmap) {
    FImage->SetBitmap(FTempBitmap.get());
    FHandedOver = true;
  }
  FTempBitmap.reset();
}
