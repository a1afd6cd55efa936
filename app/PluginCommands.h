#pragma once
// "&Plug Ins .." (F10): the plug-ins window, made once and hidden between
// uses, shown beside the documents.

class TmdiMain;

void installPluginCommands(TmdiMain& main);
