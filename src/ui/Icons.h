// The icons of the ribbon and the status bar: the PNG files in icons/ beside the program, or a
// drawn stand-in when a file is missing.
#pragma once

#include <QIcon>
#include <string>

namespace tw {

// Names: "open", "save", "refresh", "close", "help", "link", "window" and skin names. A drawn
// stand-in is drawn at Size only (drawing costs at start-up).
QIcon GameIcon(const std::string& AppDir, const QString& Name, int Size = 32);

}  // namespace tw
