#pragma once
// Loading optional libraries and reading data compiled into the program.

#include <string>

class TResourceStream;

using PlotModule = void*;

// A shared library by file name, or nil when it cannot be loaded; no
// message is shown either way.
PlotModule PlotLoadLibrary(const std::string& FileName);
void PlotFreeLibrary(PlotModule Module);
// The address of an exported entry, or nil.
void* PlotGetProcAddress(PlotModule Module, const std::string& Name);
// A stream over the raw data compiled into the program under Name, or nil
// when there is none. The caller frees it.
TResourceStream* PlotResourceStream(const std::string& Name);
