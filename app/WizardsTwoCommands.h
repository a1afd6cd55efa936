#pragma once
// The Java, URL, Body and browser-extension wizards: each one window,
// created hidden with the main window, shown by its commands, and sending
// its tags through tag insertion into the active document.

class TmdiMain;

void installWizardsTwoCommands(TmdiMain& main);
