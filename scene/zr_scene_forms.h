#pragma once
// Forms read from their form resources: the binary object stream that the
// build makes from a text form under resources/forms/ (esc_object_stream),
// read into an existing form. Errors of content (an unknown class or
// property) skip that entry and are collected; a missing resource raises
// EResNotFound and a corrupt stream EReadError.

#include <string>
#include <vector>

class TComponent;
class TStream;

// Reads the resource ResName into Form; answers the messages of the entries
// that were skipped (empty when the form loaded cleanly).
std::vector<std::string> ReadFormResource(TComponent* Form, const std::string& ResName);
// The same from a stream holding the binary form.
std::vector<std::string> ReadFormStream(TComponent* Form, TStream* Stream);
