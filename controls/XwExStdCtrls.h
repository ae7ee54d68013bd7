#pragma once
// Adapter base of the add-on library's memo: the edit operations and a
// clipboard filter.

#include "controls/XwExAdapter.h"
#include "platform/vcl/StdCtrls.h"

class TXwExCustomMemo : public TXwExEditAdapter<TCustomMemo> {
 public:
  explicit TXwExCustomMemo(TComponent* AOwner) : TXwExEditAdapter<TCustomMemo>(AOwner) {}
  std::string ClassName() const override { return "TXwExCustomMemo"; }
};
