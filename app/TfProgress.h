#pragma once
// "Quillmar Progress": a small stay-on-top window with a percentage meter,
// shown while the bookmark import runs.

#include <QDialog>

class QProgressBar;

class TfProgress : public QDialog {
    Q_OBJECT
public:
    explicit TfProgress(QWidget* parent = nullptr);

    // Sets the meter (0..100) and paints it at once: the work that follows
    // does not return to the event loop.
    void setPercent(int percent);
    int percent() const;

    QProgressBar* gS = nullptr;
};
