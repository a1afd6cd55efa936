#pragma once
// The program icon, from the application's resources.

#include <QIcon>

QIcon appIcon();
