#include "controls/zr_path_data_designer.h"

#include "controls/zr_buttons.h"
#include "controls/zr_editor_forms.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_memo.h"
#include "controls/zr_objects_path.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_path.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TzrPathDataDesigner::TzrPathDataDesigner(TComponent* AOwner) : TForm(AOwner) {
  ReadEditorForm(this, "TZRPATHDATADESIGNER");
  FindEditorComponent(this, "zoRurev1", zoRurev1);
  FindEditorComponent(this, "Root1", Root1);
  FindEditorComponent(this, "labelMemo", labelMemo);
  FindEditorComponent(this, "PathData", PathData);
  FindEditorComponent(this, "previewLayout", previewLayout);
  FindEditorComponent(this, "Label3", Label3);
  FindEditorComponent(this, "previewPath", previewPath);
  FindEditorComponent(this, "Layout2", Layout2);
  FindEditorComponent(this, "Button2", Button2);
  FindEditorComponent(this, "Button3", Button3);
  FindEditorComponent(this, "Button1", Button1);
  // The preview follows every change of the text, typed or set.
  PathData->OnChangeTracking = [this](TObject* Sender) { PathDataChange(Sender); };
  Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
  Button2->OnClick = [this](TObject* Sender) { Button2Click(Sender); };
  Button3->OnClick = [this](TObject* Sender) { Button3Click(Sender); };
}

void TzrPathDataDesigner::PathDataChange(TObject*) {
  if (!previewLayout->GetVisible()) return;
  previewPath->GetPathData()->SetPathString(UTF16ToUTF8(PathData->GetText()));
  previewPath->Repaint();
}

void TzrPathDataDesigner::Button1Click(TObject*) {
  PathData->SelectAll();
  PathData->ClearSelection();
  PathData->PasteFromClipboard();
}

void TzrPathDataDesigner::Button2Click(TObject*) { SetModalResult(mrOk); }

void TzrPathDataDesigner::Button3Click(TObject*) { SetModalResult(mrCancel); }
