// The icons of the ribbon and the status bar: the PNG files in icons/ beside the program, or a
// drawn stand-in when a file is missing.
#pragma once

#include <QIcon>
#include <string>

namespace tw {

// Names: "open", "save", "refresh", "close", "help", "link", "window" and skin names.
QIcon GameIcon(const std::string& AppDir, const QString& Name);

}  // namespace tw
