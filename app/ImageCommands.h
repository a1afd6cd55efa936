#pragma once
// The image browser on the main window: Insert > Images > "&Pick ...",
// Wizards > "&Image Wizard" and the Tags toolbar's "Image Wizard" show it;
// its OK inserts the IMG pair into the active document. Tools > "Quillmar
// &File Tools" shows the file tools window.

class TmdiMain;

// Installs the handlers. Call once, before the window is shown
// (installAllCommands does).
void installImageCommands(TmdiMain& main);
