#pragma once
// "Forms Wizard" (menu and toolbars): shows the one Forms wizard window and
// takes the elements it sends into the active document.

#include "FormsGen.h"

class TmdiMain;
class TfFormWiz;

// Sends an element into the active document: a pair through tag insertion;
// the text box, the selection list and the predefined form with their lines
// typed at the caret as written. Lines typed in never replace a selection:
// the element goes after it. False when no document is open.
bool sendFormElement(TmdiMain& main, const formsgen::Element& element);

// Creates the wizard (hidden) and installs "FormsWizard1Click". Returns the
// wizard, owned by the main window.
TfFormWiz* installFormsWizardCommands(TmdiMain& main);
