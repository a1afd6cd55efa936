#include "HomePageCommands.h"

#include <QDate>
#include <QLocale>

#include "FileCommands.h"
#include "ModalRunner.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TfHPWiz.h"
#include "TfHTML.h"
#include "TmdiMain.h"

QString shortDateToday() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

TfHTML* createHomePage(TmdiMain& main, const homepage::Fields& fields, const QString& date) {
    const UserDetails user = readUserDetails(main);
    const std::vector<std::string> lines =
        homepage::pageLines(fields, {user.userName.toStdString(), user.email.toStdString()}, date.toStdString());
    TfHTML* doc = newUntitledDocument(main);
    TTextEditControl* control = doc->txtHTML();
    control->ClearAll();
    for (const std::string& line : lines) control->InsertText(std::string_view(line + '\n'));
    control->setModified(true);
    doc->bringToFront();
    main.TabsUpdate(doc->caption());
    main.SelectTabName(doc->caption());
    main.SetStatusText(QStringLiteral("Ready ..."));
    return doc;
}

TfHPWiz* installHomePageCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    auto* wizard = new TfHPWiz(w);
    w->setHandler("NewHomePage1Click", [w, wizard] {
        w->SetStatusText(QStringLiteral("Loading Home Page Wizard ..."));
        if (runModal(*wizard) == QDialog::Accepted) createHomePage(*w, wizard->fields(), shortDateToday());
        w->SetStatusText(QStringLiteral("Ready ..."));
    });
    return wizard;
}
