#pragma once
// The project window's commands: "Open Project Window ..." shows it modally;
// "Save Open as New Project ..." shows it without blocking, holding the open
// documents, and saves that project.

class TfProj;
class TmdiMain;

void SaveOpenasNewProject1Click(TmdiMain& main, TfProj& projects);

void installProjectCommands(TmdiMain& main);
