#pragma once
// Every window the program shows modally on its own (splash, about box, tip
// of the day) is run through here, so a test can close it the way a user
// would instead of blocking in its event loop. The program itself never
// replaces the runner.

#include <functional>

class QDialog;

using ModalRunner = std::function<int(QDialog&)>;

// Runs the dialog modally (QDialog::exec unless another runner is installed)
// and returns its result.
int runModal(QDialog& dialog);

// Installs a runner (empty: back to exec); returns the previous one.
ModalRunner setModalRunner(ModalRunner runner);
