#include "ModalRunner.h"

#include <QDialog>
#include <utility>

namespace {
ModalRunner& runnerSlot() {
    static ModalRunner r;
    return r;
}
}  // namespace

int runModal(QDialog& dialog) {
    if (const ModalRunner& r = runnerSlot()) return r(dialog);
    return dialog.exec();
}

ModalRunner setModalRunner(ModalRunner runner) { return std::exchange(runnerSlot(), std::move(runner)); }
