#pragma once
// The image browser ("Image Browser"): pick an image file, see it fitted
// into a square with the facts its header gives, and insert an IMG tag for
// it. A tool window that stays on top without blocking the main window; it
// keeps its fields between uses, only its placement is saved.

#include <QDialog>
#include <functional>

#include "TBag.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class TfImageBrowser : public QDialog {
    Q_OBJECT
public:
    explicit TfImageBrowser(QWidget* parent = nullptr);

    // Where OK sends the tag pair (the main window's tag insertion, which
    // does nothing with no document open).
    using Inserter = std::function<void(const QString& start, const QString& end)>;
    void setInserter(Inserter inserter) { inserter_ = std::move(inserter); }

    // ---- Handlers ----
    // Shows the open dialog and loads the chosen file; Cancel changes nothing.
    void btnBrowseClick();
    // Browse's work after the dialog: the name, the picture and
    // the information fields; false when the file could not be read.
    bool loadImage(const QString& path);
    void btnUpperClick();
    void btnLowerClick();
    void btnOKClick();
    void btnHelpClick();

    QLineEdit* txtImageName = nullptr;
    QPushButton* btnBrowse = nullptr;
    QCheckBox* chkslash = nullptr;
    QPushButton* btnUpper = nullptr;
    QPushButton* btnLower = nullptr;
    QSpinBox* oH = nullptr;
    QSpinBox* oW = nullptr;
    QSpinBox* spnBorder = nullptr;
    // Height, Width, Bits per Pixel, Planes, Num of Colors, File Type,
    // Compression, Size (bytes), in that order.
    QLineEdit* info[8] = {};
    QLabel* PImage = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnHelp = nullptr;

    static constexpr int kHelpContext = 100;
    static constexpr int kPreviewWidth = 133;
    static constexpr int kPreviewHeight = 117;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void showError(const QString& text);
    Inserter inserter_;
    TBag Prefs;
};
