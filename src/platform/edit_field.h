#pragma once

class QLineEdit;

namespace tarvo {

// After the program writes a text box or a list's edit field: the start of the text is
// in view (a long number shows its whole degrees, not its last digits), and when the
// field has the keyboard focus its text up to the trailing padding is selected, so that
// typing replaces the name instead of landing after the spaces that pad stored names.
// The controls call it again when the focus arrives (not by a mouse click, which places
// the cursor itself) while the program's text is still unedited.
void ShowProgramText(QLineEdit& edit, bool focused);

}  // namespace tarvo
