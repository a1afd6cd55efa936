#include "HourglassGuard.h"

#include <QApplication>
#include <QCursor>

HourglassGuard::HourglassGuard() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

HourglassGuard::~HourglassGuard() { QApplication::restoreOverrideCursor(); }
