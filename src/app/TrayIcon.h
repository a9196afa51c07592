#pragma once
#include <QIcon>

// The tray icon: a small painted hand with a dark outline, so it reads on
// light and dark panels alike; white when the pointer is off, coral when on.
namespace TrayIcon {
QIcon icon(bool on);
}
