#pragma once
// Runs a command line through the shell for tests that check files with
// outside tools (PDF checkers and renderers).

#include <string>

struct TRun {
  int Status;
  std::string Output;
};

// Runs ACommand; standard error joins the output. Status is pclose's, -1 when
// the command could not start.
TRun RunCommand(const std::string& ACommand);
