# Read by CTest after the discovered tests: what single tests need beyond the
# test command's settings.
#
# Cairo's SVG surface keeps the recordings it was given as sources once a
# second recording is written in one process (cairo 1.16), so the SVG export
# tests (and the vector context's SVG figures, whose hatches are recordings)
# run without the leak check.
foreach(svg_test PanelMetafile.SizesAndSvgFiles PanelMetafile.SvgOnTheClipboard
                 PanelMetafile.ShapesAreSvgPaths VectorDC.FiguresReachSvgAsOutlines)
  set_tests_properties(${svg_test} PROPERTIES
    ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=string_append::detect_leaks=0")
endforeach()

# The web view is a window of its own that a window manager's reparenting
# keeps out of the main window's screenshot, which this test reads pixel by
# pixel: it runs on a display without a window manager (the test command runs
# the tests labelled bare_display there).
set_tests_properties(HelpGallery.TheWebViewShowsTheHelpStartPage PROPERTIES
  LABELS "test_app;bare_display")
