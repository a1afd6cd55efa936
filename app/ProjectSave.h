#pragma once
// The project's save question, shared by the project window and "Save Open
// as New Project": asks through the Prompter and writes the .qpr file.

#include "ProjectFile.h"

// True to go on, false to stop (the file dialog was cancelled or the file
// could not be written). Answering No goes on and leaves the project modified.
bool projectSaveQuestion(project::Project& p);
