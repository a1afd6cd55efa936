#include "TemplateCommands.h"

#include "FileCommands.h"
#include "ModalRunner.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TfTemplate.h"
#include "Templates.h"
#include "TmdiMain.h"

TfHTML* NewDocumentFromTemplate(TmdiMain& main, const std::vector<std::string>& lines) {
    TfHTML* doc = newUntitledDocument(main);
    doc->bringToFront();
    main.TabsUpdate(doc->caption());
    main.SelectTabName(doc->caption());
    main.SetStatusText(QStringLiteral("Created a New HTML Document from Template..."));
    TTextEditControl* text = doc->txtHTML();
    text->ClearAll();
    doc->useNewDocumentLineEnds();
    // All lines go in as one insertion at the caret: the same text as line
    // by line, without an undo step per line.
    text->InsertText(std::string_view(templates::documentText(lines)));
    text->setModified(false);
    return doc;
}

void installTemplateCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    auto* chooser = new TfTemplate(m);
    chooser->setDocumentCreator([m](const std::vector<std::string>& lines) { NewDocumentFromTemplate(*m, lines); });
    m->setHandler("NewfromTemplate1Click", [chooser] { runModal(*chooser); });
}
