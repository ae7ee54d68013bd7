#pragma once
// A main window with a motor analyzer behind the simulated adapter, the
// start button's captions in its language file, and a scratch folder for
// record files.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/link/link_fixture.h"
#include "tests/support/SimAnalyzer.h"

class TzrStringGrid;
class TTestRurev;

class AnalyzerFixture : public LinkFixture {
 protected:
  AnalyzerFixture();
  ~AnalyzerFixture() override;

  // Plugs the analyzer holding these samples and runs the arrival.
  TSimAnalyzer& PlugAnalyzer(const std::vector<TSimLogSample>& samples);

  // Cell text as UTF-8.
  static std::string Cell(TzrStringGrid* grid, int col, int row);
  // Columns 1 to 3 of a row joined by blanks ("5000 12.00 1.00").
  static std::string Row(TzrStringGrid* grid, int row);
  // The statistics table, row by row, joined by blanks and " | ".
  std::string Stats() const;

  // Repaints the plot grid asked of the scene it sits in.
  int PlotRepaints() const;

  std::string Path(const std::string& name) const;
  static std::string ReadFile(const std::string& path);
  static void WriteFile(const std::string& path, const std::string& text);

  TSimAnalyzer* Analyzer = nullptr;
  std::unique_ptr<TTestRurev> Scene;
  std::filesystem::path Folder;
};
