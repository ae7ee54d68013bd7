#pragma once
// The chart library's hooks and shell link: translation of a form's texts,
// the download of an address (used by the exception report), and opening
// an address in the desktop's browser. The program sets no hook.

#include <functional>
#include <string>
#include <vector>

class TComponent;
class TStream;
typedef struct _GtkWidget GtkWidget;

// Translates a whole form, leaving out the listed children.
extern std::function<void(TComponent* Control, const std::vector<TComponent*>& ExcludeChilds)>
    PlotTranslateHook;
// Fetches URL and writes the reply into Target.
extern std::function<void(const std::string& URL, TStream& Target)> PlotDownloadURLProc;

// Calls PlotTranslateHook when it is set; else nothing.
void PlotTranslateControl(TComponent* Control);
void PlotTranslateControl(TComponent* Control, const std::vector<TComponent*>& ExcludeChilds);

// Asks the desktop to open URL (at most 255 characters are passed); Handle
// names the owner window and may be nil. The desktop's answer is ignored.
void PlotGotoURL(GtkWidget* Handle, const std::string& URL);
