#pragma once
// The template chooser ("Quillmar Templates"): four built-in templates and a
// page that browses folders for template files, a tab strip at the bottom.
// OK hands the chosen text's lines to the document creator the main window
// installs, then closes. Created once; the selected tab, folder and the text
// shown on the user page stay between uses.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;

class TfTemplate : public QDialog {
    Q_OBJECT
public:
    using DocumentCreator = std::function<void(const std::vector<std::string>& lines)>;

    explicit TfTemplate(QWidget* parent = nullptr);

    void setDocumentCreator(DocumentCreator creator) { creator_ = std::move(creator); }

    // The lines OK would use now: the selected page's template.
    std::vector<std::string> selectedLines() const;
    QString folder() const { return folder_; }

    // ---- Handlers ----
    void TabSetClick(int index);
    // Shows the file's text in Memo1; a file that cannot be read is reported
    // and Memo1 keeps what it showed.
    void UpdateMemo(const QString& fileName);
    void changeFolder(const QString& folder);
    void fileTypeChanged(int index);
    void OKBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

    static constexpr int kHelpContext = 100;
    static constexpr int kUserPage = 4;

    QTabBar* TabSet = nullptr;
    QStackedWidget* pages = nullptr;
    QPlainTextEdit* mSimple = nullptr;
    QPlainTextEdit* mColor = nullptr;
    QPlainTextEdit* mGraph = nullptr;
    QPlainTextEdit* mFrames = nullptr;
    QLabel* folderLabel = nullptr;
    QListWidget* DirectoryListBox = nullptr;
    QComboBox* FilterComboBox = nullptr;
    QListWidget* FileListBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    QWidget* makeBuiltInPage(int index, QPlainTextEdit*& text);
    QWidget* makeUserPage();
    void fillLists();

    DocumentCreator creator_;
    QString folder_;                    // empty until first shown: then the current directory
    std::vector<std::string> memoLines_{""};  // the user page's text as bytes
};
