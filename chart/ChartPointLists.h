#pragma once
// Per-point lists of a series that exist only once used: text labels and
// pictures. Both may be shorter than the point count; points past their
// end have an empty label and no picture.

#include <string>
#include <vector>

#include "chart/PlotPicture.h"
#include "platform/rtl/Classes.h"

class TChartSeries;

class TLabelsList : public TObject {
 public:
  explicit TLabelsList(TChartSeries* ASeries) : Series(ASeries) {}

  std::string GetLabel(int Index) const;
  // A text grows the list to hold Index; an empty text only empties an
  // existing entry. Repaints the series.
  void SetLabel(int Index, const std::string& Text);
  // Puts Text at Index, moving the later labels up. An empty text into an
  // empty list only records that an empty label was given.
  void InsertLabel(int Index, const std::string& Text);
  // Index lies within the list.
  void DeleteLabel(int Index);
  void Exchange(int Index1, int Index2);
  // Case is ignored unless ACaseSensitive; -1 when absent.
  int IndexOfLabel(const std::string& Text, bool ACaseSensitive = false) const;
  int Count() const { return static_cast<int>(List.size()); }
  void Clear();
  void Resize(int Count) { List.resize(static_cast<size_t>(Count)); }
  void Assign(const TLabelsList& Source);

  bool GetCaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  std::vector<std::string> List;
  TChartSeries* Series;
  // An empty label was set or inserted since the last Clear.
  bool IAnyEmpty = false;

 private:
  void RepaintSeries();
  bool FCaseSensitive = false;
};

class TPlotPictureList : public TObject {
 public:
  explicit TPlotPictureList(TChartSeries* ASeries) : Series(ASeries) {}
  ~TPlotPictureList() override;
  TPlotPictureList(const TPlotPictureList&) = delete;
  TPlotPictureList& operator=(const TPlotPictureList&) = delete;

  // Nil outside the list.
  TPlotPicture* Get(int Index) const;
  // Frees the picture at Index when owning; a picture grows the list to
  // hold Index, nil only empties an existing entry. Repaints the series.
  void Put(int Index, TPlotPicture* Picture);
  // Nil into an empty list does nothing; no repaint.
  void Insert(int Index, TPlotPicture* Picture);
  void Delete(int Index);
  void Clear();
  void Exchange(int Index1, int Index2);
  int IndexOf(const TPlotPicture* Picture) const;
  int Count() const { return static_cast<int>(List.size()); }
  // Copies of the source's pictures at the same indexes.
  void Assign(const TPlotPictureList& Source);

  static TPlotPicture* Copy(TPlotPicture* Picture);
  static TPlotPicture* FromGraphic(TGraphic* Graphic);

  std::vector<TPlotPicture*> List;
  TChartSeries* Series;
  bool OwnsPictures = true;
  bool Stored = true;
};

// A picture wrapped as a component, for streams of per-point pictures.
class TPlotPictureComponent : public TComponent {
 public:
  explicit TPlotPictureComponent(TComponent* AOwner = nullptr);
  // Wraps an existing picture; no owner.
  static TPlotPictureComponent* CreateFrom(TPlotPicture* Picture);
  ~TPlotPictureComponent() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TPlotPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPlotPicture* Value);
  // Hands the picture over; the component then frees nothing.
  TPlotPicture* DetachPicture();

 private:
  TPlotPicture* FPicture = nullptr;
};
