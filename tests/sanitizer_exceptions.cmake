# Read by CTest after the discovered tests: what the sanitizer build's tests
# need beyond the test command's settings.
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
