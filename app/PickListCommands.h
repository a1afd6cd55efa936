#pragma once
// The pick-list tool windows on the main window: "HTML &Tags Chooser" (F3),
// "&Symbol ...", the URL Library ("&Pick from Library ..." and "URL
// &Library"), "&Color Chooser ..." (F7) and "Display &Note Pad" (F5), each
// made once and hidden between uses, and the tip of the day at start-up.

class TmdiMain;

// Installs the handlers named above and the tip-of-the-day handler. Call
// once, before the window is shown (installAllCommands does).
void installPickListCommands(TmdiMain& main);
