// Destinations, outlines, annotations and the open action.

#include <gtest/gtest.h>

#include "files/PdfOutlines.h"
#include "tests/files/pdf_test_util.h"

namespace {

class PdfOutlinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDoc.SetUseOutlines(true);
    FDoc.NewDoc();
    FDoc.AddPage();
  }
  std::string Value(TPdfDestination* ADestination) {
    std::unique_ptr<TPdfArray> value(ADestination->GetValue());
    return Written(*value);
  }
  TPdfDoc FDoc;
};

TEST_F(PdfOutlinesTest, DestinationValues) {
  // With outlines the root is object 2 and the page object 5.
  TPdfDestination* destination = FDoc.CreateDestination();
  EXPECT_EQ("[5 0 R /XYZ 0 0 1 ]", Value(destination));
  destination->SetZoom(10);
  EXPECT_EQ("Zoom property cannot set to over 10.",
            MessageOf<EPdfInvalidValue>([&] { destination->SetZoom(10.5f); }));
  EXPECT_EQ("Zoom property cannot set to under 0.",
            MessageOf<EPdfInvalidValue>([&] { destination->SetZoom(-0.1f); }));
  EXPECT_EQ(10, destination->Zoom());
  destination->SetLeft(-5);
  EXPECT_EQ(-1, destination->Left());
  destination->SetTop(700);
  EXPECT_EQ("[5 0 R /XYZ -1 700 10 ]", Value(destination));
  destination->SetDestinationType(dtFitR);
  destination->SetRight(-1);
  destination->SetBottom(20);
  EXPECT_EQ("[5 0 R /FitR -1 20 null 700 ]", Value(destination));
  destination->SetDestinationType(dtFitBH);
  EXPECT_EQ("[5 0 R /FitBH 700 ]", Value(destination));
  destination->SetDestinationType(dtFit);
  EXPECT_EQ("[5 0 R /Fit ]", Value(destination));
  EXPECT_EQ(842, destination->PageHeight());
}

TEST_F(PdfOutlinesTest, DestinationsNeedADocumentWithAPage) {
  TPdfDoc empty;
  EXPECT_EQ("TPdfDestination --cannot destination object.",
            MessageOf<EPdfInvalidOperation>([&] { TPdfDestination d(&empty); }));
  EXPECT_EQ("TPdfDestination --cannot destination object.",
            MessageOf<EPdfInvalidOperation>([&] { TPdfDestination d(nullptr); }));
  empty.NewDoc();
  EXPECT_EQ("GetPage --the Page is nil",
            MessageOf<EPdfInvalidOperation>([&] { empty.CreateDestination(); }));
  EXPECT_EQ("CreateEntry --invalid parent.", MessageOf<Exception>([&] {
              TPdfOutlineEntry e(static_cast<TPdfOutlineEntry*>(nullptr));
            }));
}

TEST_F(PdfOutlinesTest, ChildrenCountUpToTheRoot) {
  TPdfOutlineRoot* root = FDoc.OutlineRoot();
  TPdfOutlineEntry* first = root->AddChild();
  TPdfOutlineEntry* second = root->AddChild();
  TPdfOutlineEntry* third = root->AddChild();
  EXPECT_EQ(3, root->Count());
  first->AddChild()->SetTitle(u"Grandchild");
  EXPECT_EQ(1, first->Count());
  EXPECT_EQ(4, root->Count());
  EXPECT_EQ(first, root->First());
  EXPECT_EQ(third, root->Last());
  EXPECT_EQ(second, first->Next());
  EXPECT_EQ(second, third->Prev());

  second->SetTitle(u"Second");
  second->SetOpened(true);
  second->SetDest(FDoc.CreateDestination());
  const std::string file = SavedDocument(FDoc);
  const std::string bodies[] = {
      "2 0 obj\r\n<<\r\n/Type /Outlines\r\n/Count 4\r\n/First 8 0 R\r\n/Last 10 0 R\r\n>>",
      "9 0 obj\r\n<<\r\n/Count 0\r\n/Title (Second)\r\n/Dest [5 0 R /XYZ 0 0 1 ]\r\n/Prev 8 0 R\r\n"
      "/Next 10 0 R\r\n>>",
      "8 0 obj\r\n<<\r\n/Count -1\r\n/Title ()\r\n/Next 9 0 R\r\n/First 11 0 R\r\n/Last 11 0 "
      "R\r\n>>",
      "11 0 obj\r\n<<\r\n/Count 0\r\n/Title (Grandchild)\r\n>>",
  };
  for (const std::string& body : bodies) EXPECT_NE(std::string::npos, file.find(body)) << body;
  EXPECT_NE(std::string::npos, file.find("/Outlines 2 0 R"));
}

TEST_F(PdfOutlinesTest, RootDataIsWrittenInPlaceOfItsReference) {
  // Written() of an indirect object gives its reference; the body is in the file.
  EXPECT_EQ("2 0 R", Written(*FDoc.OutlineRoot()->Data()));
}

TEST_F(PdfOutlinesTest, AnnotationsAndOpenAction) {
  TPdfDictionary* link = FDoc.CreateAnnotation(asLink, {10, 20, 30, 40});
  FDoc.CreateAnnotation(asTextNotes, {1, 2, 3, 4});
  FDoc.Root()->SetOpenAction(FDoc.CreateDestination());
  const std::string file = SavedDocument(FDoc);
  EXPECT_NE(std::string::npos,
            file.find("<<\r\n/Type /Annot\r\n/Subtype /Link\r\n/Rect [10 20 30 40 ]\r\n>>"));
  EXPECT_NE(std::string::npos, file.find("/Subtype /Text\r\n"));
  EXPECT_NE(std::string::npos,
            file.find("/Annots [" + std::to_string(link->ObjectNumber()) + " 0 R " +
                      std::to_string(link->ObjectNumber() + 1) + " 0 R ]"));
  EXPECT_NE(std::string::npos, file.find("/OpenAction [5 0 R /XYZ 0 0 1 ]"));
  FDoc.Root()->SetOpenAction(nullptr);
  EXPECT_EQ(std::string::npos, SavedDocument(FDoc).find("/OpenAction"));

  TPdfDoc empty;
  EXPECT_EQ("AddAnotation --document is null.",
            MessageOf<EPdfInvalidOperation>([&] { empty.CreateAnnotation(asLink, {}); }));
}

}  // namespace
