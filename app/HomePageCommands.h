#pragma once
// "New Home Page ..." and "Home Page Wizard" (menu and toolbar): the modal
// Home page wizard, and on "Create it" the page written line by line into a
// new document.

#include <QString>

#include "HomePageGen.h"

class TmdiMain;
class TfHPWiz;
class TfHTML;

// A new untitled document holding the page, each line written at the caret
// as its own line; the document is modified and its tab selected.
TfHTML* createHomePage(TmdiMain& main, const homepage::Fields& fields, const QString& date);

// Today's date in the short form of the user's locale.
QString shortDateToday();

// Creates the wizard (hidden) and installs "NewHomePage1Click". Returns the
// wizard, owned by the main window.
TfHPWiz* installHomePageCommands(TmdiMain& main);
