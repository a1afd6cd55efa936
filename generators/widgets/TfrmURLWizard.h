#pragma once
// The URL wizard: a stay-on-top window that makes a link from a location and
// a description, each picked from (or typed into) a list that grows with
// every new text and is kept in the data folder. Created once: the lists
// are loaded then, and the fields keep their texts within a run.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "TBag.h"

class QComboBox;
class QPushButton;

class TfrmURLWizard : public QDialog {
    Q_OBJECT
public:
    // Hands a start and an end text to tag insertion.
    using TagSink = std::function<void(const QString& start, const QString& end)>;

    explicit TfrmURLWizard(QWidget* parent = nullptr);
    void setTagSink(TagSink sink) { insert_ = std::move(sink); }

    static constexpr int kHelpContext = 100;

    // ---- Handlers ----
    void LoadLists();
    // The link to the document, both texts into their lists, the lists
    // saved; closes unless a list could not be written (then says so).
    void OKBtnClick();
    void AddURLtoList(const QString& text);
    void AddDesctoList(const QString& text);
    // True when both files were written.
    bool SaveLists();
    void HelpBtnClick();

    QComboBox* cmbURL = nullptr;
    QComboBox* cmbDesc = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct List {
        QComboBox* box;
        std::string file;
        std::vector<std::string> items;
        bool unreadable = false;  // its file exists but could not be read: never overwrite it
    };
    void load(List& list);
    void add(List& list, const QString& text);
    void fill(const List& list);

    TBag Prefs;
    TagSink insert_;
    List locations_;
    List descriptions_;
};
