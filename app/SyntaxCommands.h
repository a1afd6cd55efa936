#pragma once
// HTML colouring in the documents: View > Syntax Colouring, Edit > Goto >
// Matching Tag, and the colours kept in the settings section "Syntax Colours"
// ("Enabled", "Scheme" = Light or Dark, and one "#rrggbb[ bold][ italic]"
// entry per kind of text overriding the scheme's).

class TMegaRegistry;
class TmdiMain;
class TTextEditControl;
struct SyntaxStyles;

void installSyntaxCommands(TmdiMain& main);
// Sets a document's colouring and colours from the settings.
void applySyntaxSettings(TTextEditControl& edit, const TMegaRegistry& ini);

// The colours as the editing colours dialog edits them: as stored, or a
// built-in scheme; storing them shows them at once in every document.
SyntaxStyles storedSyntaxStyles(const TMegaRegistry& ini);
SyntaxStyles builtInSyntaxStyles(bool dark);
void storeSyntaxStyles(TmdiMain& main, const SyntaxStyles& styles);
