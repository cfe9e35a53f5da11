#pragma once

#include <QString>

namespace qv {

// What the main exam window's help menu does. None of these touches the exam state.

// Opens Help.CHM from the program's folder with the desktop's handler (the F1 key on a set
// help file, on this platform).
void openHelpFile();

// Opens one page of the program's site (a path such as "/tovo/ksdg.asp") in the browser. The
// site ships with the program and is served offline; failures are ignored.
void openSitePage(const QString& path);

// Shows the About box modally.
void showAboutBox();

}  // namespace qv
