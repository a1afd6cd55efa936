#pragma once
// "New from Template ...": the template chooser, made once and hidden between
// uses, and the document it starts.

#include <string>
#include <vector>

class TfHTML;
class TmdiMain;

// A new untitled document holding the lines, each followed by a line break,
// unmodified and with no undo history.
TfHTML* NewDocumentFromTemplate(TmdiMain& main, const std::vector<std::string>& lines);

void installTemplateCommands(TmdiMain& main);
