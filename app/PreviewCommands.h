#pragma once
// The handlers of Web Preview (F9), Print and Print Setup, and the one
// preview window they share.

class TmdiMain;
class TfPreview;

void installPreviewCommands(TmdiMain& main);

// The preview window of this main window (created on first use, so the
// browser engine starts only when a preview is asked for).
TfPreview& previewWindow(TmdiMain& main);
