#pragma once
// A picture control that shows its picture through a list of filters, with
// the filtered picture kept until the picture or the list changes.

#include <memory>

#include "chart/PlotFilter.h"
#include "platform/vcl/Image.h"

class TReader;
class TWriter;

class TImageFiltered : public TImage {
 public:
  explicit TImageFiltered(TComponent* AOwner);
  ~TImageFiltered() override;
  std::string ClassName() const override { return "TImageFiltered"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies the filters of another filtered image, then the picture.
  void Assign(TPersistent* Source) override;
  // The stream entry "FilterItems" when there are filters.
  void DefineProperties(TFiler* Filer) override;

  TFilterItems* GetFilters() { return FFilters.get(); }
  // Copies Value into the list and drops the kept picture.
  void SetFilters(TFilterItems* Value);
  // The picture with every enabled filter applied, kept until the picture
  // or the list changes; nil without a picture.
  TBitmap* Filtered();

 protected:
  void Paint() override;
  void PictureChanged(TObject* Sender) override;

 private:
  void FilterChanged(TObject* Sender);
  bool FiltersStored() const { return FFilters && FFilters->Count() > 0; }

  std::unique_ptr<TFilterItems> FFilters;
  std::unique_ptr<TBitmap> IFilteredPicture;
  bool IAssigning = false;
};
