#pragma once
// The Java, URL, Body and browser-extension wizards: each one window,
// created hidden with the main window, shown by its commands, and sending
// its tags through tag insertion into the active document.

#include <QString>

class TmdiMain;

// The Body wizard's tag into the active document: an existing BODY tag is
// found from the top and, if the user agrees, replaced; kept, it follows the
// new tag. Nothing, and no question, without a document.
void insertBodyTag(TmdiMain& main, const QString& tag);

void installWizardsTwoCommands(TmdiMain& main);
